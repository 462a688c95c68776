// layout_logic.h -- the container layouts as pure functions: the content
// rectangle, float placement, the overlay, horizontal and vertical layouts
// with their measuring and placing passes, and the content measurement used
// for automatic minimum sizes. YdContainer::SetPosition feeds its children's
// values in and applies the rectangles that come out.
#pragma once

#include <vector>

#include "common/yd_namespace.h"
#include "ui/controls/containers/layout_types.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

// Every coordinate a layout gives lies within +-kLayoutExtentLimit (sizes,
// paddings and sums from a skin may reach the int range's ends; the layouts
// saturate instead of overflowing).
constexpr int kLayoutExtentLimit = 0x3FFFFFFF;

// The position shrunk by the inset, less the thickness of each shown bar
// (vertical bar: right edge; horizontal bar: bottom edge).
YdRect ContentRect(const YdContainerBox& box);

// Where a floating child goes against the reference rectangle `reference`
// ("float" first, then "relfloat", then "absfloat"); the child's padding is
// taken off the result. Only meaningful for a floating child.
YdRect PlaceFloatChild(const YdLayoutChild& child, const YdRect& reference);

// The three layouts of a container. Hidden children get no rectangle;
// floating children get their float placement and take no part in the flow.
YdLayoutOutcome LayoutOverlay(const YdContainerBox& box, const std::vector<YdLayoutChild>& children);
YdLayoutOutcome LayoutHorizontal(const YdContainerBox& box, const std::vector<YdLayoutChild>& children);
YdLayoutOutcome LayoutVertical(const YdContainerBox& box, const std::vector<YdLayoutChild>& children);
YdLayoutOutcome LayoutOfKind(YdLayoutKind kind, const YdContainerBox& box,
                             const std::vector<YdLayoutChild>& children);

// The children of an edit control (buttons and marks inside the text box)
// along its content rectangle: from the first child on left to right, each
// with its measured size after its left and top padding (a width of 0
// takes the content width less the right padding, a height of 0 the
// content height less the bottom padding), up to the first child with the
// right alignment bit; from the last child back to that one right to left
// from the content's right edge. Floating children get their float
// placement, hidden ones no rectangle.
std::vector<std::optional<YdRect>> LayoutEditChildren(const YdRect& content,
                                                      const std::vector<YdLayoutChild>& children);

// The size a horizontal or vertical container needs for its content when it
// has `availableWidth` x `availableHeight` (insets and shown bars included).
// For the overlay kind the result is the box's fixed size `fixed`.
YdSize MeasureContent(YdLayoutKind kind, const YdContainerBox& box,
                      const std::vector<YdLayoutChild>& children, int availableWidth,
                      int availableHeight, YdSize fixed = {});

}  // namespace ZEPHYRA_NAMESPACE
