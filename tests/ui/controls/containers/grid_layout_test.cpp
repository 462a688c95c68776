// Grid layout: cell size from the attributes or the content, row breaks
// after every "column" children, hidden and floating children, needed size.
#include <gtest/gtest.h>

#include "ui/controls/containers/grid_layout_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

YdContainerBox GridBox() {
  YdContainerBox box;
  box.position = {10, 20, 310, 220};
  return box;
}

TEST(GridLayout, SevenChildrenInThreeColumnsUseThreeRows) {
  std::vector<YdLayoutChild> kids(7);
  kids[0].fixed = {5, 5};             // own size is ignored
  kids[0].padding = {3, 3, 3, 3};     // and so is the padding
  YdGridSpec grid;
  grid.columns = 3;
  grid.cellHeight = 30;
  YdLayoutOutcome out = LayoutGrid(GridBox(), grid, kids);
  EXPECT_EQ(*out.rects[0], (YdRect{10, 20, 110, 50}));
  EXPECT_EQ(*out.rects[2], (YdRect{210, 20, 310, 50}));
  EXPECT_EQ(*out.rects[3], (YdRect{10, 50, 110, 80}));
  EXPECT_EQ(*out.rects[6], (YdRect{10, 80, 110, 110}));
  EXPECT_EQ(out.needed, (YdSize{300, 90}));
}

TEST(GridLayout, CellSizeFromContentAndHiddenOrFloatingChildren) {
  YdGridSpec grid;
  grid.columns = 2;
  grid.rows = 4;
  YdContainerBox box = GridBox();
  box.inset = {0, 0, 100, 0};
  EXPECT_EQ(GridCellSize(grid, box.position.Shrunk(box.inset)), (YdSize{100, 50}));
  grid.cellWidth = 70;
  EXPECT_EQ(GridCellSize(grid, box.position), (YdSize{70, 50}));

  std::vector<YdLayoutChild> kids(4);
  kids[1].visible = false;
  kids[2].isFloat = true;
  kids[2].fixedXY = {1, 2};
  kids[2].fixed = {3, 4};
  YdLayoutOutcome out = LayoutGrid(box, grid, kids);
  EXPECT_FALSE(out.rects[1].has_value());
  EXPECT_EQ(*out.rects[2], (YdRect{11, 22, 14, 26}));
  // The fourth child takes the second cell: hidden and floating children
  // take none.
  EXPECT_EQ(*out.rects[3], (YdRect{80, 20, 150, 70}));
  EXPECT_EQ(out.needed, (YdSize{140, 50}));
}

TEST(GridLayout, WithoutColumnsEverythingStaysInOneRow) {
  YdGridSpec grid;
  grid.cellWidth = 40;
  grid.cellHeight = 10;
  std::vector<YdLayoutChild> kids(5);
  YdLayoutOutcome out = LayoutGrid(GridBox(), grid, kids);
  EXPECT_EQ(*out.rects[4], (YdRect{170, 20, 210, 30}));
  // The row holds all five cells, so that is what the content needs.
  EXPECT_EQ(out.needed, (YdSize{200, 10}));
  EXPECT_EQ(LayoutGrid(GridBox(), grid, {}).needed, (YdSize{0, 0}));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
