// combo_box_test.cpp -- the drop box window applying its plan for real:
// spacers and the "more" row made for the box and gone with it, paging by
// "more", keys and wheel, the grid of columns, opening upwards ("direct"
// and when the combo sits at the bottom of the screen), the rounded region
// and the layered window.
#include "common/scoped_gdi.h"
#include "tests/ui/controls/popup/skin_window_fixture.h"
#include "ui/controls/popup/combo.h"
#include "ui/controls/popup/combo_parts.h"
#include "ui/controls/popup/combo_wnd.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

YdRect Pos(const YdControl* c) {
  const RECT r = c->GetPosition();
  return {r.left, r.top, r.right, r.bottom};
}

const wchar_t kPagedSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page">
    <Combo name="pick" height="24" width="120" dropboxsize="0,64" defaultelementheight="20"
           spaceheight="2" space="name=&quot;gap&quot;" more="More" dropboxroundcorner="8,8">
      <ComboElement name="e0" text="Zero" />
      <ComboElement name="e1" text="One" />
      <ComboElement name="e2" text="Two" />
      <ComboElement name="e3" text="Three" />
      <ComboElement name="e4" text="Four" />
      <ComboElement name="e5" text="Five" />
    </Combo>
    <Combo name="grid" height="24" width="120" dropboxsize="0,0" dropboxcolumn="2" defaultelementheight="20"
           direct="up" dropboxspace="0,0,0,4" dropboxlayeredwindow="true">
      <ComboElement name="g0" text="a" />
      <ComboElement name="g1" text="b" />
      <ComboElement name="g2" text="c" />
    </Combo>
  </VerticalLayout>
</Window>)";

class ComboBoxTest : public PopupSkinTest {
 protected:
  void SetUp() override {
    ASSERT_NE(Build(kPagedSkin), nullptr);
    paged_ = Named<YdCombo>(L"pick", kKindCombo);
    grid_ = Named<YdCombo>(L"grid", kKindCombo);
    ASSERT_TRUE(paged_ && grid_);
    for (int i = 0; i < 6; ++i) entries_.push_back(paged_->ChildAt(i));
  }
  void TearDown() override {
    if (paged_ != nullptr) paged_->CloseDropBox();
    if (grid_ != nullptr) grid_->CloseDropBox();
    PopupSkinTest::TearDown();
  }
  // The combo's drop box object, its window painted once.
  YdComboWnd* OpenBox(YdCombo* combo) {
    if (!combo->OpenDropBox()) return nullptr;
    PaintNow(combo->GetDropBoxWindow());
    return combo->GetDropBox();
  }
  YdCombo* paged_ = nullptr;
  YdCombo* grid_ = nullptr;
  std::vector<YdControl*> entries_;
};

TEST_F(ComboBoxTest, SpacersAndTheMoreRowPageThroughTheEntries) {
  YdComboWnd* box = OpenBox(paged_);
  ASSERT_NE(box, nullptr);
  RECT screen{};
  ::GetWindowRect(paged_->GetDropBoxWindow(), &screen);
  EXPECT_EQ(screen.bottom - screen.top, 64);
  // Two entries, a spacer strip of 2 between them, and "More" in the last
  // 20 pixels; the rest are not shown.
  EXPECT_EQ(Pos(entries_[0]), (YdRect{0, 0, 120, 20}));
  EXPECT_EQ(Pos(entries_[1]), (YdRect{0, 22, 120, 42}));
  EXPECT_TRUE(Pos(entries_[2]).IsEmpty());
  ASSERT_EQ(box->GetSpacers().size(), 1u);
  YdControl* spacer = box->GetSpacers()[0];
  EXPECT_NE(spacer->QueryKind(kKindComboSpace), nullptr);
  EXPECT_EQ(Pos(spacer), (YdRect{0, 20, 120, 22}));
  EXPECT_EQ(spacer->GetName(), L"gap");  // the "space" attribute list
  YdControl* more = box->GetMoreButton();
  ASSERT_NE(more, nullptr);
  EXPECT_EQ(more->GetText(), L"More");
  EXPECT_EQ(Pos(more), (YdRect{0, 44, 120, 64}));
  // "More" shows the next page; the box stays open.
  HWND boxWindow = paged_->GetDropBoxWindow();
  Click(boxWindow, Centre(more));
  PumpMessages();
  ASSERT_TRUE(paged_->IsDropBoxOpen());
  PaintNow(boxWindow);
  EXPECT_TRUE(Pos(entries_[1]).IsEmpty());
  EXPECT_EQ(Pos(entries_[2]), (YdRect{0, 0, 120, 20}));
  EXPECT_EQ(Pos(entries_[3]), (YdRect{0, 22, 120, 42}));
  // The wheel goes back one entry.
  ::SendMessageW(boxWindow, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Pos(entries_[1]), (YdRect{0, 0, 120, 20}));
  // End brings the last entry in; no "more" on the last page.
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(box->GetHotEntry(), 5);
  EXPECT_FALSE(Pos(entries_[5]).IsEmpty());
  EXPECT_FALSE(box->GetPlan().moreShown);
  EXPECT_TRUE(Pos(more).IsEmpty());
  // A click on a paged-in entry chooses it by its index in the combo.
  Click(boxWindow, Centre(entries_[5]));
  PumpMessages();
  EXPECT_FALSE(::IsWindow(boxWindow));
  EXPECT_EQ(paged_->GetCurSel(), 5);
  EXPECT_EQ(paged_->GetText(), L"Five");
  // Only the entries come back: spacers and "more" went with the box.
  ASSERT_EQ(paged_->ChildCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(paged_->ChildAt(i), entries_[static_cast<size_t>(i)]);
  // Opened again, the box starts at the page of the choice.
  box = OpenBox(paged_);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetHotEntry(), 5);
  EXPECT_FALSE(Pos(entries_[5]).IsEmpty());
}

TEST_F(ComboBoxTest, PageKeysMoveByTheShownEntriesAndThePointersEntryIsChosen) {
  YdComboWnd* box = OpenBox(paged_);
  ASSERT_NE(box, nullptr);
  HWND boxWindow = paged_->GetDropBoxWindow();
  EXPECT_EQ(box->GetHotEntry(), -1);  // nothing chosen yet
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(box->GetHotEntry(), 0);
  ASSERT_EQ(box->GetPlan().page, 2);
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(box->GetHotEntry(), 2);
  EXPECT_EQ(Pos(entries_[2]), (YdRect{0, 22, 120, 42}));  // the page followed, as little as it could
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(box->GetHotEntry(), 4);
  // The last page has room for three (no "more" row): a page back is 1.
  ASSERT_EQ(box->GetPlan().page, 3);
  EXPECT_FALSE(box->GetPlan().moreShown);
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(box->GetHotEntry(), 1);
  EXPECT_EQ(Pos(entries_[1]), (YdRect{0, 0, 120, 20}));
  // The pointer moves onto the entry below: Return takes that one.
  PaintNow(boxWindow);
  const POINT over = Centre(entries_[2]);
  ::SendMessageW(boxWindow, WM_MOUSEMOVE, 0, PointParam(over.x, over.y));
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_RETURN, 0);
  PumpMessages();
  EXPECT_FALSE(paged_->IsDropBoxOpen());
  EXPECT_EQ(paged_->GetCurSel(), 2);
}

TEST_F(ComboBoxTest, TheBoxWindowHasRoundedCorners) {
  ASSERT_NE(OpenBox(paged_), nullptr);
  HWND box = paged_->GetDropBoxWindow();
  ScopedRegion region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(box, region.Get()), ERROR);
  EXPECT_FALSE(::PtInRegion(region.Get(), 0, 0));  // the corner is cut
  EXPECT_TRUE(::PtInRegion(region.Get(), 60, 32));
  EXPECT_TRUE(::PtInRegion(region.Get(), 60, 0));
  // Without the key, no region.
  ASSERT_NE(OpenBox(grid_), nullptr);
  ScopedRegion none(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(::GetWindowRgn(grid_->GetDropBoxWindow(), none.Get()), ERROR);
}

TEST_F(ComboBoxTest, GridBoxOpensUpwardsAsALayeredWindow) {
  YdComboWnd* box = OpenBox(grid_);
  ASSERT_NE(box, nullptr);
  HWND boxWindow = grid_->GetDropBoxWindow();
  RECT screen{};
  ::GetWindowRect(boxWindow, &screen);
  POINT top{grid_->GetPosition().left, grid_->GetPosition().top};
  ::ClientToScreen(hwnd(), &top);
  // Two rows of 20 ending 4 pixels above the combo.
  EXPECT_EQ(screen.bottom, top.y - 4);
  EXPECT_EQ(screen.bottom - screen.top, 40);
  EXPECT_TRUE(box->GetPlan().above);
  EXPECT_EQ(grid_->ChildAt(0), nullptr);  // lent to the box
  YdControl* b = manager_->ControlByName(L"g1");
  YdControl* c = manager_->ControlByName(L"g2");
  ASSERT_TRUE(b && c);
  EXPECT_EQ(Pos(b), (YdRect{60, 0, 120, 20}));
  EXPECT_EQ(Pos(c), (YdRect{0, 20, 60, 40}));
  EXPECT_NE(::GetWindowLongPtrW(boxWindow, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_TRUE(box->GetPaintManager().IsLayered());
  // Right moves along the row like Down.
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(box->GetHotEntry(), 0);
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(box->GetHotEntry(), 1);
  ::SendMessageW(boxWindow, WM_KEYDOWN, VK_ESCAPE, 0);
  PumpMessages();
  EXPECT_FALSE(grid_->IsDropBoxOpen());
  EXPECT_EQ(grid_->GetCurSel(), -1);
}

TEST_F(ComboBoxTest, AComboAtTheBottomOfTheScreenOpensItsBoxAbove) {
  RECT work{};
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  // The window's first combo ends 10 pixels above the work area's bottom.
  POINT origin{0, 0};
  ::ClientToScreen(hwnd(), &origin);
  RECT frame{};
  ::GetWindowRect(hwnd(), &frame);
  const int comboBottom = paged_->GetPosition().bottom;
  const int y = work.bottom - 10 - comboBottom - (origin.y - frame.top);
  ASSERT_TRUE(::SetWindowPos(hwnd(), nullptr, 100, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
  ASSERT_NE(OpenBox(paged_), nullptr);
  RECT screen{};
  ::GetWindowRect(paged_->GetDropBoxWindow(), &screen);
  POINT top{paged_->GetPosition().left, paged_->GetPosition().top};
  ::ClientToScreen(hwnd(), &top);
  EXPECT_EQ(screen.bottom, top.y);
  EXPECT_EQ(screen.bottom - screen.top, 64);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
