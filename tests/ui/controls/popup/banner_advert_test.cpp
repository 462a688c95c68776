// banner_advert_test.cpp -- the banner's page cycle on its timer (from
// "intervaltime"), held while the pointer is over it, no runaway timer for
// a zero or negative interval, its items' notifications, and the advert
// acting as one piece for clicks and visibility.
#include "tests/ui/controls/popup/skin_window_fixture.h"
#include "ui/controls/popup/advert.h"
#include "ui/controls/popup/banner.h"
#include "ui/manager/animation_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

const wchar_t kBannerSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page">
    <Banner name="show" height="60" intervaltime="40">
      <Label name="one" text="one" />
      <Label name="two" text="two" />
      <Label name="three" text="three" />
    </Banner>
    <Advert name="ad" height="50" notify="click">
      <Label name="adtext" text="buy" />
    </Advert>
  </VerticalLayout>
</Window>)";

class BannerAdvertTest : public PopupSkinTest {
 protected:
  void SetUp() override {
    // The banner holds its cycle while the pointer rests on it: the display's
    // pointer is parked in the far corner, away from the test window, so a
    // pointer left over the window's place (the screen centre on a fresh
    // display) does not hold it.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    ASSERT_NE(Build(kBannerSkin), nullptr);
    banner_ = Named<YdBanner>(L"show", kKindBanner);
    advert_ = Named<YdAdvert>(L"ad", kKindAdvert);
    ASSERT_TRUE(banner_ && advert_);
  }
  std::vector<bool> Visible() const {
    std::vector<bool> out;
    for (int i = 0; i < banner_->ChildCount(); ++i) out.push_back(banner_->ChildAt(i)->IsVisible());
    return out;
  }
  YdBanner* banner_ = nullptr;
  YdAdvert* advert_ = nullptr;
};

TEST_F(BannerAdvertTest, BannerShowsOnePageAndStepsCyclically) {
  EXPECT_EQ(banner_->GetInterval(), 40u);
  EXPECT_TRUE(banner_->IsCycling());
  EXPECT_EQ(banner_->GetCurrentPage(), 0);
  EXPECT_EQ(Visible(), (std::vector<bool>{true, false, false}));
  banner_->ShowNext();
  EXPECT_EQ(Visible(), (std::vector<bool>{false, true, false}));
  banner_->ShowNext();
  banner_->ShowNext();  // after the last, the first
  EXPECT_EQ(banner_->GetCurrentPage(), 0);
  EXPECT_EQ(Visible(), (std::vector<bool>{true, false, false}));
  EXPECT_FALSE(banner_->ShowPage(3));
  EXPECT_EQ(banner_->GetCurrentPage(), 0);
  // The shown page is laid out over the banner's whole area.
  ASSERT_TRUE(banner_->ShowPage(2));
  PaintNow(hwnd());
  EXPECT_EQ(banner_->ChildAt(2)->GetPosition().bottom, 60);
  // A zero or unreadable interval means the default.
  banner_->ApplyAttribute(L"intervaltime", L"x");
  EXPECT_EQ(banner_->GetInterval(), kBannerDefaultIntervalMs);
}

TEST_F(BannerAdvertTest, TheTimerAdvancesThePagesOnItsOwn) {
  // Pages seen while the window's timer runs for a while.
  std::vector<int> seen{banner_->GetCurrentPage()};
  const DWORD until = ::GetTickCount() + 1000;
  while (::GetTickCount() < until && seen.size() < 4) {
    PumpFor(10);
    if (banner_->GetCurrentPage() != seen.back()) seen.push_back(banner_->GetCurrentPage());
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0}));
  // Once the banner is gone its timer no longer reaches it (no crash, and
  // the manager holds no timer for it).
  YdContainer* page = static_cast<YdContainer*>(manager_->ControlByName(L"page"));
  ASSERT_TRUE(page->RemoveChild(banner_));
  banner_ = nullptr;
  PumpFor(100);
  EXPECT_TRUE(manager_->ControlTimers().Records().empty());
}

// The pages seen while the window's timer runs for `ms`.
std::vector<int> PagesSeenFor(YdBanner* banner, DWORD ms) {
  std::vector<int> seen{banner->GetCurrentPage()};
  const DWORD until = ::GetTickCount() + ms;
  while (::GetTickCount() < until) {
    PumpFor(10);
    if (banner->GetCurrentPage() != seen.back()) seen.push_back(banner->GetCurrentPage());
  }
  return seen;
}

TEST_F(BannerAdvertTest, ThePointerOverTheBannerHoldsTheCycle) {
  EXPECT_FALSE(banner_->IsPaused());
  const POINT inside = Centre(banner_);
  ::SendMessageW(hwnd(), WM_MOUSEMOVE, 0, PointParam(inside.x, inside.y));
  EXPECT_TRUE(banner_->IsPaused());
  // Five intervals of 40 ms pass on page 0.
  EXPECT_EQ(PagesSeenFor(banner_, 200), (std::vector<int>{0}));
  EXPECT_TRUE(banner_->IsCycling());
  // Over the advert below, the banner moves on again.
  const POINT outside = Centre(advert_);
  ::SendMessageW(hwnd(), WM_MOUSEMOVE, 0, PointParam(outside.x, outside.y));
  EXPECT_FALSE(banner_->IsPaused());
  EXPECT_GT(PagesSeenFor(banner_, 300).size(), 1u);
  // The pointer leaving the window also resumes it.
  ::SendMessageW(hwnd(), WM_MOUSEMOVE, 0, PointParam(inside.x, inside.y));
  ASSERT_TRUE(banner_->IsPaused());
  ::SendMessageW(hwnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(banner_->IsPaused());
}

TEST_F(BannerAdvertTest, ZeroOrNegativeIntervalsKeepTheDefaultAndNoTimerRunsFlatOut) {
  for (const wchar_t* value : {L"0", L"-5", L"-2147483648", L""}) {
    banner_->ApplyAttribute(L"intervaltime", value);
    EXPECT_EQ(banner_->GetInterval(), kBannerDefaultIntervalMs) << std::wstring(value).size();
    EXPECT_TRUE(banner_->IsCycling());
  }
  // With the default 3 s interval nothing moves for a while.
  EXPECT_EQ(PagesSeenFor(banner_, 250), (std::vector<int>{banner_->GetCurrentPage()}));
}

TEST_F(BannerAdvertTest, BannerItemsTurnCommandCodesIntoNotifications) {
  YdBannerItem* item = banner_->AddItem(L"name=\"four\" text=\"four\"");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(banner_->ChildCount(), 4);
  EXPECT_EQ(item->GetText(), L"four");
  EXPECT_FALSE(item->IsVisible());  // joins hidden behind the shown page
  notes_.clear();  // whatever the set-up raised
  item->RaiseCommandNotify(0x2001);
  item->RaiseCommandNotify(77);
  ASSERT_EQ(notes_.size(), 2u);
  EXPECT_EQ(notes_[0].type, CommandNotifyForKind(0x2001));
  EXPECT_EQ(notes_[0].type, kNotifyMoveEnd);
  EXPECT_EQ(notes_[1].type, kNotifyCustom);
  EXPECT_EQ(notes_[1].sender, item);
  EXPECT_EQ(notes_[1].wParam, 77u);
}

TEST_F(BannerAdvertTest, AdvertIsClickedAsOnePieceAndHidesWithItsChildren) {
  YdControl* text = manager_->ControlByName(L"adtext");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->GetParent(), advert_);
  EXPECT_EQ(manager_->ControlAtPoint(Centre(text)), advert_);
  Click(hwnd(), Centre(text));
  EXPECT_EQ(advert_->GetActivationCount(), 1);
  const std::vector<Noted> clicks = listener_.Of(kNotifyClick);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].sender, advert_);
  advert_->SetVisible(false);
  EXPECT_FALSE(text->IsVisible());
  Click(hwnd(), {150, 85});
  EXPECT_EQ(advert_->GetActivationCount(), 1);
  advert_->SetVisible(true);
  EXPECT_TRUE(text->IsVisible());
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
