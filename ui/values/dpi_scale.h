// dpi_scale.h -- the display scale of a window and its rounding rules. Skin
// numbers are written for 96 DPI; a window at another DPI applies them
// multiplied by DPI / 96. This is the one place that says how a number, a
// rectangle or an image-set choice follows the scale. At 96 DPI every
// function returns its input unchanged.
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

class YdDpiScale {
 public:
  static constexpr int kBaseDpi = 96;

  constexpr YdDpiScale() = default;
  // DPI values below 96 (and nonsense such as 0) count as 96: the skin is
  // never drawn smaller than it was designed.
  explicit constexpr YdDpiScale(int dpi) : dpi_(dpi < kBaseDpi ? kBaseDpi : dpi) {}

  constexpr int Dpi() const { return dpi_; }
  constexpr bool IsOne() const { return dpi_ == kBaseDpi; }
  // The factor in hundredths (96 DPI is 100, 144 DPI is 150).
  int Percent() const { return Scale(100); }
  double Factor() const { return static_cast<double>(dpi_) / kBaseDpi; }

  // A 96-DPI length or coordinate at this scale: value × DPI / 96, rounded
  // to the nearest integer, halves away from zero (12 at 120 DPI is 15, 25
  // at 144 DPI is 38, -3 at 144 DPI is -5).
  int Scale(int value) const;
  // The inverse: a length at this scale back in 96-DPI units, same rounding.
  // Unscale(Scale(v)) == v for every v, since the scale is at least 1.
  int Unscale(int value) const;
  // Rectangles and insets scale edge by edge, so rectangles that touch at
  // 96 DPI still touch.
  YdRect Scale(const YdRect& r) const;
  YdSize Scale(const YdSize& s) const { return {Scale(s.cx), Scale(s.cy)}; }
  YdPoint Scale(const YdPoint& p) const { return {Scale(p.x), Scale(p.y)}; }

  // A length in device pixels at `from` expressed at `to`, through its
  // 96-DPI value (exact for lengths that were scaled from 96-DPI numbers).
  static int Rescale(int value, YdDpiScale from, YdDpiScale to);
  static YdRect Rescale(const YdRect& r, YdDpiScale from, YdDpiScale to);

  friend bool operator==(YdDpiScale a, YdDpiScale b) { return a.dpi_ == b.dpi_; }
  friend bool operator!=(YdDpiScale a, YdDpiScale b) { return a.dpi_ != b.dpi_; }

 private:
  int dpi_ = kBaseDpi;
};

// Scales a value in hundredths: used for descriptor rectangles read in 1×
// image units and applied to an image drawn at `percent` (150 for a 1.5×
// image). Same rounding as YdDpiScale::Scale.
int ScaleByPercent(int value, int percent);
YdRect ScaleByPercent(const YdRect& r, int percent);

// Image sets: a skin image may exist at several factors (in hundredths:
// 100 for name.png, 150 for name@1.5x.png, 200 for name@2x.png). The set for
// a window is the smallest factor at or above the window's; without one,
// the largest. 0 when `available` is empty.
int ChooseImageSet(const std::vector<int>& available, YdDpiScale scale);

// The factor an image of set `setPercent` is used at: a set at or above the
// scale is drawn as it is (the painter stretches it to the scaled
// destination); a smaller set (only 1× images exist) is resampled once to
// the window's own factor, so the result is `scale.Percent()`.
int ImageUsePercent(int setPercent, YdDpiScale scale);

// The suffix that names a set: "" at 100, "@1.5x" at 150, "@2x" at 200
// ("@<factor>x" in general, the factor without trailing zeros).
std::wstring ImageSetSuffix(int setPercent);
// The file of an image of a set: "name.png" at 100, "name@1.5x.png" at 150,
// "name@2x.png" at 200; the suffix goes before the extension of the last
// path element, or at the end when it has none.
std::wstring ImageSetFileName(const std::wstring& name, int setPercent);
// The resource type of an image of a set: the type itself at 100, the type
// and the factor in hundredths otherwise ("PNG_150", "PNG_200"), a name every
// resource compiler takes.
std::wstring ImageSetResourceType(const std::wstring& type, int setPercent);

}  // namespace ZEPHYRA_NAMESPACE
