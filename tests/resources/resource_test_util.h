// resource_test_util.h -- reading the setup's resources from the test
// executable (which links them) and the facts about its PNG images that
// several resource tests share.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace resource_test {

// The bytes of resource (type, id) of this executable; empty when missing.
struct Bytes {
  const uint8_t* data = nullptr;
  size_t size = 0;
  bool empty() const { return size == 0; }
};

inline Bytes Find(const wchar_t* type, int id) {
  const HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (info == nullptr) return {};
  HGLOBAL loaded = ::LoadResource(module, info);
  if (loaded == nullptr) return {};
  const void* data = ::LockResource(loaded);
  if (data == nullptr) return {};
  return {static_cast<const uint8_t*>(data), ::SizeofResource(module, info)};
}

inline Bytes FindPng(int id) { return Find(L"PNG", id); }

// The picture a skin image is drawn from: its 1x PNG, or for the images
// drawn at 2x only (the program reduces them at 100 %) its 2x PNG. `factor`
// is 1 or 2.
struct SkinPng {
  Bytes bytes;
  int factor = 1;
};

inline SkinPng FindSkinPng(int id) {
  const Bytes one = FindPng(id);
  if (!one.empty()) return {one, 1};
  return {Find(L"PNG_200", id), 2};
}

// Width and height from a PNG's header chunk; false unless the bytes start
// with the PNG signature followed by an IHDR chunk.
struct PngHeader {
  uint32_t width = 0;
  uint32_t height = 0;
  int bitDepth = 0;
  int colourType = 0;
};

inline uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

inline bool ReadPngHeader(const Bytes& png, PngHeader* header) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size < 8 + 8 + 13) return false;
  for (int i = 0; i < 8; ++i)
    if (png.data[i] != kSignature[i]) return false;
  if (BigEndian32(png.data + 8) != 13) return false;
  if (std::string(reinterpret_cast<const char*>(png.data + 12), 4) != "IHDR") return false;
  header->width = BigEndian32(png.data + 16);
  header->height = BigEndian32(png.data + 20);
  header->bitDepth = png.data[24];
  header->colourType = png.data[25];
  return true;
}

// Every skin image with the pixel size the skin and the install worker rely
// on. Sprites hold one state per slice, stacked top to bottom.
struct ImageSpec {
  int id;
  int width;
  int height;
  const char* what;
};

inline const std::vector<ImageSpec>& SkinImages() {
  static const std::vector<ImageSpec> images = [] {
    std::vector<ImageSpec> v = {
        {100, 500, 280, "welcome background"},
        {101, 25, 75, "close button: normal, hot, pushed"},
        {102, 140, 152, "install button: normal, hot, pushed, disabled"},
        {103, 12, 48, "check box: normal, hot, selected, hot selected"},
        {105, 13, 39, "fold-out toggle: normal, hot, pushed"},
        {107, 500, 70, "custom pane background"},
        {108, 20, 48, "location box frame: normal, hot"},
        {109, 40, 72, "browse button: normal, hot, pushed"},
        {114, 500, 280, "progress page background"},
        {123, 500, 350, "dimming overlay"},
        {200, 300, 140, "dialog background"},
        {204, 44, 44, "dialog icon, alternate"},
        {205, 44, 44, "dialog icon, standard"},
        {206, 11, 11, "dialog close"},
        {207, 70, 78, "dialog confirm button: normal, hot, pushed"},
        {208, 70, 78, "dialog decline button: normal, hot, pushed"},
        {209, 140, 140, "ring background"},
    };
    for (int id = 220; id <= 232; ++id) v.push_back({id, 140, 140, "ring step"});
    for (int id : {233, 234, 235, 211, 212, 213, 214}) v.push_back({id, 140, 140, "completion frame"});
    return v;
  }();
  return images;
}

}  // namespace resource_test
