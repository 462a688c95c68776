// control_base_test.cpp -- the control base without painting: attributes
// applied through ApplyAttribute and attribute lists, geometry setters,
// visibility and enabled state, tooltips, forwarding to the parent,
// notify masks, Activate and font fallback.
#include "tests/ui/manager/manager_fixture.h"
#include "ui/manager/animation_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST(ControlAttributeTest, AlignWordsAndEllipses) {
  YdControl c;
  EXPECT_EQ(c.GetTextStyle().format, static_cast<uint32_t>(DT_NOPREFIX));
  c.ApplyAttribute(L"align", L"vcen  center singleline");
  EXPECT_EQ(c.GetTextStyle().format, static_cast<uint32_t>(DT_NOPREFIX | DT_CENTER | DT_VCENTER | DT_SINGLELINE));
  c.ApplyAttribute(L"align", L"autocenter");
  EXPECT_TRUE(c.GetTextStyle().autoCenter);
  EXPECT_EQ(c.GetTextStyle().format & DT_CENTER, 0u);
  c.ApplyAttribute(L"endellipsis", L"true");
  EXPECT_NE(c.GetTextStyle().format & DT_END_ELLIPSIS, 0u);
  c.ApplyAttribute(L"endellipsis", L"TRUE");
  EXPECT_EQ(c.GetTextStyle().format & DT_END_ELLIPSIS, 0u);
}

TEST(ControlAttributeTest, PosColoursBoolsAndMasks) {
  YdControl c;
  c.ApplyAttribute(L"width", L"30");
  c.ApplyAttribute(L"height", L"20");
  c.ApplyAttribute(L"pos", L"480,260,13,13");  // written as x,y,w,h: only x and y
  EXPECT_EQ(c.GetFixedXY().x, 480);
  EXPECT_EQ(c.GetFixedXY().y, 260);
  EXPECT_EQ(c.GetFixedWidth(), 30);
  EXPECT_EQ(c.GetFixedHeight(), 20);
  c.ApplyAttribute(L"pos", L"10,20,110,70");
  EXPECT_EQ(c.GetFixedWidth(), 100);
  EXPECT_EQ(c.GetFixedHeight(), 50);
  c.ApplyAttribute(L"normaltextcolor", L"#FFFFFFFF");
  EXPECT_EQ(c.GetNormalTextColor(), 0xFFFFFFFFu);
  c.ApplyAttribute(L"hottextcolor", L" #FF123456");  // untrimmed: a blank gives 0
  EXPECT_EQ(c.GetHotTextColor(), 0u);
  c.ApplyAttribute(L"normalbkcolor", L" #FF168DDE");  // trimmed
  EXPECT_EQ(c.BkColours().normal, 0xFF168DDEu);
  c.ApplyAttribute(L"visible", L"TRUE");
  EXPECT_FALSE(c.IsVisible());
  c.ApplyAttribute(L"visible", L"true");
  EXPECT_TRUE(c.IsVisible());
  c.ApplyAttribute(L"notify", L"selectchanged");
  EXPECT_TRUE(c.NotifyMask().none());
  c.ApplyAttribute(L"notify", L"click poschange");
  EXPECT_TRUE(c.IsNotifyEnabled(kNotifyClick));
  EXPECT_TRUE(c.IsNotifyEnabled(kNotifyPosChange));
  c.ApplyAttribute(L"dispatch", L"lbuttondblclk activate");
  EXPECT_TRUE(c.IsForwardEnabled(kEventLButtonDblClk));
  EXPECT_TRUE(c.IsForwardEnabled(kEventActivate));
  c.ApplyAttribute(L"flags", L"tabstop setcursor");
  EXPECT_TRUE(c.TestFlag(kFlagTabStop));
  EXPECT_TRUE(c.TestFlag(kFlagSetCursor));
  EXPECT_FALSE(c.TestFlag(kFlagEnterRollText));
  c.ApplyAttribute(L"shortcut", L"Xy");
  EXPECT_EQ(c.GetShortcut(), L'X');
  c.ApplyAttribute(L"roundcorner", L"6,4");
  EXPECT_EQ(c.GetRoundCorner().cx, 6);
  EXPECT_EQ(c.GetRoundCorner().cy, 4);
  c.ApplyAttribute(L"hottextspecialstyle", L"-1,2");
  EXPECT_EQ(c.SpecialStyles().hot.dx, -1);
  EXPECT_EQ(c.SpecialStyles().hot.dy, 2);
  c.ApplyAttribute(L"memorybitmapalpha", L"true");
  EXPECT_TRUE(c.HasBeenHover());
  c.ApplyAttribute(L"Width", L"5");  // keys are case-sensitive: ignored
  EXPECT_EQ(c.GetFixedWidth(), 100);
  c.ApplyAttribute(L"minwidth", L"-4");
  EXPECT_EQ(c.GetMinWidth(), 0);
}

TEST(ControlAttributeTest, AttributeListsStopAtTheFirstDeviation) {
  YdControl c;
  c.ApplyAttributeString(L"name=\"n\" text=\"t\"");
  EXPECT_EQ(c.GetName(), L"n");
  EXPECT_EQ(c.GetText(), L"t");
  YdControl d;
  d.ApplyAttributeString(L"name=\"n\"  text=\"t\"");  // two blanks: only the first pair
  EXPECT_EQ(d.GetName(), L"n");
  EXPECT_EQ(d.GetText(), L"");
  YdControl e;
  e.ApplyAttributeString(L"name=\"n\" text=t");
  EXPECT_EQ(e.GetName(), L"n");
  EXPECT_EQ(e.GetText(), L"");
}

TEST(ControlAttributeTest, AutoTextColourSetsTheMaskedStates) {
  YdControl c;
  c.ApplyAttribute(L"autotextcolor", L"#0000000A");  // bits 2 and 8: hot and selected
  c.SetAutoTextColor(0xFF112233u);
  EXPECT_EQ(c.GetHotTextColor(), 0xFF112233u);
  EXPECT_EQ(c.GetSelectedTextColor(), 0xFF112233u);
  EXPECT_EQ(c.GetNormalTextColor(), 0xFF000000u);
  EXPECT_EQ(c.GetPushedTextColor(), 0u);
}

TEST(ControlGeometryTest, SetPositionNormalisesAndRaisesPosChangeOnlyOnChange) {
  YdControl c;
  c.SetPosition({10, 10, 5, 4});
  EXPECT_EQ(c.GetPosition().right, 10);
  EXPECT_EQ(c.GetPosition().bottom, 10);
  c.SetFixedWidth(-3);
  EXPECT_EQ(c.GetFixedWidth(), 0);
}

TEST_F(ManagerTest, PosChangeIsRaisedOncePerChange) {
  auto* c = new RecordingControl(L"c");
  c->ApplyAttribute(L"notify", L"poschange");
  AttachTree({c});
  c->SetPosition({0, 0, 10, 10});
  c->SetPosition({0, 0, 10, 10});
  EXPECT_EQ(CountNotes(kNotifyPosChange), 1);
  c->SetPosition({1, 0, 10, 10});
  EXPECT_EQ(CountNotes(kNotifyPosChange), 2);
}

TEST_F(ManagerTest, VisibilityMarksTheParentAndDropsTheFocusedFlag) {
  auto* c = new RecordingControl(L"c", 0, {0, 0, 10, 10});
  c->ApplyAttribute(L"flags", L"tabstop");
  auto* root = AttachTree({c});
  PaintNow(hwnd_);
  ASSERT_TRUE(c->IsFocused());
  c->SetVisible(false);
  EXPECT_FALSE(c->IsFocused());
  EXPECT_TRUE(root->NeedsLayout());
  const int before = root->placements_;
  PaintNow(hwnd_);
  EXPECT_EQ(root->placements_, before + 1);
  c->SetVisible(false);  // no change: nothing marked
  EXPECT_FALSE(root->NeedsLayout());
}

TEST_F(ManagerTest, DisablingClearsTheStateBits) {
  auto* c = new RecordingControl(L"c", 0, {0, 0, 10, 10});
  AttachTree({c});
  PaintNow(hwnd_);
  ::SendMessageW(hwnd_, WM_MOUSEMOVE, 0, PointParam(5, 5));
  ASSERT_TRUE(c->GetStateBits() & kStateHot);
  c->SetEnabled(false);
  EXPECT_EQ(c->GetStateBits(), 0);
  ::SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
  EXPECT_EQ(c->GetStateBits(), 0);  // disabled controls ignore presses
}

TEST(ControlToolTipTest, InheritedAndForwardedTooltips) {
  TestContainer parent;
  auto* child = new YdControl();
  parent.Add(child);
  parent.SetToolTip(L"parent tip");
  EXPECT_EQ(child->GetToolTip(), L"");
  child->ApplyAttribute(L"inherittooltip", L"true");
  EXPECT_EQ(child->GetToolTip(), L"parent tip");
  child->ApplyAttribute(L"dispatch", L"tooltip");
  child->SetToolTip(L"own");
  EXPECT_EQ(child->GetToolTip(), L"own");
  EXPECT_EQ(parent.GetToolTip(), L"own");
}

// A parent that records which of its handlers the child called.
class RecordingParent : public TestContainer {
 public:
  void OnLButtonDown(YdEvent& e) override {
    calls.push_back({kEventLButtonDown, e.forwarder});
    TestContainer::OnLButtonDown(e);
  }
  void OnMouseWheel(YdEvent& e) override {
    calls.push_back({kEventMouseWheel, e.forwarder});
    TestContainer::OnMouseWheel(e);
  }
  void OnLButtonUp(YdEvent& e) override {
    calls.push_back({kEventLButtonUp, e.forwarder});
    TestContainer::OnLButtonUp(e);
  }
  bool Activate(YdEvent& e) override {
    calls.push_back({kEventActivate, e.forwarder});
    return TestContainer::Activate(e);
  }
  std::vector<std::pair<int, YdControl*>> calls;
};

TEST_F(ManagerTest, ForwardedEventsReachTheParentHandlerWithTheForwarder) {
  auto* parent = new RecordingParent();
  parent->SetFixedXY({0, 0});
  parent->SetFixedWidth(100);
  parent->SetFixedHeight(100);
  auto* child = new RecordingControl(L"child", 0, {10, 10, 40, 40});
  parent->Add(child);
  parent->ApplyAttribute(L"notify", L"click");
  child->ApplyAttribute(L"notify", L"click");
  AttachTree({parent});
  PaintNow(hwnd_);
  ::SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  EXPECT_TRUE(parent->calls.empty());  // not in the forward mask
  ::SendMessageW(hwnd_, WM_LBUTTONUP, 0, PointParam(20, 20));
  child->ApplyAttribute(L"dispatch", L"lbuttondown lbuttonup mousewheel activate");
  ::SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  ASSERT_EQ(parent->calls.size(), 1u);
  EXPECT_EQ(parent->calls[0], std::make_pair(static_cast<int>(kEventLButtonDown), static_cast<YdControl*>(child)));
  notes_.clear();
  ::SendMessageW(hwnd_, WM_LBUTTONUP, 0, PointParam(20, 20));
  // The child's click forwards Activate; the parent's own release handler
  // sees a forwarded event and does not click a second time.
  ASSERT_EQ(parent->calls.size(), 3u);
  EXPECT_EQ(parent->calls[1].first, kEventActivate);
  EXPECT_EQ(parent->calls[1].second, child);
  EXPECT_EQ(parent->calls[2].first, kEventLButtonUp);
  ASSERT_EQ(CountNotes(kNotifyClick), 2);  // the parent's (forwarded Activate) and the child's
  EXPECT_EQ(notes_[0].sender, parent);
  EXPECT_EQ(notes_[1].sender, child);
  child->SetEnabled(false);
  YdEvent wheel;
  wheel.type = kEventMouseWheel;
  child->HandleEvent(wheel);
  EXPECT_EQ(parent->calls.back(), std::make_pair(static_cast<int>(kEventMouseWheel), static_cast<YdControl*>(nullptr)));
}

TEST_F(ManagerTest, ActivateNeedsVisibleAndEnabled) {
  auto* c = new RecordingControl(L"c");
  c->ApplyAttribute(L"notify", L"click");
  AttachTree({c});
  YdEvent e;
  e.point = {3, 4};
  EXPECT_TRUE(c->Activate(e));
  ASSERT_EQ(CountNotes(kNotifyClick), 1);
  EXPECT_EQ(notes_.back().point.x, 3);
  c->SetEnabled(false);
  EXPECT_FALSE(c->Activate(e));
  c->SetEnabled(true);
  c->SetVisible(false);
  EXPECT_FALSE(c->Activate(e));
  EXPECT_EQ(CountNotes(kNotifyClick), 1);
  c->SetNotifyEnabled(kNotifyClick, false);
  c->SetVisible(true);
  EXPECT_TRUE(c->Activate(e));
  EXPECT_EQ(CountNotes(kNotifyClick), 1);
}

TEST_F(ManagerTest, CommandAndCustomNotificationsNeedNoMask) {
  auto* c = new RecordingControl(L"c");
  AttachTree({c});
  c->RaiseCommandNotify(kAnimationFrameSequence);
  c->RaiseCommandNotify(kAnimationRollText);  // raises nothing
  c->RaiseCommandNotify(kAnimationMoveResizeFade);
  c->RaiseCustomNotify();
  ASSERT_EQ(notes_.size(), 3u);
  EXPECT_EQ(notes_[0].type, 34);
  EXPECT_EQ(notes_[1].type, 33);
  EXPECT_EQ(notes_[2].type, 35);
}

TEST_F(ManagerTest, FontFallbackAppliesWhenTheFaceIsMissing) {
  manager_->AddFont(L"present", L"WenQuanYi Micro Hei", 12, false, false, false);
  manager_->AddFont(L"absent", L"No Such Face Anywhere", 12, false, false, false);
  auto* ok = new RecordingControl(L"ok");
  ok->ApplyAttribute(L"normalfont", L"present");
  ok->ApplyAttribute(L"normalfontstandbyattrib", L"normalfont=\"fallback\" tag=\"5\"");
  auto* missing = new RecordingControl(L"missing");
  missing->ApplyAttribute(L"normalfont", L"absent");
  missing->ApplyAttribute(L"hotfont", L"absent");
  missing->ApplyAttribute(L"normalfontstandbyattrib", L"normalfont=\"present\" tag=\"5\"");
  AttachTree({ok, missing});  // AddNotifyListener re-checks the fonts
  EXPECT_EQ(ok->Fonts().normal, L"present");
  EXPECT_EQ(ok->GetTag(), 0);
  EXPECT_EQ(missing->Fonts().normal, L"present");
  EXPECT_EQ(missing->GetTag(), 5);
  EXPECT_EQ(missing->Fonts().hot, L"absent");  // no list for the hot state
}

TEST(ControlOverlayTest, OverlayValuesAreReplacedInPlace) {
  YdControl c;
  c.SetOverlayValue(L"source", L"1,2,3,4");
  c.SetOverlayValue(L"fade", L"10");
  c.SetOverlayValue(L"source", L"5,6,7,8");
  EXPECT_EQ(c.GetEffectOverlay(), L"source='5,6,7,8' fade='10'");
  c.SetEffectOverlay(L"rsource='x' source='y'");
  EXPECT_EQ(c.GetOverlayValue(L"source"), L"y");  // whole keys only
  EXPECT_EQ(c.GetRollOffset(), 0);
}

TEST(ControlFindTest, HitTestUsesThePositionShrunkByCut) {
  YdControl c;
  c.SetPosition({0, 0, 100, 50});
  c.ApplyAttribute(L"cut", L"10,0,0,5");
  auto self = [](YdControl* x, void*) -> YdControl* { return x; };
  POINT in{15, 10}, left{5, 10}, bottom{50, 47};
  EXPECT_EQ(c.FindMatching(self, &in, kFindHitTest), &c);
  EXPECT_EQ(c.FindMatching(self, &left, kFindHitTest), nullptr);
  EXPECT_EQ(c.FindMatching(self, &bottom, kFindHitTest), nullptr);
  c.SetEnabled(false);
  EXPECT_EQ(c.FindMatching(self, &in, kFindHitTest | kFindEnabled), nullptr);
  EXPECT_EQ(c.FindMatching(self, &in, kFindHitTest), &c);
  EXPECT_EQ(c.QueryKind(kKindControl), &c);
  EXPECT_EQ(c.QueryKind(2), nullptr);
  EXPECT_EQ(c.GetKind(), 1);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
