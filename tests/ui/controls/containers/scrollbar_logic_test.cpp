// Scroll bar geometry: buttons and thumb for a range and position, hidden
// buttons, a bar too short for a thumb, the horizontal mirror, thumb drag
// arithmetic and the repeat delay.
#include <gtest/gtest.h>

#include "ui/controls/containers/scrollbar_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

YdScrollbarInput Vertical(int height, int range, int position) {
  YdScrollbarInput in;
  in.position = {0, 0, 16, height};
  in.range = range;
  in.barPosition = position;
  return in;
}

TEST(ScrollbarParts, ThumbSizeAndPositionFollowRangeAndPosition) {
  // Length 200, track 168: thumb 200 * 168 / 300 = 112 long.
  YdScrollbarParts p = LayoutScrollbarParts(Vertical(200, 100, 0));
  EXPECT_EQ(p.button1, (YdRect{0, 0, 16, 16}));
  EXPECT_EQ(p.button2, (YdRect{0, 184, 16, 200}));
  EXPECT_EQ(p.thumb, (YdRect{0, 16, 16, 128}));
  EXPECT_EQ(LayoutScrollbarParts(Vertical(200, 100, 50)).thumb, (YdRect{0, 44, 16, 156}));
  EXPECT_EQ(LayoutScrollbarParts(Vertical(200, 100, 100)).thumb, (YdRect{0, 72, 16, 184}));
  // A huge range keeps the thumb at least as long as the bar is thick.
  EXPECT_EQ(LayoutScrollbarParts(Vertical(200, 2000000000, 1000000000)).thumb.Height(), 16);
  // Range 0: the thumb fills the track.
  EXPECT_EQ(LayoutScrollbarParts(Vertical(200, 0, 0)).thumb, (YdRect{0, 16, 16, 184}));
}

TEST(ScrollbarParts, HiddenButtonsInsetAndShortBars) {
  YdScrollbarInput in = Vertical(200, 100, 100);
  in.showButton1 = false;
  YdScrollbarParts p = LayoutScrollbarParts(in);
  EXPECT_TRUE(p.button1.IsEmpty());
  // Track 184: thumb 200 * 184 / 300 = 122, ending at button 2.
  EXPECT_EQ(p.thumb, (YdRect{0, 62, 16, 184}));

  in = Vertical(200, 100, 0);
  in.inset = {2, 4, 2, 4};
  p = LayoutScrollbarParts(in);
  EXPECT_EQ(p.button1, (YdRect{2, 4, 14, 20}));
  EXPECT_EQ(p.button2, (YdRect{2, 180, 14, 196}));

  // 30 long: no room for a thumb; each button gets half.
  p = LayoutScrollbarParts(Vertical(30, 100, 0));
  EXPECT_EQ(p.button1, (YdRect{0, 0, 16, 15}));
  EXPECT_EQ(p.button2, (YdRect{0, 15, 16, 30}));
  EXPECT_TRUE(p.thumb.IsEmpty());
}

TEST(ScrollbarParts, HorizontalBarMirrorsTheVerticalOne) {
  YdScrollbarInput in;
  in.horizontal = true;
  in.position = {10, 100, 210, 116};
  YdScrollbarParts p = LayoutScrollbarParts(in);
  EXPECT_EQ(p.button1, (YdRect{10, 100, 26, 116}));
  EXPECT_EQ(p.button2, (YdRect{194, 100, 210, 116}));
  EXPECT_EQ(p.thumb, (YdRect{26, 100, 138, 116}));
  // Free track 200 - 112 - 32 = 56: 28 pixels are half the range.
  EXPECT_EQ(ThumbDragOffset(28, 100, in, p), 50);
  EXPECT_EQ(ThumbDragOffset(-56, 100, in, p), -100);
}

TEST(ScrollbarParts, DragWithoutFreeTrackAndRepeatDelay) {
  YdScrollbarInput in = Vertical(30, 100, 0);
  YdScrollbarParts p = LayoutScrollbarParts(in);
  EXPECT_EQ(ThumbDragOffset(10, 100, in, p), std::nullopt);
  in = Vertical(200, 0, 0);
  p = LayoutScrollbarParts(in);  // the thumb fills the track
  EXPECT_EQ(ThumbDragOffset(10, 0, in, p), std::nullopt);
  EXPECT_FALSE(RepeatsOnTick(5));
  EXPECT_TRUE(RepeatsOnTick(6));
}

TEST(ScrollbarParts, PressesLandOnButtonsThumbOrTrack) {
  using H = YdScrollbarHit;
  YdScrollbarInput in = Vertical(200, 100, 50);
  const YdScrollbarParts p = LayoutScrollbarParts(in);  // thumb 44..156
  EXPECT_EQ(ScrollbarHitPart(in, p, {8, 3}), H::kButton1);
  EXPECT_EQ(ScrollbarHitPart(in, p, {8, 199}), H::kButton2);
  EXPECT_EQ(ScrollbarHitPart(in, p, {8, 44}), H::kThumb);
  EXPECT_EQ(ScrollbarHitPart(in, p, {8, 43}), H::kTrackBefore);
  EXPECT_EQ(ScrollbarHitPart(in, p, {8, 156}), H::kTrackAfter);
  EXPECT_EQ(ScrollbarHitPart(in, p, {16, 100}), H::kNone);
  YdScrollbarInput h;
  h.horizontal = true;
  h.position = {10, 100, 210, 116};
  const YdScrollbarParts hp = LayoutScrollbarParts(h);  // thumb 26..138
  EXPECT_EQ(ScrollbarHitPart(h, hp, {150, 108}), H::kTrackAfter);
  EXPECT_EQ(ScrollbarHitPart(h, hp, {30, 108}), H::kThumb);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
