// image_descriptor.cpp -- descriptor parsing, placement and single-key reads.
#include "ui/render/image_descriptor.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>
#include <cwctype>

namespace ZEPHYRA_NAMESPACE {
namespace {

bool IsExactlyTrue(const std::wstring& value) { return value == L"true"; }

bool IsTrueAnyCase(const std::wstring& value) {
  if (value.size() != 4) return false;
  const wchar_t* t = L"true";
  for (size_t i = 0; i < 4; ++i) {
    if (static_cast<wchar_t>(std::towlower(static_cast<wint_t>(value[i]))) != t[i]) return false;
  }
  return true;
}

// An angle in degrees: optional blanks and sign, digits, an optional
// fraction and an optional exponent, read up to the first other character.
// Text without digits, nan and infinity are no angle (0). Read here rather
// than by wcstod, whose MinGW version brings about 15 KB into the setup.
double ParseAngle(const std::wstring& value) {
  size_t at = 0;
  const size_t n = value.size();
  auto digit = [&](size_t i) { return i < n && value[i] >= L'0' && value[i] <= L'9'; };
  while (at < n && std::iswspace(static_cast<wint_t>(value[at]))) ++at;
  const bool negative = at < n && value[at] == L'-';
  if (at < n && (value[at] == L'-' || value[at] == L'+')) ++at;
  double angle = 0.0;
  bool any = false;
  for (; digit(at); ++at, any = true) angle = angle * 10.0 + (value[at] - L'0');
  if (at < n && value[at] == L'.') {
    double unit = 0.1;
    for (++at; digit(at); ++at, any = true, unit /= 10.0) angle += (value[at] - L'0') * unit;
  }
  if (!any) return 0.0;
  if (at < n && (value[at] == L'e' || value[at] == L'E')) {
    size_t e = at + 1;
    const bool down = e < n && value[e] == L'-';
    if (e < n && (value[e] == L'-' || value[e] == L'+')) ++e;
    if (digit(e)) {
      int exponent = 0;
      for (; digit(e); ++e) exponent = exponent < 10000 ? exponent * 10 + (value[e] - L'0') : exponent;
      // By steps of ten rather than pow, which would bring 2 KB of MinGW's
      // maths library into the setup; a zero or infinite angle stops early.
      for (int i = 0; i < exponent && angle != 0.0 && std::isfinite(angle); ++i) {
        angle = down ? angle / 10.0 : angle * 10.0;
      }
    }
  }
  if (negative) angle = -angle;
  return std::isfinite(angle) ? angle : 0.0;
}

void ApplyPair(const std::wstring& key, const std::wstring& value, ImageDescriptor* d) {
  if (value.empty()) return;
  if (key == L"file" || key == L"res") {
    d->name = value;
  } else if (key == L"restype") {
    d->resType = value;
  } else if (key == L"round") {
    d->roundX = d->roundY = ParseDescriptorNumber(value);
  } else if (key == L"iconsize") {
    d->iconSize = ParseDescriptorNumber(value);
  } else if (key == L"dest") {
    d->dest = ParseDescriptorRect(value);
  } else if (key == L"source") {
    d->source = ParseDescriptorRect(value);
  } else if (key == L"corner") {
    d->corner = ParseDescriptorRect(value);
  } else if (key == L"right") {
    d->right = IsExactlyTrue(value);
  } else if (key == L"mask") {
    d->mask = ParseDescriptorColour(value);
  } else if (key == L"fade") {
    d->fade = static_cast<uint8_t>(ParseDescriptorNumber(value) & 0xFF);
  } else if (key == L"hole") {
    d->hole = IsExactlyTrue(value);
  } else if (key == L"alphaClose") {
    d->alphaClose = IsExactlyTrue(value);
  } else if (key == L"encrypt") {
    d->encrypt = IsExactlyTrue(value);
  } else if (key == L"icon") {
    d->icon = IsExactlyTrue(value);
  } else if (key == L"reverse") {
    d->reverse = IsExactlyTrue(value);
  } else if (key == L"rotate") {
    d->rotate = ParseAngle(value);
  } else if (key == L"rgnimage") {
    d->regionImage = value;
  } else if (key == L"rgnrestype") {
    d->regionResType = value;
  } else if (key == L"rgnmask") {
    d->regionColour = ParseDescriptorColour(value);
  } else if (key == L"gray") {
    d->gray = IsExactlyTrue(value);
  }
}

constexpr const wchar_t* kKeyNames[] = {
    L"res", L"restype", L"mask", L"encrypt", L"file", L"icon", L"iconsize", L"dest",
    L"source", L"corner", L"fade", L"alphaClose", L"reverse", L"round", L"right", L"rotate",
    L"hole", L"rgnimage", L"rgnrestype", L"rgnmask", L"rolltext", L"gray",
};

}  // namespace

int ParseDescriptorNumber(const std::wstring& value, size_t start, size_t* end) {
  size_t i = start;
  while (i < value.size() && (value[i] == L' ' || value[i] == L'\t')) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == L'-' || value[i] == L'+')) negative = value[i++] == L'-';
  long long n = 0;
  while (i < value.size() && value[i] >= L'0' && value[i] <= L'9') {
    if (n < 0x7FFFFFFF) n = n * 10 + (value[i] - L'0');
    ++i;
  }
  if (n > 0x7FFFFFFF) n = 0x7FFFFFFF;
  if (end != nullptr) *end = i;
  return static_cast<int>(negative ? -n : n);
}

RECT ParseDescriptorRect(const std::wstring& value) {
  int parts[4] = {0, 0, 0, 0};
  size_t pos = 0;
  for (int k = 0; k < 4; ++k) {
    size_t end = pos;
    parts[k] = ParseDescriptorNumber(value, pos, &end);
    // The next number starts one character after this one ended.
    pos = end + 1 <= value.size() ? end + 1 : value.size();
  }
  return RECT{parts[0], parts[1], parts[2], parts[3]};
}

uint32_t ParseDescriptorColour(const std::wstring& value) {
  size_t i = 0;
  if (i < value.size() && value[i] == L'#') ++i;
  uint32_t n = 0;
  for (; i < value.size(); ++i) {
    const wchar_t c = value[i];
    uint32_t digit;
    if (c >= L'0' && c <= L'9') digit = c - L'0';
    else if (c >= L'a' && c <= L'f') digit = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F') digit = c - L'A' + 10;
    else break;
    n = (n << 4) | digit;
  }
  return n;
}

void ApplyDescriptorPairs(const std::wstring& text, ImageDescriptor* descriptor) {
  size_t pos = 0;
  const size_t n = text.size();
  while (pos < n) {
    const size_t equals = text.find(L'=', pos);
    if (equals == std::wstring::npos) return;
    if (equals + 1 >= n || text[equals + 1] != L'\'') return;
    const size_t value_start = equals + 2;
    const size_t close = text.find(L'\'', value_start);
    if (close == std::wstring::npos) return;
    ApplyPair(text.substr(pos, equals - pos), text.substr(value_start, close - value_start), descriptor);
    // A pair is followed by the end, or by one space and a further character.
    if (close + 2 < n && text[close + 1] == L' ') {
      pos = close + 2;
    } else {
      return;
    }
  }
}

ImageDescriptor ParseImageDescriptor(const std::wstring& text, const std::wstring& modifier) {
  ImageDescriptor descriptor;
  descriptor.name = text;
  ApplyDescriptorPairs(text, &descriptor);
  if (!modifier.empty()) ApplyDescriptorPairs(modifier, &descriptor);
  return descriptor;
}

RECT ComputeImageDestination(const ImageDescriptor& d, const RECT& item) {
  // Skin numbers reach the int range's ends: the sums saturate there.
  auto add = [](long long a, long long b) {
    return static_cast<int>(std::clamp<long long>(a + b, INT_MIN, INT_MAX));
  };
  if (d.right) {
    return RECT{add(item.right, -static_cast<long long>(d.dest.right)), add(item.top, d.dest.top), item.right,
                add(item.top, d.dest.bottom)};
  }
  RECT r{add(item.left, d.dest.left), add(item.top, d.dest.top), add(item.left, d.dest.right),
         add(item.top, d.dest.bottom)};
  if (d.dest.right == 0) r.right = item.right;
  if (d.dest.bottom == 0) r.bottom = item.bottom;
  return r;
}

DescriptorValue ReadDescriptorValue(const std::wstring& descriptor, DescriptorKey key) {
  DescriptorValue result;
  const int index = static_cast<int>(key);
  if (index < 0 || index >= static_cast<int>(sizeof(kKeyNames) / sizeof(kKeyNames[0]))) return result;
  const std::wstring needle = std::wstring(kKeyNames[index]) + L"='";
  const size_t at = descriptor.find(needle);
  if (at == std::wstring::npos) return result;
  const size_t start = at + needle.size();
  size_t close = descriptor.find(L'\'', start);
  if (close == std::wstring::npos) close = descriptor.size();
  result.found = true;
  result.text = descriptor.substr(start, close - start);
  const std::wstring& v = result.text;
  switch (key) {
    case DescriptorKey::kRes:
    case DescriptorKey::kIconSize:
    case DescriptorKey::kFade:
    case DescriptorKey::kRollText:
      result.number = ParseDescriptorNumber(v);
      break;
    case DescriptorKey::kRound: {
      size_t end = 0;
      result.number = ParseDescriptorNumber(v, 0, &end);
      result.second = ParseDescriptorNumber(v, end + 1 <= v.size() ? end + 1 : v.size());
      break;
    }
    case DescriptorKey::kMask:
    case DescriptorKey::kRegionMask:
      result.colour = ParseDescriptorColour(v);
      break;
    case DescriptorKey::kEncrypt:
    case DescriptorKey::kIcon:
    case DescriptorKey::kAlphaClose:
    case DescriptorKey::kReverse:
    case DescriptorKey::kRight:
    case DescriptorKey::kHole:
    case DescriptorKey::kGray:
      result.flag = IsTrueAnyCase(v);
      break;
    case DescriptorKey::kDest:
    case DescriptorKey::kSource:
    case DescriptorKey::kCorner:
      result.rect = ParseDescriptorRect(v);
      break;
    case DescriptorKey::kRotate:
      result.real = ParseAngle(v);
      break;
    default:
      break;  // text keys: the raw value
  }
  return result;
}

}  // namespace ZEPHYRA_NAMESPACE
