// Linear and overlay layouts: stretch shares and the last stretch child's
// remainder, hidden and floating children, reduce children, alignment,
// limits, float kinds and content measurement.
#include <gtest/gtest.h>

#include "ui/controls/containers/layout_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

YdLayoutChild Fixed(int cx, int cy, YdRect padding = {}) {
  YdLayoutChild c;
  c.fixed = {cx, cy};
  c.padding = padding;
  return c;
}

YdContainerBox Box(int w, int h, int childPadding = 0) {
  YdContainerBox b;
  b.position = {0, 0, w, h};
  b.childPadding = childPadding;
  return b;
}

TEST(VerticalLayout, StretchChildTakesWhatTheFixedChildrenLeave) {
  // Paddings (top) 215 and 8, heights 38 and 16, one stretch child.
  std::vector<YdLayoutChild> kids{Fixed(0, 38, {0, 215, 0, 0}), Fixed(0, 16, {0, 8, 0, 0}), Fixed(0, 0)};
  YdLayoutOutcome out = LayoutVertical(Box(500, 280), kids);
  EXPECT_EQ(*out.rects[0], (YdRect{0, 215, 500, 253}));
  EXPECT_EQ(*out.rects[1], (YdRect{0, 261, 500, 277}));
  EXPECT_EQ(*out.rects[2], (YdRect{0, 277, 500, 280}));
  EXPECT_EQ(out.needed, (YdSize{0, 280}));

  // With child padding 5 the fixed part (287) exceeds 280: the stretch child
  // gets 0, never a negative height.
  out = LayoutVertical(Box(500, 280, 5), kids);
  EXPECT_EQ(out.rects[2]->Height(), 0);
  EXPECT_EQ(out.rects[1]->top, 215 + 38 + 5 + 8);
  EXPECT_EQ(out.needed.cy, 287);
}

TEST(VerticalLayout, FloatButtonDoesNotCountAndSitsAtItsPos) {
  YdLayoutChild button = Fixed(0, 38, {0, 215, 0, 0});
  YdLayoutChild row = Fixed(0, 0, {0, 8, 0, 0});
  YdLayoutChild close = Fixed(25, 25);
  close.isFloat = true;
  close.fixedXY = {475, 0};
  YdContainerBox box = Box(500, 280);
  box.inset = {10, 10, 10, 10};  // float children ignore the inset
  std::vector<YdLayoutChild> kids{button, row, close};
  YdLayoutOutcome out = LayoutVertical(Box(500, 280), kids);
  EXPECT_EQ(out.rects[0]->top, 215);
  EXPECT_EQ(out.rects[0]->bottom, 253);
  EXPECT_EQ(out.rects[1]->top, 261);
  EXPECT_EQ(out.rects[1]->bottom, 280);
  EXPECT_EQ(*out.rects[2], (YdRect{475, 0, 500, 25}));
  // Moved to the front, it still does not move its siblings.
  std::vector<YdLayoutChild> reordered{close, button, row};
  out = LayoutVertical(box, reordered);
  EXPECT_EQ(*out.rects[0], (YdRect{475, 0, 500, 25}));
  EXPECT_EQ(out.rects[1]->top, 10 + 215);
}

TEST(VerticalLayout, ChildWithoutWidthFillsTheWidthLessItsPadding) {
  std::vector<YdLayoutChild> kids{Fixed(0, 30, {180, 0, 0, 0})};
  YdLayoutOutcome out = LayoutVertical(Box(500, 280), kids);
  EXPECT_EQ(*out.rects[0], (YdRect{180, 0, 500, 30}));
  // More padding than width: 0 wide, not negative.
  kids[0].padding = {300, 0, 300, 0};
  out = LayoutVertical(Box(500, 280), kids);
  EXPECT_EQ(out.rects[0]->Width(), 0);
}

TEST(LinearLayouts, HiddenChildrenTakeNoSpaceAndNoChildPadding) {
  YdLayoutChild hidden = Fixed(40, 40);
  hidden.visible = false;
  std::vector<YdLayoutChild> kids{Fixed(20, 20), hidden, Fixed(20, 20)};
  YdLayoutOutcome v = LayoutVertical(Box(100, 100, 5), kids);
  EXPECT_FALSE(v.rects[1].has_value());
  EXPECT_EQ(v.rects[2]->top, 25);
  EXPECT_EQ(v.needed.cy, 45);
  YdLayoutOutcome h = LayoutHorizontal(Box(100, 100, 5), kids);
  EXPECT_FALSE(h.rects[1].has_value());
  EXPECT_EQ(h.rects[2]->left, 25);
  EXPECT_EQ(h.needed.cx, 45);
}

TEST(HorizontalLayout, SharesRoundDownAndTheLastStretchChildTakesTheRest) {
  std::vector<YdLayoutChild> kids(3);
  YdLayoutOutcome out = LayoutHorizontal(Box(100, 20), kids);
  EXPECT_EQ(out.rects[0]->Width(), 33);
  EXPECT_EQ(out.rects[1]->Width(), 33);
  EXPECT_EQ(out.rects[2]->Width(), 34);
  EXPECT_EQ(out.rects[2]->right, 100);
  // Heights fill the content height; children sit at the content top.
  EXPECT_EQ(*out.rects[1], (YdRect{33, 0, 66, 20}));

  // Mixed with a fixed child and child padding: 100 - 10 - 2*4 = 82 -> 41/41.
  std::vector<YdLayoutChild> mixed{Fixed(0, 0), Fixed(10, 5), Fixed(0, 0)};
  out = LayoutHorizontal(Box(100, 20, 4), mixed);
  EXPECT_EQ(*out.rects[0], (YdRect{0, 0, 41, 20}));
  EXPECT_EQ(*out.rects[1], (YdRect{45, 0, 55, 5}));
  EXPECT_EQ(*out.rects[2], (YdRect{59, 0, 100, 20}));
  EXPECT_EQ(out.needed, (YdSize{100, 5}));
}

TEST(HorizontalLayout, LimitsClampSizesAndTheRemainderStaysExact) {
  // The first child measures 10 but has a minimum of 30; the stretch child
  // must still end exactly at the right edge.
  YdLayoutChild narrow = Fixed(10, 10);
  narrow.minWidth = 30;
  std::vector<YdLayoutChild> kids{narrow, Fixed(0, 0)};
  YdLayoutOutcome out = LayoutHorizontal(Box(100, 20), kids);
  EXPECT_EQ(out.rects[0]->Width(), 30);
  EXPECT_EQ(*out.rects[1], (YdRect{30, 0, 100, 20}));

  // A stretch child with a minimum exceeds its share of 50; the last one
  // gets what is left (30) but stops at its maximum.
  YdLayoutChild capped;
  capped.maxWidth = 20;
  YdLayoutChild wide;
  wide.minWidth = 70;
  std::vector<YdLayoutChild> limited{wide, capped};
  out = LayoutHorizontal(Box(100, 20), limited);
  EXPECT_EQ(*out.rects[0], (YdRect{0, 0, 70, 20}));
  EXPECT_EQ(*out.rects[1], (YdRect{70, 0, 90, 20}));

  // Cross size: limits apply to the default height as well.
  YdLayoutChild tall;
  tall.fixed = {10, 0};
  tall.maxHeight = 12;
  std::vector<YdLayoutChild> cross{tall};
  out = LayoutHorizontal(Box(100, 20), cross);
  EXPECT_EQ(out.rects[0]->Height(), 12);
}

TEST(HorizontalLayout, InsetScrollOffsetAndPaddingPlaceChildren) {
  YdContainerBox box = Box(200, 50);
  box.position = {100, 100, 300, 150};
  box.inset = {5, 6, 7, 8};
  box.hbar = {true, true, 50, 20, 8, 16, true};
  std::vector<YdLayoutChild> kids{Fixed(40, 10, {2, 3, 4, 0}), Fixed(0, 0)};
  YdLayoutOutcome out = LayoutHorizontal(box, kids);
  EXPECT_EQ(out.content, (YdRect{105, 106, 293, 126}));
  // x starts at content left - horizontal position; top at the content top.
  EXPECT_EQ(*out.rects[0], (YdRect{87, 109, 127, 119}));
  // Available width = 188 + range 50 = 238; stretch = 238 - 46 = 192.
  EXPECT_EQ(*out.rects[1], (YdRect{131, 106, 323, 126}));
}

TEST(VerticalLayout, AlignmentInsideTheSlot) {
  YdLayoutChild centred = Fixed(40, 10);
  centred.align = kChildAlignCenter | kChildAlignVCenter;
  YdLayoutChild bottom = Fixed(20, 10);
  bottom.align = kChildAlignBottom;
  std::vector<YdLayoutChild> kids{centred};
  YdLayoutOutcome out = LayoutVertical(Box(100, 50), kids);
  EXPECT_EQ(*out.rects[0], (YdRect{30, 20, 70, 30}));
  kids = {Fixed(10, 10), bottom};
  out = LayoutVertical(Box(100, 50), kids);
  EXPECT_EQ(*out.rects[1], (YdRect{0, 40, 20, 50}));
}

TEST(VerticalLayout, ReduceChildrenGiveUpTheOverflow) {
  // 60 + 60 + 20 = 140 in 100: the two reduce children give up
  // min(120, 40) / 2 = 20 each.
  YdLayoutChild a = Fixed(0, 60);
  a.reduce = true;
  YdLayoutChild b = a;
  std::vector<YdLayoutChild> kids{a, b, Fixed(0, 20)};
  YdLayoutOutcome out = LayoutVertical(Box(50, 100), kids);
  EXPECT_EQ(*out.rects[0], (YdRect{0, 0, 50, 40}));
  EXPECT_EQ(*out.rects[1], (YdRect{0, 40, 50, 80}));
  EXPECT_EQ(*out.rects[2], (YdRect{0, 80, 50, 100}));
  // Room enough: nobody gives anything up.
  out = LayoutVertical(Box(50, 200), kids);
  EXPECT_EQ(out.rects[0]->Height(), 60);
}

TEST(VerticalLayout, ScrollCoverPlacesUnderTheBars) {
  YdContainerBox box = Box(100, 100);
  box.vbar = {true, true, 0, 0, 8, 16, true};
  std::vector<YdLayoutChild> kids{Fixed(0, 10)};
  YdLayoutOutcome out = LayoutVertical(box, kids);
  EXPECT_EQ(out.rects[0]->right, 84);
  box.scrollCover = true;
  out = LayoutVertical(box, kids);
  EXPECT_EQ(out.rects[0]->right, 100);
  // The scroll bar decision still sees the narrowed content.
  EXPECT_EQ(out.content.right, 84);
}

TEST(VerticalLayout, MeasureSeesWhatRemains) {
  // A child whose height depends on the height offered in the placing pass.
  std::vector<int> offered;
  YdLayoutChild probe;
  probe.padding = {0, 10, 0, 5};
  probe.measure = [&](int, int ah) {
    offered.push_back(ah);
    return YdSize{0, 20};
  };
  std::vector<YdLayoutChild> kids{Fixed(0, 30), probe};
  LayoutVertical(Box(50, 100), kids);
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0], 100);           // measuring pass: the full height
  EXPECT_EQ(offered[1], 100 - 30 - 15);  // placing pass: what remains
}

TEST(OverlayLayout, ChildrenFillTheContentOrCentre) {
  YdContainerBox box = Box(100, 80);
  box.inset = {10, 10, 10, 10};
  YdLayoutChild small = Fixed(20, 10);
  small.align = kChildAlignCenter | kChildAlignVCenter;
  std::vector<YdLayoutChild> kids{Fixed(0, 0, {1, 2, 3, 4}), small};
  YdLayoutOutcome out = LayoutOverlay(box, kids);
  EXPECT_EQ(*out.rects[0], (YdRect{11, 12, 87, 66}));
  EXPECT_EQ(*out.rects[1], (YdRect{40, 35, 60, 45}));
  EXPECT_EQ(out.needed, (YdSize{76, 54}));
  EXPECT_EQ(LayoutOfKind(YdLayoutKind::kOverlay, box, kids).rects, out.rects);
}

TEST(FloatPlacement, ThreeKindsAgainstTheReference) {
  const YdRect ref{100, 50, 300, 150};
  YdLayoutChild c;
  c.fixedXY = {10, 20};
  c.padding = {1, 2, 3, 4};
  c.isFloat = true;
  EXPECT_EQ(PlaceFloatChild(c, ref), (YdRect{111, 72, 307, 166}));
  c.fixed = {30, 40};
  EXPECT_EQ(PlaceFloatChild(c, ref), (YdRect{111, 72, 137, 106}));
  c.isFloat = false;
  c.isRelFloat = true;
  c.fixed = {};
  EXPECT_EQ(PlaceFloatChild(c, ref), (YdRect{111, 72, 297, 146}));
  c.isRelFloat = false;
  c.isAbsFloat = true;
  EXPECT_EQ(PlaceFloatChild(c, ref), (YdRect{11, 22, 297, 146}));
  c.fixed = {30, 40};
  EXPECT_EQ(PlaceFloatChild(c, ref), (YdRect{11, 22, 37, 56}));
  // "float" is tested before the other two.
  c.isFloat = true;
  EXPECT_EQ(PlaceFloatChild(c, ref), (YdRect{111, 72, 137, 106}));
}

TEST(MeasureContent, SumsAlongAndMaximisesAcross) {
  YdContainerBox box = Box(0, 0, 4);
  box.inset = {1, 2, 3, 4};
  std::vector<YdLayoutChild> kids{Fixed(10, 30, {2, 0, 0, 5}), Fixed(20, 10)};
  // Horizontal: 12 + 20 + 4 + insets 4 = 40 wide; tallest 35 + 6 = 41.
  EXPECT_EQ(MeasureContent(YdLayoutKind::kHorizontal, box, kids, 500, 500), (YdSize{40, 41}));
  // Vertical: widest 20 + 4 = 24; 35 + 10 + 4 + 6 = 55 high.
  EXPECT_EQ(MeasureContent(YdLayoutKind::kVertical, box, kids, 500, 500), (YdSize{24, 55}));
  // A stretch child raises the result to the available space less insets.
  kids.push_back(Fixed(0, 0));
  EXPECT_EQ(MeasureContent(YdLayoutKind::kHorizontal, box, kids, 500, 500).cx, 496);
  EXPECT_EQ(MeasureContent(YdLayoutKind::kVertical, box, kids, 500, 500).cy, 494);
  // Shown bars: the vertical bar's width is added to the width.
  box.vbar = {true, true, 40, 0, 8, 16, true};
  kids.pop_back();
  EXPECT_EQ(MeasureContent(YdLayoutKind::kVertical, box, kids, 500, 500).cx, 24 + 16);
  // Overlay answers the base size.
  EXPECT_EQ(MeasureContent(YdLayoutKind::kOverlay, box, kids, 500, 500, {7, 9}), (YdSize{7, 9}));
}

TEST(MeasureContent, NestedContainerMeasuresThroughItsChildren) {
  // A horizontal row with automatic minimum height inside a vertical layout:
  // the row's height comes from its tallest child.
  YdContainerBox rowBox;
  std::vector<YdLayoutChild> rowKids{Fixed(10, 22), Fixed(10, 31)};
  YdLayoutChild row;
  row.measure = [&](int aw, int ah) {
    return YdSize{0, MeasureContent(YdLayoutKind::kHorizontal, rowBox, rowKids, aw, ah).cy};
  };
  std::vector<YdLayoutChild> kids{row, Fixed(0, 0)};
  YdLayoutOutcome out = LayoutVertical(Box(100, 100), kids);
  EXPECT_EQ(*out.rects[0], (YdRect{0, 0, 100, 31}));
  EXPECT_EQ(*out.rects[1], (YdRect{0, 31, 100, 100}));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(EditChildren, LeftRunThenRightRunFromTheRightEdge) {
  const YdRect content{10, 5, 210, 35};  // 200 x 30
  YdLayoutChild icon = Fixed(16, 16, {2, 3, 4, 0});
  YdLayoutChild fill = Fixed(20, 0, {0, 0, 0, 6});     // height 0: content height less bottom padding
  YdLayoutChild clear = Fixed(18, 18, {1, 0, 5, 0});
  clear.align = kChildAlignRight;                       // the right run starts here
  YdLayoutChild hidden = Fixed(30, 30);
  hidden.visible = false;
  YdLayoutChild arrow = Fixed(12, 0, {0, 0, 3, 0});
  const auto rects = LayoutEditChildren(content, {icon, fill, clear, hidden, arrow});
  ASSERT_EQ(rects.size(), 5u);
  EXPECT_EQ(*rects[0], (YdRect{12, 8, 28, 24}));   // after left 2 / top 3 padding
  EXPECT_EQ(*rects[1], (YdRect{32, 5, 52, 29}));   // x continues after the right padding 4
  EXPECT_FALSE(rects[3].has_value());
  // Right run from the last child back: arrow at the right edge less its
  // right padding 3, then the clear button before it.
  EXPECT_EQ(*rects[4], (YdRect{195, 5, 207, 35}));
  EXPECT_EQ(*rects[2], (YdRect{172, 5, 190, 23}));
}

TEST(EditChildren, WidthZeroFillsAndFloatsKeepTheirPlacement) {
  const YdRect content{0, 0, 100, 20};
  YdLayoutChild wide = Fixed(0, 10, {0, 0, 7, 0});
  YdLayoutChild floating = Fixed(10, 10);
  floating.isFloat = true;
  floating.fixedXY = {50, 5};
  const auto rects = LayoutEditChildren(content, {wide, floating});
  EXPECT_EQ(*rects[0], (YdRect{0, 0, 93, 10}));
  EXPECT_EQ(*rects[1], (YdRect{50, 5, 60, 15}));
  EXPECT_TRUE(LayoutEditChildren(content, {}).empty());
}

TEST(LinearLayouts, HugeSizesAndPaddingsSaturateInsteadOfOverflowing) {
  const int big = 2147483647;
  // Two children of the largest width, the first with the largest paddings:
  // the second still starts after the first, and the needed size saturates.
  std::vector<YdLayoutChild> kids{Fixed(big, 10, {big, 0, big, 0}), Fixed(big, 10), Fixed(0, 0)};
  YdContainerBox box = Box(500, 280, big);
  box.inset = {big, 0, -big - 1, 0};
  const YdLayoutOutcome across = LayoutHorizontal(box, kids);
  ASSERT_TRUE(across.rects[0] && across.rects[1] && across.rects[2]);
  EXPECT_LE(across.rects[0]->left, across.rects[0]->right);
  EXPECT_LE(across.rects[0]->right, across.rects[1]->left);
  EXPECT_GE(across.rects[2]->Width(), 0);
  EXPECT_EQ(across.needed.cx, kLayoutExtentLimit);
  const YdLayoutOutcome down = LayoutVertical(Box(500, 280, big),
                                              {Fixed(10, big, {0, big, 0, big}), Fixed(10, big), Fixed(0, 0)});
  ASSERT_TRUE(down.rects[0] && down.rects[1]);
  EXPECT_LE(down.rects[0]->bottom, down.rects[1]->top);
  EXPECT_EQ(down.needed.cy, kLayoutExtentLimit);
  EXPECT_EQ(MeasureContent(YdLayoutKind::kHorizontal, Box(10, 10, big), kids, big, big, {}).cx, kLayoutExtentLimit);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
