// image_decoder.cpp -- file and resource loaders on top of stb_image.
#include "ui/render/image_decoder.h"

#include <stb_image.h>

#include <memory>
#include <vector>

#include "common/scoped_handle.h"
#include "ui/render/gost_cipher.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

struct StbFree {
  void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

bool ReadWholeFile(const std::wstring& path, DWORD share, std::vector<uint8_t>* bytes) {
  ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > 0x7FFFFFFF) return false;
  bytes->resize(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  return ::ReadFile(file.Get(), bytes->data(), static_cast<DWORD>(bytes->size()), &read, nullptr) &&
         read == bytes->size();
}

std::wstring JoinFolder(const std::wstring& folder, const std::wstring& path) {
  if (folder.empty()) return path;
  const wchar_t last = folder.back();
  if (last == L'\\' || last == L'/') return folder + path;
  return folder + L"\\" + path;
}

}  // namespace

bool ConvertRgbaToPremultiplied(const uint8_t* rgba, size_t count, uint32_t mask, uint32_t* out) {
  bool alpha = false;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t r = rgba[4 * i], g = rgba[4 * i + 1], b = rgba[4 * i + 2], a = rgba[4 * i + 3];
    uint32_t pixel;
    if (a == 255) {
      pixel = (a << 24) | (r << 16) | (g << 8) | b;
    } else {
      pixel = (a << 24) | ((r * a / 255) << 16) | ((g * a / 255) << 8) | (b * a / 255);
      alpha = true;
    }
    if (pixel == mask) {
      pixel = 0;
      alpha = true;
    }
    out[i] = pixel;
  }
  return alpha;
}

YdDecodedImagePtr DecodeImageBytes(const uint8_t* data, size_t size, uint32_t mask) {
  if (data == nullptr || size == 0 || size > 0x7FFFFFFF) return nullptr;
  int width = 0, height = 0, channels = 0;
  std::unique_ptr<stbi_uc, StbFree> rgba(
      stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 4));
  if (!rgba) return nullptr;
  uint32_t* bits = nullptr;
  auto image = std::make_unique<YdDecodedImage>();
  image->bitmap.Set(CreateDib32(width, height, true, &bits));
  if (!image->bitmap) return nullptr;
  image->width = width;
  image->height = height;
  image->alpha = ConvertRgbaToPremultiplied(rgba.get(), static_cast<size_t>(width) * height, mask, bits);
  ::GdiFlush();
  return image;
}

YdDecodedImagePtr DecodeImageFile(const std::wstring& path, uint32_t mask, bool encrypt,
                                  const std::wstring& base_folder) {
  std::wstring full = path;
  if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) full = JoinFolder(base_folder, path);
  std::vector<uint8_t> bytes;
  if (encrypt) {
    if (!ReadWholeFile(full, FILE_SHARE_READ | FILE_SHARE_WRITE, &bytes) || bytes.size() < 4) return nullptr;
    GostDecipherEcb(ImageFileKey(), bytes.data(), bytes.size());
  } else if (!ReadWholeFile(full, FILE_SHARE_READ, &bytes)) {
    return nullptr;
  }
  return DecodeImageBytes(bytes.data(), bytes.size(), mask);
}

YdDecodedImagePtr DecodeImageResource(HINSTANCE module, const std::wstring& type, uint16_t id,
                                      uint32_t mask) {
  if (type == L"BMP") {
    ScopedBitmap bitmap(static_cast<HBITMAP>(
        ::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!bitmap || ::GetObjectW(bitmap.Get(), sizeof(info), &info) == 0) return nullptr;
    auto image = std::make_unique<YdDecodedImage>();
    image->bitmap = std::move(bitmap);
    image->width = info.bmWidth;
    image->height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    image->alpha = false;
    return image;
  }
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), type.c_str());
  if (resource == nullptr) return nullptr;
  const DWORD size = ::SizeofResource(module, resource);
  HGLOBAL loaded = ::LoadResource(module, resource);
  if (size == 0 || loaded == nullptr) return nullptr;
  const void* data = ::LockResource(loaded);
  if (data == nullptr) return nullptr;
  return DecodeImageBytes(static_cast<const uint8_t*>(data), size, mask);
}

}  // namespace ZEPHYRA_NAMESPACE
