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

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgba) {
  std::vector<uint8_t> out;
  stbi_write_png_to_func(Append, &out, width, height, 4, rgba.data(), width * 4);
  return out;
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
