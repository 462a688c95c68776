// picture_test.cpp -- YdPicture's stretched, alpha-blended painting and
// button behaviour, and YdPicExtendCtrl's floating part in its three
// styles with their timers, from literal skins.
#include "tests/ui/controls/edit_picture/edit_picture_fixture.h"
#include "ui/controls/edit_picture/pic_extend_ctrl.h"
#include "ui/controls/edit_picture/picture.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

constexpr wchar_t kPictureSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page" normalbkcolor="#FF808080">
    <Picture name="pic" height="40" width="100" normalimage="m3_red" notify="click" />
    <Control />
  </VerticalLayout>
</Window>)";

uint8_t Red(uint32_t c) { return static_cast<uint8_t>(c >> 16); }
uint8_t Green(uint32_t c) { return static_cast<uint8_t>(c >> 8); }

TEST_F(EditPictureTest, PictureStretchesBlendsAndClicks) {
  ASSERT_NE(Build(kPictureSkin), nullptr);
  auto* pic = ByName<YdPicture>(L"pic", kKindPicture);
  ASSERT_NE(pic, nullptr);
  // The 8 x 8 picture covers the whole 100 x 40 control.
  EXPECT_EQ(Pixel(1, 1), 0xFF0000u);
  EXPECT_EQ(Pixel(98, 38), 0xFF0000u);
  EXPECT_EQ(Pixel(150, 20), 0x808080u);
  pic->SetAlpha(128);
  const uint32_t half = Pixel(50, 20);
  EXPECT_NEAR(Red(half), 0xC0, 8) << std::hex << half;
  EXPECT_NEAR(Green(half), 0x40, 8) << std::hex << half;
  pic->SetAlpha(0);
  EXPECT_EQ(Pixel(50, 20), 0x808080u);
  // A program's bitmap (32 bits, opaque green) takes the picture's place.
  pic->SetAlpha(255);
  const uint32_t green[4] = {0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u};
  pic->SetBitmap(::CreateBitmap(2, 2, 1, 32, green));
  EXPECT_EQ(Pixel(90, 35), 0x00FF00u);
  pic->SetBitmap(nullptr);
  EXPECT_EQ(Pixel(90, 35), 0xFF0000u);
  // Still a button: a click is announced.
  Click(50, 20);
  const auto clicks = NotesOf(kNotifyClick);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].first, pic);
}

std::wstring PicSkin(const wchar_t* attributes) {
  return std::wstring(LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page" normalbkcolor="#FF808080">
    <PicExtendCtrl name="pe" height="90" width="120" normalimage="m3_green" notify="click"
                   floatControlnormalimage="m3_blue" floatControlhotimage="m3_yellow" )") +
         attributes + LR"( />
    <Control />
  </VerticalLayout>
</Window>)";
}

class PicExtendTest : public EditPictureTest {
 protected:
  YdPicExtendCtrl* Make(const wchar_t* attributes) {
    skin_ = PicSkin(attributes);
    if (Build(skin_.c_str()) == nullptr) return nullptr;
    return ByName<YdPicExtendCtrl>(L"pe", kKindPicExtendCtrl);
  }
  std::wstring skin_;
};

TEST_F(PicExtendTest, AttributesOfTheThreeStyles) {
  YdPicExtendCtrl* pe = Make(
      L"picstyle=\"transparent\" normal_usetimer=\"true\" normal_intervaltime=\"11\" normal_leavetime=\"12\" "
      L"move_intervaltime=\"21\" move_leavetime=\"22\" transparent_usetimer=\"true\" transparent_leavetime=\"32\"");
  ASSERT_NE(pe, nullptr);
  EXPECT_EQ(pe->GetPicStyle(), YdPicStyle::kTransparent);
  const YdPicStyleTiming& n = pe->Timing(YdPicStyle::kNormal);
  EXPECT_TRUE(n.useTimer);
  EXPECT_EQ(n.intervalMs, 11);
  EXPECT_EQ(n.leaveMs, 12);
  const YdPicStyleTiming& m = pe->Timing(YdPicStyle::kMove);
  EXPECT_FALSE(m.useTimer);
  EXPECT_EQ(m.intervalMs, 21);
  EXPECT_EQ(m.leaveMs, 22);
  EXPECT_TRUE(pe->Timing(YdPicStyle::kTransparent).useTimer);
  EXPECT_EQ(pe->Timing(YdPicStyle::kTransparent).leaveMs, 32);
  ASSERT_NE(pe->GetFloatControl(), nullptr);
  EXPECT_EQ(pe->GetFloatControl()->GetNormalImage(), L"m3_blue");
  EXPECT_FALSE(pe->GetFloatControl()->IsVisible());
}

TEST_F(PicExtendTest, NormalStyleShowsAfterTheIntervalAndHidesAfterTheLeaveTime) {
  YdPicExtendCtrl* pe = Make(L"normal_usetimer=\"true\" normal_intervaltime=\"60\" normal_leavetime=\"60\"");
  ASSERT_NE(pe, nullptr);
  YdPicControlFloatCtrl* part = pe->GetFloatControl();
  MoveTo(20, 10);
  EXPECT_FALSE(part->IsVisible()) << "shown before the interval";
  PumpFor(250);
  ASSERT_TRUE(part->IsVisible());
  const RECT rest = pe->FloatRestRect();
  EXPECT_EQ(rest.top, 60);
  EXPECT_EQ(rest.bottom, 90);
  const RECT at = part->GetPosition();
  EXPECT_EQ(at.top, rest.top);
  EXPECT_EQ(at.left, rest.left);
  EXPECT_EQ(Pixel(60, 20), 0x00FF00u);
  // Onto the floating part: still shown, painted hot.
  MoveTo(60, 75);
  PumpFor(150);
  EXPECT_TRUE(part->IsVisible());
  EXPECT_EQ(Pixel(60, 75), 0xFFFF00u);
  // Out of the picture: gone after the leave time.
  MoveTo(200, 150);
  EXPECT_TRUE(part->IsVisible());
  PumpFor(250);
  EXPECT_FALSE(part->IsVisible());
  EXPECT_EQ(Pixel(60, 75), 0x00FF00u);
}

TEST_F(PicExtendTest, WithoutTimerItShowsAndHidesAtOnce) {
  YdPicExtendCtrl* pe = Make(L"normal_usetimer=\"false\" normal_intervaltime=\"500\" normal_leavetime=\"500\"");
  ASSERT_NE(pe, nullptr);
  MoveTo(20, 10);
  EXPECT_TRUE(pe->GetFloatControl()->IsVisible());
  EXPECT_EQ(Pixel(60, 80), 0x0000FFu);
  MoveTo(200, 150);
  EXPECT_FALSE(pe->GetFloatControl()->IsVisible());
}

TEST_F(PicExtendTest, MoveStyleSlidesUpFromTheLowerEdge) {
  YdPicExtendCtrl* pe = Make(L"picstyle=\"move\" move_usetimer=\"true\" move_intervaltime=\"20\"");
  ASSERT_NE(pe, nullptr);
  MoveTo(20, 10);
  YdPicControlFloatCtrl* part = pe->GetFloatControl();
  ASSERT_TRUE(part->IsVisible());
  const RECT rest = pe->FloatRestRect();
  EXPECT_EQ(part->GetPosition().top, rest.bottom) << "starts below the picture";
  PumpFor(300);
  EXPECT_EQ(part->GetPosition().top, rest.top);
}

TEST_F(PicExtendTest, TransparentStyleFadesIn) {
  YdPicExtendCtrl* pe = Make(L"picstyle=\"transparent\" transparent_usetimer=\"true\" transparent_intervaltime=\"20\"");
  ASSERT_NE(pe, nullptr);
  MoveTo(20, 10);
  YdPicControlFloatCtrl* part = pe->GetFloatControl();
  ASSERT_TRUE(part->IsVisible());
  EXPECT_EQ(part->GetAlpha(), 0);
  EXPECT_EQ(Pixel(60, 80), 0x00FF00u) << "fully transparent at first";
  PumpFor(300);
  EXPECT_EQ(part->GetAlpha(), 255);
  EXPECT_EQ(Pixel(60, 80), 0x0000FFu);
}

TEST_F(PicExtendTest, TheFloatingPartAndButtonsActForTheOwner) {
  YdPicExtendCtrl* pe = Make(L"");
  ASSERT_NE(pe, nullptr);
  MoveTo(20, 10);
  YdEvent e;
  e.type = kEventActivate;
  EXPECT_TRUE(pe->GetFloatControl()->Activate(e));
  const auto clicks = NotesOf(kNotifyClick);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].first, pe);
  // A button on the picture: leaving the picture onto it keeps the part.
  YdPicButton* button = pe->AddPictureButton(false);
  button->SetFixedXY({0, 0});
  button->SetFixedWidth(20);
  button->SetFixedHeight(20);
  PaintNow(hwnd_);
  const RECT b = button->GetPosition();
  MoveTo((b.left + b.right) / 2, (b.top + b.bottom) / 2);
  EXPECT_EQ(manager_->GetHoverControl(), button);
  EXPECT_TRUE(pe->GetFloatControl()->IsVisible());
  MoveTo(250, 150);
  EXPECT_FALSE(pe->GetFloatControl()->IsVisible());
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
