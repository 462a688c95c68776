// window_region_win32.cpp -- GDI regions for window shapes.
#include "ui/window/window_region_win32.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// ORs `add` into `target`; false when GDI fails.
bool AddRegion(HRGN target, HRGN add) {
  return add != nullptr && ::CombineRgn(target, target, add, RGN_OR) != ERROR;
}

}  // namespace

ScopedRegion CopyRegion(HRGN source) {
  if (source == nullptr) return ScopedRegion();
  ScopedRegion copy(::CreateRectRgn(0, 0, 0, 0));
  if (!copy || ::CombineRgn(copy.Get(), source, nullptr, RGN_COPY) == ERROR) return ScopedRegion();
  return copy;
}

ScopedRegion CreatePlannedRegion(const YdRegionPlan& plan, HRGN cornerImageRegion) {
  const YdRect& r = plan.rect;
  switch (plan.kind) {
    case YdRegionPlan::kKeep:
      return ScopedRegion();
    case YdRegionPlan::kCornerImage:
      return CopyRegion(cornerImageRegion);
    case YdRegionPlan::kPlainRect:
      return ScopedRegion(::CreateRectRgn(r.left, r.top, r.right, r.bottom));
    case YdRegionPlan::kExtendWindow: {
      ScopedRegion region(::CreateRectRgn(r.left, r.top, r.right, r.bottom));
      const YdRect& e = plan.ellipse;
      ScopedRegion ellipse(::CreateEllipticRgn(e.left, e.top, e.right, e.bottom));
      if (!region || !AddRegion(region.Get(), ellipse.Get())) return ScopedRegion();
      return region;
    }
    case YdRegionPlan::kRoundCorner: {
      ScopedRegion region(
          ::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, plan.radius, plan.radius));
      if (!region) return region;
      for (const YdRect& s : plan.squares) {
        ScopedRegion square(::CreateRectRgn(s.left, s.top, s.right, s.bottom));
        if (!AddRegion(region.Get(), square.Get())) return ScopedRegion();
      }
      return region;
    }
  }
  return ScopedRegion();
}

std::vector<YdRowSpan> ScanWindowShape(HWND window, int width, int height) {
  ScopedRegion shape(::CreateRectRgn(0, 0, width, height));
  if (!shape) return RectangleShape(width, height);
  ::GetWindowRgn(window, shape.Get());  // leaves the rectangle when there is no region
  HRGN region = shape.Get();
  return ScanShapeRows(width, height,
                       [region](int x, int y) { return ::PtInRegion(region, x, y) != FALSE; });
}

}  // namespace ZEPHYRA_NAMESPACE
