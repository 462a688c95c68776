// dpi_scale.cpp -- rounding rules of the display scale and the image-set
// choice.
#include "ui/values/dpi_scale.h"

#include <climits>

#include "common/format.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// value × num / den rounded to nearest, halves away from zero, clamped to
// the int range.
int MulDivRound(int value, int num, int den) {
  const long long p = static_cast<long long>(value) * num;
  const long long half = den / 2;
  long long q = p >= 0 ? (p + half) / den : (p - half) / den;
  if (q > INT_MAX) q = INT_MAX;
  if (q < INT_MIN) q = INT_MIN;
  return static_cast<int>(q);
}

}  // namespace

int YdDpiScale::Scale(int value) const {
  if (IsOne()) return value;
  return MulDivRound(value, dpi_, kBaseDpi);
}

int YdDpiScale::Unscale(int value) const {
  if (IsOne()) return value;
  return MulDivRound(value, kBaseDpi, dpi_);
}

YdRect YdDpiScale::Scale(const YdRect& r) const {
  return {Scale(r.left), Scale(r.top), Scale(r.right), Scale(r.bottom)};
}

int YdDpiScale::Rescale(int value, YdDpiScale from, YdDpiScale to) {
  if (from == to) return value;
  return to.Scale(from.Unscale(value));
}

YdRect YdDpiScale::Rescale(const YdRect& r, YdDpiScale from, YdDpiScale to) {
  return {Rescale(r.left, from, to), Rescale(r.top, from, to), Rescale(r.right, from, to),
          Rescale(r.bottom, from, to)};
}

int ScaleByPercent(int value, int percent) {
  if (percent == 100) return value;
  return MulDivRound(value, percent, 100);
}

YdRect ScaleByPercent(const YdRect& r, int percent) {
  return {ScaleByPercent(r.left, percent), ScaleByPercent(r.top, percent), ScaleByPercent(r.right, percent),
          ScaleByPercent(r.bottom, percent)};
}

int ChooseImageSet(const std::vector<int>& available, YdDpiScale scale) {
  const int wanted = scale.Percent();
  int atOrAbove = 0;
  int largest = 0;
  for (int set : available) {
    if (set >= wanted && (atOrAbove == 0 || set < atOrAbove)) atOrAbove = set;
    if (set > largest) largest = set;
  }
  return atOrAbove != 0 ? atOrAbove : largest;
}

int ImageUsePercent(int setPercent, YdDpiScale scale) {
  return setPercent < scale.Percent() ? scale.Percent() : setPercent;
}

std::wstring ImageSetSuffix(int setPercent) {
  if (setPercent == 100 || setPercent <= 0) return {};
  std::wstring factor = WideDecimal(setPercent / 100);
  int rest = setPercent % 100;
  if (rest != 0) {
    factor += L'.';
    factor += static_cast<wchar_t>(L'0' + rest / 10);
    if (rest % 10 != 0) factor += static_cast<wchar_t>(L'0' + rest % 10);
  }
  return L"@" + factor + L"x";
}

std::wstring ImageSetResourceType(const std::wstring& type, int setPercent) {
  if (setPercent == 100 || setPercent <= 0) return type;
  return type + L"_" + WideDecimal(setPercent);
}

std::wstring ImageSetFileName(const std::wstring& name, int setPercent) {
  const std::wstring suffix = ImageSetSuffix(setPercent);
  if (suffix.empty()) return name;
  const size_t slash = name.find_last_of(L"\\/");
  const size_t dot = name.rfind(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return name + suffix;
  return name.substr(0, dot) + suffix + name.substr(dot);
}

}  // namespace ZEPHYRA_NAMESPACE
