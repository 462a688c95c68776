// image_decoder.h -- turns image files and image resources into premultiplied
// top-down 32-bit DIB sections (YdDecodedImage). The only place where image
// bytes are decoded.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/yd_namespace.h"
#include "ui/render/decoded_image.h"

namespace ZEPHYRA_NAMESPACE {

// Converts `count` RGBA pixels into premultiplied 0xAARRGGBB values (BGRA in
// memory). A pixel whose converted value equals `mask` becomes 0. Returns the
// alpha flag: true when a pixel is not opaque or was keyed out.
bool ConvertRgbaToPremultiplied(const uint8_t* rgba, size_t count, uint32_t mask, uint32_t* out);

// Decodes image bytes (PNG, JPEG, BMP, GIF, PSD, PIC ...) into a record.
YdDecodedImagePtr DecodeImageBytes(const uint8_t* data, size_t size, uint32_t mask);

// Loads an image file; a path under which nothing exists is looked up under
// `base_folder`. With `encrypt` the file is deciphered first.
YdDecodedImagePtr DecodeImageFile(const std::wstring& path, uint32_t mask, bool encrypt,
                                  const std::wstring& base_folder);

// Loads image resource `id` of type `type` from `module`. Type "BMP" is a
// bitmap resource loaded by the system: alpha flag false, no mask.
YdDecodedImagePtr DecodeImageResource(HINSTANCE module, const std::wstring& type, uint16_t id,
                                      uint32_t mask);

}  // namespace ZEPHYRA_NAMESPACE
