// image_descriptor.h -- the image descriptor grammar: key='value' pairs
// separated by single spaces that name, place and style a skin image.
// Parsing and placement are pure functions, portable: host builds (tests,
// fuzzing) see a rectangle of Win32's shape with 32-bit sides.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdint>
#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

#ifndef _WIN32
struct RECT {
  int left, top, right, bottom;
};
#endif

struct ImageDescriptor {
  std::wstring name;      // file path, or resource id when restype is set
  std::wstring resType;  // resource type name; empty for files
  RECT dest{};
  RECT source{};
  RECT corner{};  // left, top, right, bottom border widths
  int roundX = 0;
  int roundY = 0;
  int iconSize = 0;
  uint32_t mask = 0;
  uint8_t fade = 255;
  double rotate = 0.0;
  std::wstring regionImage;
  std::wstring regionResType;
  uint32_t regionColour = 0;
  bool right = false;
  bool hole = false;
  bool alphaClose = false;
  bool encrypt = false;
  bool icon = false;
  bool reverse = false;
  bool gray = false;
};

// Applies the pairs of `text` to `descriptor`, stopping at the first
// deviation from the grammar; pairs read before it stay applied.
void ApplyDescriptorPairs(const std::wstring& text, ImageDescriptor* descriptor);

// The descriptor with its defaults (the name is the whole text), then the
// modifier's pairs on top.
ImageDescriptor ParseImageDescriptor(const std::wstring& text, const std::wstring& modifier = std::wstring());

// Where the image goes inside `item`.
RECT ComputeImageDestination(const ImageDescriptor& descriptor, const RECT& item);

// Value forms of the grammar.
int ParseDescriptorNumber(const std::wstring& value, size_t start = 0, size_t* end = nullptr);
RECT ParseDescriptorRect(const std::wstring& value);
uint32_t ParseDescriptorColour(const std::wstring& value);

// Keys of ReadDescriptorValue, by index.
enum class DescriptorKey {
  kRes = 0, kResType, kMask, kEncrypt, kFile, kIcon, kIconSize, kDest, kSource, kCorner, kFade,
  kAlphaClose, kReverse, kRound, kRight, kRotate, kHole, kRegionImage, kRegionResType,
  kRegionMask, kRollText, kGray,
};

struct DescriptorValue {
  bool found = false;
  int number = 0;       // number keys; the first of round
  int second = 0;       // round: the second number
  std::wstring text;    // text keys (and the raw value of every key)
  uint32_t colour = 0;  // colour keys
  bool flag = false;    // flag keys, "true" in any case
  RECT rect{};          // rectangle keys
  double real = 0.0;    // rotate
};

// Reads one attribute: the first occurrence of key=' anywhere in the text,
// up to the next quote.
DescriptorValue ReadDescriptorValue(const std::wstring& descriptor, DescriptorKey key);

}  // namespace ZEPHYRA_NAMESPACE
