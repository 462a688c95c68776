// canvas.cpp -- file and PNG helpers of the drawing tests.
#include "tests/ui/render/canvas.h"

#include <filesystem>
#include <fstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace ZEPHYRA_NAMESPACE {
namespace test {

std::wstring MakeTempFolder(const wchar_t* tag) {
  wchar_t base[MAX_PATH];
  ::GetTempPathW(MAX_PATH, base);
  std::filesystem::path folder = std::filesystem::path(base) /
                                 (std::wstring(L"yd_render_") + tag + L"_" + std::to_wstring(::GetCurrentProcessId()));
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::filesystem::create_directories(folder, error);
  return folder.wstring();
}

void RemoveFolder(const std::wstring& folder) {
  std::error_code error;
  std::filesystem::remove_all(folder, error);
}

bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

namespace {
void Append(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* p = static_cast<const uint8_t*>(data);
  out->insert(out->end(), p, p + size);
}
}  // namespace

std::vector<uint8_t> EncodeIcon(int size, uint32_t colour) {
  std::vector<uint8_t> out;
  auto put16 = [&](uint32_t v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); };
  auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
  const int mask_stride = ((size + 31) / 32) * 4;
  const uint32_t image_bytes = 40 + size * size * 4 + mask_stride * size;
  put16(0); put16(1); put16(1);  // icon directory, one image
  out.push_back(static_cast<uint8_t>(size)); out.push_back(static_cast<uint8_t>(size));
  out.push_back(0); out.push_back(0);
  put16(1); put16(32); put32(image_bytes); put32(6 + 16);
  put32(40); put32(size); put32(size * 2); put16(1); put16(32); put32(0); put32(0);
  put32(0); put32(0); put32(0); put32(0);
  for (int i = 0; i < size * size; ++i) put32(colour);
  for (int y = 0; y < size; ++y) {
    std::vector<uint8_t> row(mask_stride, 0);
    for (int x = 0; x < size / 2; ++x) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgba) {
  std::vector<uint8_t> out;
  stbi_write_png_to_func(Append, &out, width, height, 4, rgba.data(), width * 4);
  return out;
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
