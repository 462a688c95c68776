// button_test.cpp -- buttons in a real window: kind codes of the family,
// the hand cursor, state images by state, the pushed look kept while the
// pressed pointer wanders, the split part with its images and the extend
// text.
#include "tests/ui/controls/basic/controls_fixture.h"
#include "ui/controls/basic/button.h"
#include "ui/controls/basic/circle_progress.h"
#include "ui/controls/basic/option.h"
#include "ui/controls/basic/progress.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

using Pair = std::pair<YdControl*, WPARAM>;

TEST(BasicControlKinds, KindCodesAndQueryKindAnswers) {
  YdLabel label;
  YdButton button;
  YdOption option;
  YdProgress progress;
  YdCircleProgress circle;
  EXPECT_EQ(label.GetKind(), 6);
  EXPECT_EQ(button.GetKind(), 5);
  EXPECT_EQ(option.GetKind(), 9);
  EXPECT_EQ(progress.GetKind(), 7);
  EXPECT_EQ(circle.GetKind(), 1);
  auto answers = [](YdControl& c) {
    std::vector<int> kinds;
    for (int k = 0; k <= 12; ++k) {
      if (c.QueryKind(k) == &c) kinds.push_back(k);
    }
    return kinds;
  };
  const bool labelIsContainer = label.QueryKind(4) == &label;
  const std::vector<int> container = labelIsContainer ? std::vector<int>{4} : std::vector<int>{};
  auto with = [&container](std::vector<int> k) {
    k.insert(k.end(), container.begin(), container.end());
    std::sort(k.begin(), k.end());
    return k;
  };
  EXPECT_EQ(answers(label), with({1, 6}));
  EXPECT_EQ(answers(button), with({1, 5, 6}));
  EXPECT_EQ(answers(option), with({1, 5, 6, 9}));
  EXPECT_EQ(answers(progress), (std::vector<int>{1, 7}));
  EXPECT_EQ(answers(circle), (std::vector<int>{1}));
}

class ButtonTest : public ControlsTest {
 protected:
  static void SetUpTestSuite() {
    AddFileImage(L"btn_normal", MakeSolidImage(8, 8, 0xFFFF0000u, false));
    AddFileImage(L"btn_hot", MakeSolidImage(8, 8, 0xFF00FF00u, false));
    AddFileImage(L"btn_pushed", MakeSolidImage(8, 8, 0xFF0000FFu, false));
    AddFileImage(L"btn_disabled", MakeSolidImage(8, 8, 0xFF404040u, false));
    AddFileImage(L"split_normal", MakeSolidImage(8, 8, 0xFFFFFF00u, false));
    AddFileImage(L"split_hot", MakeSolidImage(8, 8, 0xFF00FFFFu, false));
    AddFileImage(L"split_pushed", MakeSolidImage(8, 8, 0xFFFF00FFu, false));
    AddFileImage(L"split_disabled", MakeSolidImage(8, 8, 0xFF202020u, false));
  }
  void Build() {
    b_ = Placed(new YdButton, {10, 10, 110, 40}, 1);
    AttachTree({b_});
    manager_->GetRoot()->ApplyAttribute(L"normalbkcolor", L"#FF808080");
    b_->ApplyAttributeString(
        L"notify=\"click\" normalimage=\"btn_normal\" hotimage=\"btn_hot\" pushedimage=\"btn_pushed\" "
        L"disabledimage=\"btn_disabled\"");
    Layout();
  }
  YdButton* b_ = nullptr;
};

TEST_F(ButtonTest, HandCursor) {
  Build();
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  YdEvent e;
  e.type = kEventSetCursor;
  e.point = {20, 20};
  b_->HandleEvent(e);
  EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(ButtonTest, StateImagesAndClick) {
  Build();
  EXPECT_EQ(Pixel(50, 25), 0xFF0000u);
  Send(WM_MOUSEMOVE, 0, PointParam(50, 25));
  EXPECT_EQ(Pixel(50, 25), 0x00FF00u);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(50, 25));
  EXPECT_EQ(Pixel(50, 25), 0x0000FFu);
  Send(WM_LBUTTONUP, 0, PointParam(50, 25));
  EXPECT_EQ(NotesOf(kNotifyClick), (std::vector<Pair>{{b_, 0}}));
  EXPECT_EQ(Pixel(50, 25), 0x00FF00u);
  b_->SetEnabled(false);
  EXPECT_EQ(Pixel(50, 25), 0x404040u);
  EXPECT_EQ(Pixel(5, 5), 0x808080u);  // outside the button
}

TEST_F(ButtonTest, PressedButtonKeepsItsLookOutsideAndReleasingThereIsNoClick) {
  Build();
  Send(WM_MOUSEMOVE, 0, PointParam(50, 25));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(50, 25));
  Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(200, 150));
  EXPECT_NE(b_->GetStateBits() & kStatePushed, 0);
  EXPECT_EQ(Pixel(50, 25), 0x0000FFu);
  Send(WM_LBUTTONUP, 0, PointParam(200, 150));
  EXPECT_TRUE(NotesOf(kNotifyClick).empty());
  EXPECT_EQ(b_->GetStateBits() & kStatePushed, 0);
}

TEST_F(ButtonTest, SplitPartTracksThePointerAndPaintsItsImages) {
  Build();
  b_->ApplyAttributeString(
      L"split=\"true\" splitarea=\"70,0,0,0\" splitnormalimage=\"split_normal\" splithotimage=\"split_hot\" "
      L"splitpushedimage=\"split_pushed\" splitdisabledimage=\"split_disabled\"");
  manager_->GetRoot()->NeedUpdate();
  Layout();
  const RECT part = b_->GetSplitPart();
  EXPECT_EQ(part.left, 80);
  EXPECT_EQ(part.top, 10);
  EXPECT_EQ(part.right, 110);
  EXPECT_EQ(part.bottom, 40);
  EXPECT_EQ(Pixel(50, 25), 0xFF0000u);  // the button's own image
  EXPECT_EQ(Pixel(95, 25), 0xFFFF00u);  // the split normal image over it
  Send(WM_MOUSEMOVE, 0, PointParam(50, 25));
  EXPECT_EQ(b_->GetSplitState() & kSplitHot, 0);
  Send(WM_MOUSEMOVE, 0, PointParam(95, 25));
  EXPECT_NE(b_->GetSplitState() & kSplitHot, 0);
  EXPECT_EQ(Pixel(95, 25), 0x00FFFFu);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(95, 25));
  EXPECT_EQ(b_->GetSplitState() & (kSplitPushed | kSplitCaptured), kSplitPushed | kSplitCaptured);
  EXPECT_EQ(b_->GetStateBits() & kStatePushed, 0);  // the split part is pressed, not the button
  EXPECT_EQ(Pixel(95, 25), 0xFF00FFu);
  EXPECT_EQ(Pixel(50, 25), 0x00FF00u);  // the button is only hot
  Send(WM_LBUTTONUP, 0, PointParam(95, 25));
  EXPECT_EQ(b_->GetSplitState() & (kSplitPushed | kSplitCaptured), 0);
  Send(WM_MOUSEMOVE, 0, PointParam(50, 25));
  EXPECT_EQ(b_->GetSplitState() & kSplitHot, 0);
  b_->SetEnabled(false);
  EXPECT_EQ(Pixel(95, 25), 0x202020u);
  EXPECT_NE(b_->GetSplitState() & kSplitDisabled, 0);
}

TEST_F(ButtonTest, BrokenSplitImageIsClearedAndTheNormalOneDrawn) {
  Build();
  b_->ApplyAttributeString(
      L"split=\"true\" splitarea=\"70,0,0,0\" splitnormalimage=\"split_normal\" splithotimage=\"no_such_split\"");
  manager_->GetRoot()->NeedUpdate();
  Layout();
  Send(WM_MOUSEMOVE, 0, PointParam(95, 25));
  EXPECT_EQ(Pixel(95, 25), 0xFFFF00u);
  EXPECT_TRUE(b_->GetSplitImage(YdSplitImage::kHot).empty());
}

TEST_F(ButtonTest, ExtendTextInItsColourAndPlace) {
  Build();
  b_->ApplyAttributeString(L"normalimage=\"\" extendtext=\"WWWW\" extendtextcolor=\"#FF00FF00\" extendtextpos=\"40,2,0,0\"");
  const RECT area = b_->ExtendTextArea();
  EXPECT_EQ(area.left, 50);
  EXPECT_EQ(area.top, 12);
  PaintNow(hwnd_);
  int green = 0, elsewhere = 0;
  for (int y = 10; y < 40; ++y) {
    for (int x = 10; x < 110; ++x) {
      const uint32_t p = OffscreenPixel(*manager_, x, y);
      if (p == 0x808080u) continue;
      const bool inside = x >= area.left && y >= area.top;
      // Text pixels lie between the background and the text colour.
      const bool greenish = ((p >> 16) & 0xFFu) <= 0x80u && (p & 0xFFu) <= 0x80u && ((p >> 8) & 0xFFu) >= 0x80u;
      if (inside && greenish) {
        ++green;
      } else {
        ++elsewhere;
      }
    }
  }
  EXPECT_GT(green, 10);
  EXPECT_EQ(elsewhere, 0);
  // While pushed the extend text moves one pixel right and down.
  Send(WM_MOUSEMOVE, 0, PointParam(30, 25));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(30, 25));
  const RECT pushed = b_->ExtendTextArea();
  EXPECT_EQ(pushed.left, 51);
  EXPECT_EQ(pushed.top, 13);
  Send(WM_LBUTTONUP, 0, PointParam(30, 25));
}

// A text link with a hot font: while pressed the pushed state has no font
// of its own, so the hot one still applies; "pushedhot" is nobody's key.
TEST_F(ButtonTest, PressedLinkKeepsTheHotFontAndIgnoresPushedHot) {
  manager_->AddFont(L"small", L"WenQuanYi Micro Hei", 10, false, false, false);
  manager_->AddFont(L"big", L"WenQuanYi Micro Hei", 24, true, false, false);
  b_ = Placed(new YdButton, {10, 10, 210, 50}, 1);
  AttachTree({b_});
  manager_->GetRoot()->ApplyAttribute(L"normalbkcolor", L"#FF808080");
  b_->ApplyAttributeString(
      L"text=\"MMMM\" normalfont=\"small\" hotfont=\"big\" pushedhot=\"small\" normaltextcolor=\"#FF000000\"");
  Layout();
  auto inked = [this]() {
    PaintNow(hwnd_);
    int n = 0;
    for (int y = 10; y < 50; ++y) {
      for (int x = 10; x < 210; ++x) n += OffscreenPixel(*manager_, x, y) != 0x808080u;
    }
    return n;
  };
  const int normal = inked();
  Send(WM_MOUSEMOVE, 0, PointParam(100, 30));
  const int hot = inked();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(100, 30));
  const int pressed = inked();
  Send(WM_LBUTTONUP, 0, PointParam(100, 30));
  EXPECT_GT(normal, 0);
  EXPECT_GT(hot, normal * 2);  // the big bold font inks far more pixels
  EXPECT_EQ(pressed, hot);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
