// menu_navigation_test.cpp -- hot-entry stepping over visible, enabled
// entries (wrapping for menus, holding at the ends for the drop box, page
// steps), accelerator letters with "&" and repeated matches, and the
// scroll that shows the hot entry.
#include <gtest/gtest.h>

#include "ui/controls/popup/menu_navigation.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// 0 usable, 1 disabled, 2 usable, 3 hidden, 4 usable, 5 spacer
std::vector<YdNavEntry> Mixed() {
  return {{true, true, true}, {true, false, true}, {true, true, true},
          {false, true, true}, {true, true, true}, {true, true, false}};
}

TEST(MenuNavigation, StepsSkipDisabledHiddenAndUnselectableEntries) {
  const auto e = Mixed();
  const YdNavOptions wrap{true, 1};
  const YdNavOptions hold{false, 1};
  EXPECT_EQ(NextHotEntry(e, 0, YdNavKey::kNext, wrap), 2);
  EXPECT_EQ(NextHotEntry(e, 2, YdNavKey::kNext, wrap), 4);
  EXPECT_EQ(NextHotEntry(e, 4, YdNavKey::kNext, wrap), 0);   // wraps past the spacer
  EXPECT_EQ(NextHotEntry(e, 4, YdNavKey::kNext, hold), 4);   // holds at the end
  EXPECT_EQ(NextHotEntry(e, 0, YdNavKey::kPrevious, wrap), 4);
  EXPECT_EQ(NextHotEntry(e, 0, YdNavKey::kPrevious, hold), 0);
  EXPECT_EQ(NextHotEntry(e, 4, YdNavKey::kPrevious, wrap), 2);
  EXPECT_EQ(NextHotEntry(e, 2, YdNavKey::kFirst, wrap), 0);
  EXPECT_EQ(NextHotEntry(e, 0, YdNavKey::kLast, wrap), 4);
  // Nothing hot yet: Down reaches the first, Up the last.
  EXPECT_EQ(NextHotEntry(e, -1, YdNavKey::kNext, wrap), 0);
  EXPECT_EQ(NextHotEntry(e, -1, YdNavKey::kPrevious, wrap), 4);
  EXPECT_EQ(NextHotEntry(e, 99, YdNavKey::kNext, hold), 0);
  // A hot entry that became disabled still steps from its place.
  EXPECT_EQ(NextHotEntry(e, 1, YdNavKey::kNext, hold), 2);
  EXPECT_EQ(NextHotEntry(e, 1, YdNavKey::kPrevious, hold), 0);
  EXPECT_EQ(NextHotEntry(e, 5, YdNavKey::kNext, hold), 4);  // nothing after: the last usable
}

TEST(MenuNavigation, NoUsableEntryGivesMinusOne) {
  const std::vector<YdNavEntry> none{{true, false, true}, {false, true, true}, {true, true, false}};
  for (YdNavKey key : {YdNavKey::kNext, YdNavKey::kPrevious, YdNavKey::kFirst, YdNavKey::kLast,
                       YdNavKey::kPageNext, YdNavKey::kPagePrevious}) {
    EXPECT_EQ(NextHotEntry(none, 0, key, {true, 3}), -1);
    EXPECT_EQ(NextHotEntry({}, -1, key, {false, 3}), -1);
  }
  const std::vector<YdNavEntry> one{{true, true, true}};
  EXPECT_EQ(NextHotEntry(one, 0, YdNavKey::kNext, {true, 1}), 0);
  EXPECT_EQ(NextHotEntry(one, 0, YdNavKey::kPrevious, {true, 1}), 0);
}

TEST(MenuNavigation, PageStepsMoveByAPageAndStopAtTheEnds) {
  std::vector<YdNavEntry> e(10);
  e[5].enabled = false;
  const YdNavOptions page{false, 4};
  EXPECT_EQ(NextHotEntry(e, 0, YdNavKey::kPageNext, page), 4);
  EXPECT_EQ(NextHotEntry(e, 1, YdNavKey::kPageNext, page), 4);  // 5 is disabled: the one before
  EXPECT_EQ(NextHotEntry(e, 4, YdNavKey::kPageNext, page), 8);
  EXPECT_EQ(NextHotEntry(e, 8, YdNavKey::kPageNext, page), 9);
  EXPECT_EQ(NextHotEntry(e, 9, YdNavKey::kPageNext, page), 9);
  EXPECT_EQ(NextHotEntry(e, 9, YdNavKey::kPagePrevious, page), 6);  // 5 disabled: the one after
  EXPECT_EQ(NextHotEntry(e, 3, YdNavKey::kPagePrevious, page), 0);
  EXPECT_EQ(NextHotEntry(e, 0, YdNavKey::kPagePrevious, page), 0);
  // Disabled entries all the way to the page target: still one step on.
  std::vector<YdNavEntry> gap(8);
  for (int i = 1; i < 7; ++i) gap[static_cast<size_t>(i)].enabled = false;
  EXPECT_EQ(NextHotEntry(gap, 0, YdNavKey::kPageNext, {false, 3}), 7);
  EXPECT_EQ(NextHotEntry(gap, 7, YdNavKey::kPagePrevious, {false, 3}), 0);
  // A page of 0 counts as 1.
  EXPECT_EQ(NextHotEntry(e, 0, YdNavKey::kPageNext, {false, 0}), 1);
}

TEST(MenuNavigation, AcceleratorIsTheAmpersandLetterOrTheFirstLetter) {
  EXPECT_EQ(AcceleratorOf(L"Open"), L'o');
  EXPECT_EQ(AcceleratorOf(L"Save &As"), L'a');
  EXPECT_EQ(AcceleratorOf(L"  quit"), L'q');
  EXPECT_EQ(AcceleratorOf(L"Fish && &Chips"), L'c');
  EXPECT_EQ(AcceleratorOf(L"&&Co"), L'c');   // literal ampersand, then the first letter
  EXPECT_EQ(AcceleratorOf(L"Tail&"), L't');  // a trailing "&" marks nothing
  EXPECT_EQ(AcceleratorOf(L""), 0);
  EXPECT_EQ(AcceleratorOf(L"   "), 0);
}

TEST(MenuNavigation, AcceleratorMatchesCycleAndAUniqueOneIsChosen) {
  std::vector<YdNavEntry> e(5);
  e[3].enabled = false;
  const std::vector<std::wstring> texts{L"Open", L"Options", L"&Print", L"Over", L"Save"};
  YdAccelMatch m = MatchAccelerator(e, texts, -1, L'O');
  EXPECT_EQ(m.index, 0);
  EXPECT_FALSE(m.unique);
  m = MatchAccelerator(e, texts, 0, L'o');
  EXPECT_EQ(m.index, 1);
  m = MatchAccelerator(e, texts, 1, L'o');  // "Over" is disabled: back to the first
  EXPECT_EQ(m.index, 0);
  m = MatchAccelerator(e, texts, 0, L'p');
  EXPECT_EQ(m.index, 2);
  EXPECT_TRUE(m.unique);
  m = MatchAccelerator(e, texts, 4, L's');  // the hot entry itself matches last
  EXPECT_EQ(m.index, 4);
  EXPECT_TRUE(m.unique);
  m = MatchAccelerator(e, texts, 0, L'z');
  EXPECT_EQ(m.index, -1);
  EXPECT_FALSE(m.unique);
  EXPECT_EQ(MatchAccelerator(e, {}, 0, L'o').index, -1);
}

TEST(MenuNavigation, ScrollingBringsTheEntryIntoViewByTheLeastMove) {
  // View 0..50.
  EXPECT_EQ(ScrollToShow(0, 10, 30, 0, 50), 0);    // inside: stays
  EXPECT_EQ(ScrollToShow(0, 40, 60, 0, 50), 10);   // below: its bottom at the view's bottom
  EXPECT_EQ(ScrollToShow(10, -10, 10, 0, 50), 0);  // above: its top at the view's top
  EXPECT_EQ(ScrollToShow(30, -20, 0, 0, 50), 10);
  EXPECT_EQ(ScrollToShow(0, 60, 140, 0, 50), 60);  // taller than the view: its top
  EXPECT_EQ(ScrollToShow(5, -30, -10, 0, 50), 0);  // never below 0
  // A view that does not start at 0 (an inset).
  EXPECT_EQ(ScrollToShow(0, 45, 65, 5, 55), 10);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
