// slide_test.cpp -- the slider: thumb geometry and pointer mapping, the
// skin's keys, kind answers, pressing the track, dragging the thumb (grab
// offset kept, clamped at the ends) with notification 32 per change, the
// keys of the focused slider, the disabled slider, and the track / left track / thumb painting.
#include "tests/ui/controls/list_tab/skin_fixture.h"
#include "ui/controls/list_tab/slide.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

YdSlideGeometry Horizontal() {
  YdSlideGeometry g;
  g.track = {10, 0, 210, 20};
  g.thumb = {20, 20};
  return g;
}

TEST(SlideGeometry, ThumbTravelsInsideTheTrack) {
  const YdSlideGeometry g = Horizontal();
  RECT r = SlideThumbRect(g, 0);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.right, 30);
  r = SlideThumbRect(g, 100);
  EXPECT_EQ(r.right, 210);
  r = SlideThumbRect(g, 50);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 0);
  // Out of range values are clamped.
  EXPECT_EQ(SlideThumbRect(g, 500).left, 190);
  EXPECT_EQ(SlideThumbRect(g, -5).left, 10);

  YdSlideGeometry v;
  v.track = {0, 0, 20, 110};
  v.thumb = {10, 10};
  v.horizontal = false;
  // Vertical sliders grow from the bottom up; the thumb is centred across.
  r = SlideThumbRect(v, 0);
  EXPECT_EQ(r.bottom, 110);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(SlideThumbRect(v, 100).top, 0);
}

TEST(SlideGeometry, PointMapsBackToTheValueOfThatThumb) {
  const YdSlideGeometry g = Horizontal();
  for (int value : {0, 1, 33, 50, 99, 100}) {
    const RECT r = SlideThumbRect(g, value);
    EXPECT_EQ(SlideValueAtPoint(g, {(r.left + r.right) / 2, 5}), value) << value;
  }
  EXPECT_EQ(SlideValueAtPoint(g, {-100, 5}), 0);
  EXPECT_EQ(SlideValueAtPoint(g, {1000, 5}), 100);

  YdSlideGeometry v;
  v.track = {0, 0, 20, 110};
  v.thumb = {10, 10};
  v.horizontal = false;
  EXPECT_EQ(SlideValueAtPoint(v, {10, 105}), 0);
  EXPECT_EQ(SlideValueAtPoint(v, {10, 5}), 100);

  // A thumb as long as the track and an empty range leave only the minimum.
  YdSlideGeometry full = g;
  full.thumb = {200, 20};
  EXPECT_EQ(SlideValueAtPoint(full, {150, 5}), 0);
  YdSlideGeometry empty = g;
  empty.minimum = empty.maximum = 7;
  EXPECT_EQ(SlideValueAtPoint(empty, {150, 5}), 7);
  EXPECT_EQ(ClampSlideValue(empty, 3), 7);
}

const wchar_t kSlideSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page">
    <Slide name="slide" width="220" height="20" inset="10,0,10,0" thumbsize="20,20" value="50"
           bknormalimage="slide_blue" leftbknormalimage="slide_red" thumbnormalimage="slide_green"
           thumbhotimage="slide_yellow" thumbpushedimage="slide_cyan" bkdisabledimage="slide_grey" />
    <Slide name="off" width="220" height="20" enabled="false" hor="false" />
  </VerticalLayout>
</Window>)";

class SlideTest : public ListTabSkinTest {
 protected:
  void SetUp() override {
    AddFileImage(L"slide_blue", MakeSolidImage(4, 4, 0xFF0000FFu, false));
    AddFileImage(L"slide_red", MakeSolidImage(4, 4, 0xFFFF0000u, false));
    AddFileImage(L"slide_green", MakeSolidImage(4, 4, 0xFF00FF00u, false));
    AddFileImage(L"slide_yellow", MakeSolidImage(4, 4, 0xFFFFFF00u, false));
    AddFileImage(L"slide_cyan", MakeSolidImage(4, 4, 0xFF00FFFFu, false));
    AddFileImage(L"slide_grey", MakeSolidImage(4, 4, 0xFF808080u, false));
    ASSERT_NE(Build(kSlideSkin), nullptr);
    slide_ = Named<YdSlide>(L"slide", kKindSlide);
    ASSERT_NE(slide_, nullptr);
  }
  YdSlide* slide_ = nullptr;
};

TEST_F(SlideTest, KeysAndKinds) {
  EXPECT_EQ(slide_->GetKind(), 12);
  EXPECT_EQ(Answers(slide_, AllKinds()), (std::vector<int>{1, 12}));
  EXPECT_EQ(slide_->GetValue(), 50);
  EXPECT_TRUE(slide_->IsHorizontal());
  EXPECT_EQ(slide_->GetThumbSize().cx, 20);
  EXPECT_EQ(slide_->GetTrackInset().left, 10);
  EXPECT_EQ(slide_->GetTrackInset().right, 10);
  EXPECT_EQ(slide_->ThumbImages().hot, L"slide_yellow");
  EXPECT_EQ(slide_->TrackImages().disabled, L"slide_grey");
  // The slider's own "bknormalimage" shadows the control base's key.
  EXPECT_EQ(slide_->TrackImages().normal, L"slide_blue");
  EXPECT_TRUE(slide_->GetBkNormalImage().empty());
  // Base keys still reach the control base.
  EXPECT_EQ(slide_->GetFixedWidth(), 220);
  auto* off = Named<YdSlide>(L"off", kKindSlide);
  ASSERT_NE(off, nullptr);
  EXPECT_FALSE(off->IsHorizontal());
  EXPECT_FALSE(off->IsEnabled());
  const RECT thumb = slide_->GetThumbRect();
  EXPECT_EQ(thumb.left, 100);
  EXPECT_EQ(thumb.right, 120);
}

TEST_F(SlideTest, PressingTheTrackMovesTheThumbThereAndDraggingFollows) {
  Down(55, 10);  // on the track left of the thumb
  EXPECT_TRUE(slide_->IsDragging());
  EXPECT_EQ(slide_->GetValue(), 19);
  Move(145, 10, true);
  EXPECT_EQ(slide_->GetValue(), 69);
  Move(400, 10, true);  // beyond the end: clamped
  Move(500, 10, true);  // no further change, no notification
  EXPECT_EQ(slide_->GetValue(), 100);
  Up(500, 10);
  EXPECT_FALSE(slide_->IsDragging());
  Move(30, 10, false);  // released: moving changes nothing
  EXPECT_EQ(slide_->GetValue(), 100);
  EXPECT_EQ(NotesOf(kNotifyScrollPos), (std::vector<Pair>{{slide_, 19}, {slide_, 69}, {slide_, 100}}));
}

TEST_F(SlideTest, DraggingTheThumbKeepsTheGrabOffset) {
  Down(115, 10);  // on the thumb (100..120), 5 px right of its centre
  EXPECT_EQ(slide_->GetValue(), 50);
  EXPECT_TRUE(NotesOf(kNotifyScrollPos).empty());
  Move(133, 10, true);  // centre follows to 128: 108 of 180 px
  EXPECT_EQ(slide_->GetValue(), 60);
  Up(133, 10);
  EXPECT_EQ(NotesOf(kNotifyScrollPos), (std::vector<Pair>{{slide_, 60}}));
}

TEST_F(SlideTest, SetValueClampsAndNotifiesOnlyChanges) {
  slide_->SetValue(250);
  slide_->SetValue(100);
  slide_->SetValue(-3);
  EXPECT_EQ(slide_->GetValue(), 0);
  slide_->SetRange(10, 20);
  EXPECT_EQ(slide_->GetValue(), 10);
  EXPECT_EQ(NotesOf(kNotifyScrollPos), (std::vector<Pair>{{slide_, 100}, {slide_, 0}, {slide_, 10}}));
}

TEST_F(SlideTest, KeysStepTheFocusedSlider) {
  Click(110, 10);  // the thumb: takes the focus, value unchanged
  ASSERT_EQ(manager_->GetFocusControl(), slide_);
  Send(WM_KEYDOWN, VK_RIGHT, 1);
  Send(WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(slide_->GetValue(), 52);
  Send(WM_KEYDOWN, VK_LEFT, 1);
  Send(WM_KEYDOWN, VK_DOWN, 1);
  Send(WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(slide_->GetValue(), 49);
  Send(WM_KEYDOWN, VK_END, 1);
  Send(WM_KEYDOWN, VK_RIGHT, 1);  // at the end: no change, no notification
  EXPECT_EQ(slide_->GetValue(), 100);
  Send(WM_KEYDOWN, VK_HOME, 1);
  EXPECT_EQ(slide_->GetValue(), 0);
  EXPECT_EQ(NotesOf(kNotifyScrollPos), (std::vector<Pair>{{slide_, 51}, {slide_, 52}, {slide_, 51}, {slide_, 50},
                                                          {slide_, 49}, {slide_, 100}, {slide_, 0}}));
}

TEST_F(SlideTest, DisabledSliderIgnoresThePointer) {
  slide_->SetEnabled(false);
  Down(55, 10);
  Up(55, 10);
  EXPECT_EQ(slide_->GetValue(), 50);
  EXPECT_TRUE(NotesOf(kNotifyScrollPos).empty());
  EXPECT_EQ(Pixel(160, 10), 0x808080u);  // the disabled track image
}

TEST_F(SlideTest, PaintsLeftTrackTrackAndThumbInTheirStates) {
  EXPECT_EQ(Pixel(50, 10), 0xFF0000u);   // before the thumb: left track
  EXPECT_EQ(Pixel(160, 10), 0x0000FFu);  // after it: track
  EXPECT_EQ(Pixel(110, 10), 0x00FF00u);  // thumb, normal
  Move(110, 10, false);
  EXPECT_TRUE(slide_->IsThumbHot());
  EXPECT_EQ(Pixel(110, 10), 0xFFFF00u);  // thumb, hot
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(110, 10));
  EXPECT_EQ(Pixel(110, 10), 0x00FFFFu);  // thumb, pressed
  Move(200, 10, true);
  EXPECT_EQ(slide_->GetValue(), 100);
  EXPECT_EQ(Pixel(160, 10), 0xFF0000u);  // the left track now reaches past it
  Up(200, 10);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
