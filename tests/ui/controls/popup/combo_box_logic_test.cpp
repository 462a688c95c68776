// combo_box_logic_test.cpp -- the drop box rectangle (size keys, automatic
// height, gaps, centring, clamping into the work area, flipping above the
// combo), the column, grid and row arrangements with their spacer strips,
// and paging with the "more" row.
#include <gtest/gtest.h>

#include "ui/controls/popup/combo_box_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

const YdRect kWork{0, 0, 1024, 768};
const YdRect kCombo{100, 100, 220, 124};  // 120 x 24

std::vector<YdComboBoxEntry> Plain(int n) { return std::vector<YdComboBoxEntry>(static_cast<size_t>(n)); }

YdComboBoxKeys Sized(int cx, int cy) {
  YdComboBoxKeys k;
  k.size = {cx, cy};
  return k;
}

TEST(ComboBoxLayout, HeightComesFromTheSizeKeyOrTheEntries) {
  YdComboBoxKeys k = Sized(0, 0);
  k.defaultElement = {0, 20};
  k.space = {0, 2, 0, 0};
  YdComboBoxPlan p = PlanComboBox(kCombo, kWork, Plain(4), k);
  EXPECT_EQ(p.box, (YdRect{100, 126, 220, 206}));
  EXPECT_FALSE(p.above);
  EXPECT_EQ(p.cells[3], (YdRect{0, 60, 120, 80}));
  EXPECT_EQ(p.page, 4);
  EXPECT_FALSE(p.moreShown);
  // A fixed height stays; with automatic height it shrinks to the entries
  // and caps them.
  k.size = {0, 150};
  EXPECT_EQ(PlanComboBox(kCombo, kWork, Plain(4), k).box.Height(), 150);
  k.autoHeight = true;
  EXPECT_EQ(PlanComboBox(kCombo, kWork, Plain(4), k).box.Height(), 80);
  p = PlanComboBox(kCombo, kWork, Plain(10), k);
  EXPECT_EQ(p.box.Height(), 150);
  EXPECT_EQ(p.shownEnd, 7);  // the eighth would end at 160
  EXPECT_EQ(p.page, 7);
  EXPECT_TRUE(p.cells[7].IsEmpty());
  // Width from the key; entries without a height take the combo's, and the
  // inset is the box's margin.
  YdComboBoxKeys w = Sized(200, 0);
  w.inset = {2, 3, 2, 3};
  p = PlanComboBox(kCombo, kWork, Plain(2), w);
  EXPECT_EQ(p.box, (YdRect{100, 124, 300, 178}));
  EXPECT_EQ(p.cells[1], (YdRect{2, 27, 198, 51}));
  // Hidden entries take no room.
  auto e = Plain(3);
  e[1].visible = false;
  e[2].height = 30;
  p = PlanComboBox(kCombo, kWork, e, Sized(0, 0));
  EXPECT_EQ(p.box.Height(), 54);
  EXPECT_TRUE(p.cells[1].IsEmpty());
  EXPECT_EQ(p.cells[2], (YdRect{0, 24, 120, 54}));
}

TEST(ComboBoxLayout, TheBoxFlipsToTheSideWhereItFits) {
  YdComboBoxKeys k = Sized(0, 80);
  k.space = {0, 2, 0, 3};
  // Near the bottom of the work area: above, 3 pixels apart.
  const YdRect low{100, 700, 220, 724};
  YdComboBoxPlan p = PlanComboBox(low, kWork, Plain(4), k);
  EXPECT_TRUE(p.above);
  EXPECT_EQ(p.box, (YdRect{100, 617, 220, 697}));
  // "direct" prefers above; it goes there when there is room...
  k.upward = true;
  p = PlanComboBox(kCombo, kWork, Plain(4), k);
  EXPECT_TRUE(p.above);
  EXPECT_EQ(p.box.bottom, 97);
  // ...and below when there is not.
  const YdRect high{100, 40, 220, 64};
  p = PlanComboBox(high, kWork, Plain(4), k);
  EXPECT_FALSE(p.above);
  EXPECT_EQ(p.box.top, 66);
  // Fits on neither side: the roomier one, shortened to the room.
  k.upward = false;
  k.size = {0, 500};
  const YdRect small{0, 0, 1024, 400};
  const YdRect mid{100, 250, 220, 274};
  p = PlanComboBox(mid, small, Plain(30), k);
  EXPECT_TRUE(p.above);
  EXPECT_EQ(p.box, (YdRect{100, 0, 220, 247}));
  EXPECT_EQ(p.page, 10);  // ten entries of 24 in 247
  const YdRect upper{100, 120, 220, 144};
  p = PlanComboBox(upper, small, Plain(30), k);
  EXPECT_FALSE(p.above);
  EXPECT_EQ(p.box, (YdRect{100, 146, 220, 400}));
}

TEST(ComboBoxLayout, HorizontalPlacementCentresAndStaysInTheWorkArea) {
  YdComboBoxKeys k = Sized(200, 40);
  k.autoCenter = true;
  EXPECT_EQ(PlanComboBox(kCombo, kWork, Plain(1), k).box.left, 60);
  const YdRect leftEdge{0, 100, 120, 124};
  EXPECT_EQ(PlanComboBox(leftEdge, kWork, Plain(1), k).box.left, 0);
  k.autoCenter = false;
  k.space = {15, 0, 0, 0};
  EXPECT_EQ(PlanComboBox(kCombo, kWork, Plain(1), k).box.left, 115);
  const YdRect rightEdge{900, 100, 1020, 124};
  EXPECT_EQ(PlanComboBox(rightEdge, kWork, Plain(1), k).box, (YdRect{824, 124, 1024, 164}));
  // Wider than the work area: as wide as it.
  k.size = {5000, 40};
  EXPECT_EQ(PlanComboBox(kCombo, kWork, Plain(1), k).box, (YdRect{0, 124, 1024, 164}));
}

TEST(ComboBoxLayout, ColumnsMakeAGridWithSpacerStrips) {
  YdComboBoxKeys k = Sized(0, 0);
  k.columns = 3;
  k.defaultElement = {0, 20};
  YdComboBoxPlan p = PlanComboBox(kCombo, kWork, Plain(7), k);
  EXPECT_EQ(p.box.Height(), 60);  // three rows
  EXPECT_EQ(p.cells[0], (YdRect{0, 0, 40, 20}));
  EXPECT_EQ(p.cells[4], (YdRect{40, 20, 80, 40}));
  EXPECT_EQ(p.cells[6], (YdRect{0, 40, 40, 60}));
  EXPECT_TRUE(p.spacers.empty());
  k.spacerWidth = 6;
  k.spacerHeight = 4;
  p = PlanComboBox(kCombo, kWork, Plain(7), k);
  EXPECT_EQ(p.box.Height(), 68);
  EXPECT_EQ(p.cells[1], (YdRect{42, 0, 78, 20}));
  EXPECT_EQ(p.cells[5], (YdRect{84, 24, 120, 44}));
  ASSERT_EQ(p.spacers.size(), 2u);
  EXPECT_EQ(p.spacers[0], (YdRect{0, 20, 120, 24}));
  EXPECT_EQ(p.spacers[1], (YdRect{0, 44, 120, 48}));
  // A wide entry is cut to its cell; a taller one makes its row taller.
  auto e = Plain(4);
  e[0].width = 500;
  e[1].height = 35;
  k.spacerWidth = 0;
  k.spacerHeight = 0;
  k.columns = 2;
  p = PlanComboBox(kCombo, kWork, e, k);
  EXPECT_EQ(p.cells[0], (YdRect{0, 0, 60, 20}));
  EXPECT_EQ(p.cells[2].top, 35);
  EXPECT_EQ(p.box.Height(), 55);
}

TEST(ComboBoxLayout, HorizontalLayoutIsOneRow) {
  YdComboBoxKeys k = Sized(0, 0);
  k.horizontal = true;
  k.defaultElement = {30, 0};
  auto e = Plain(3);
  e[0].width = 50;
  e[2].width = 40;
  YdComboBoxPlan p = PlanComboBox(kCombo, kWork, e, k);
  EXPECT_EQ(p.box, (YdRect{100, 124, 220, 148}));
  EXPECT_EQ(p.cells[1], (YdRect{50, 0, 80, 24}));
  EXPECT_EQ(p.cells[2], (YdRect{80, 0, 120, 24}));
  k.spacerWidth = 5;
  p = PlanComboBox(kCombo, kWork, e, k);
  EXPECT_EQ(p.box.Width(), 130);
  ASSERT_EQ(p.spacers.size(), 2u);
  EXPECT_EQ(p.spacers[1], (YdRect{85, 0, 90, 24}));
  EXPECT_EQ(p.cells[2], (YdRect{90, 0, 130, 24}));
  // A narrower box pages: what does not fit is not shown.
  k.size = {100, 0};
  p = PlanComboBox(kCombo, kWork, e, k);
  EXPECT_EQ(p.shownEnd, 2);
  EXPECT_TRUE(p.cells[2].IsEmpty());
}

TEST(ComboBoxLayout, LeftOverEntriesGiveTheMoreRowAndPagesMoveThrough) {
  YdComboBoxKeys k = Sized(0, 100);
  k.defaultElement = {0, 20};
  YdComboBoxPlan p = PlanComboBox(kCombo, kWork, Plain(10), k);
  EXPECT_EQ(p.page, 5);
  EXPECT_FALSE(p.moreShown);  // no "more" key: the rest is only cut off
  k.hasMore = true;
  p = PlanComboBox(kCombo, kWork, Plain(10), k);
  EXPECT_TRUE(p.moreShown);
  EXPECT_EQ(p.more, (YdRect{0, 80, 120, 100}));
  EXPECT_EQ(p.shownEnd, 4);
  EXPECT_EQ(p.page, 4);
  k.first = 4;
  p = PlanComboBox(kCombo, kWork, Plain(10), k);
  EXPECT_EQ(p.shownFirst, 4);
  EXPECT_TRUE(p.cells[3].IsEmpty());
  EXPECT_EQ(p.cells[4], (YdRect{0, 0, 120, 20}));
  EXPECT_TRUE(p.moreShown);
  k.first = 8;  // the last two fit: no "more"
  p = PlanComboBox(kCombo, kWork, Plain(10), k);
  EXPECT_FALSE(p.moreShown);
  EXPECT_EQ(p.shownEnd, 10);
  EXPECT_EQ(p.box.Height(), 100);  // the box keeps its size while paging
  // The first entry to show so that an entry is shown.
  k.first = 0;
  EXPECT_EQ(ComboBoxFirstShowing(kCombo, kWork, Plain(10), k, 7), 4);
  EXPECT_EQ(ComboBoxFirstShowing(kCombo, kWork, Plain(10), k, 2), 0);
  k.first = 5;
  EXPECT_EQ(ComboBoxFirstShowing(kCombo, kWork, Plain(10), k, 2), 2);
  EXPECT_EQ(ComboBoxFirstShowing(kCombo, kWork, Plain(10), k, 42), 5);
  k.hasMore = false;
  k.first = 0;
  EXPECT_EQ(ComboBoxFirstShowing(kCombo, kWork, Plain(10), k, 7), 3);
  // In a row the "more" cell is at the end, at most half the box wide.
  YdComboBoxKeys row = Sized(100, 0);
  row.horizontal = true;
  row.hasMore = true;
  row.defaultElement = {30, 0};
  p = PlanComboBox(kCombo, kWork, Plain(5), row);
  EXPECT_TRUE(p.moreShown);
  EXPECT_EQ(p.more, (YdRect{70, 0, 100, 24}));
  EXPECT_EQ(p.shownEnd, 2);
  row.defaultElement = {0, 0};  // entries as wide as the combo (120): "more" gets half
  p = PlanComboBox(kCombo, kWork, Plain(5), row);
  EXPECT_EQ(p.more, (YdRect{50, 0, 100, 24}));
  EXPECT_EQ(p.shownEnd, 1);  // the first entry is always shown
  // No entries at all: a box of at least one pixel, nothing shown.
  p = PlanComboBox(kCombo, kWork, {}, Sized(0, 0));
  EXPECT_GE(p.box.Height(), 1);
  EXPECT_TRUE(p.cells.empty());
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
