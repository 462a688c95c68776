// skin_build_test.cpp -- the controls through the skin builder: the element
// factory knows the five classes, a literal skin with every one of them
// builds, lays out and paints, and the setup's own skin (resource XML 102)
// gives a check box 103 that enables and disables the install button 102
// whose state images come from the setup's PNGs.
#include "tests/ui/controls/basic/controls_fixture.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/basic/button.h"
#include "ui/controls/basic/circle_progress.h"
#include "ui/control/control_factory.h"
#include "ui/controls/basic/option.h"
#include "ui/controls/basic/progress.h"
#include "ui/window/window_impl_base.h"
#include "ui/skin/xml_parse.h"

#include <memory>

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

using Pair = std::pair<YdControl*, WPARAM>;

TEST(BasicControlsFactory, FiveClassesAreRegistered) {
  RegisterBasicControls();
  RegisterBasicControls();  // again: harmless
  const struct {
    const wchar_t* name;
    int kind;
  } expected[] = {{L"Label", 6}, {L"Button", 5}, {L"Option", 9}, {L"Progress", 7}, {L"CircleProgress", 1}};
  for (const auto& e : expected) {
    ASSERT_TRUE(IsControlClassRegistered(e.name));
    std::unique_ptr<YdControl> c(CreateRegisteredControl(e.name));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetKind(), e.kind);
  }
  EXPECT_FALSE(IsControlClassRegistered(L"option"));  // names are case-sensitive
}

class PlainControls : public IBuilderCallback {
 public:
  YdControl* CreateCustomControl(const wchar_t*) override { return new YdControl; }
};

// A manager bound to a window of its own size (the shared test window is
// smaller than the setup's wizard).
class SkinWindowTest : public ::testing::Test {
 protected:
  void Open(int width, int height) {
    RegisterBasicControls();
    manager_ = std::make_unique<YdPaintManager>();
    window_ = std::make_unique<ManagerWindow>(manager_.get(), width, height);
    ASSERT_NE(window_->hwnd(), nullptr);
  }
  void TearDown() override {
    if (manager_ != nullptr) manager_->RemoveNotifyListener(&listener_);
    window_.reset();
    manager_.reset();
  }
  YdControl* Build(const std::wstring& source, int kind, const char* window) {
    YdXmlParse parse;
    YdControl* root = parse.BuildWindow(window, manager_.get(), source, kind, kind == kXmlSourceResource ? L"XML" : L"",
                                        &callback_);
    if (root == nullptr) return nullptr;
    manager_->AttachRoot(root);
    manager_->AddNotifyListener(&listener_);
    PaintNow(window_->hwnd());
    return root;
  }
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(window_->hwnd(), msg, wParam, lParam); }
  void Click(POINT pt) {
    Send(WM_MOUSEMOVE, 0, PointParam(pt.x, pt.y));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(pt.x, pt.y));
    Send(WM_LBUTTONUP, 0, PointParam(pt.x, pt.y));
  }
  uint32_t Pixel(POINT pt) {
    PaintNow(window_->hwnd());
    return OffscreenPixel(*manager_, pt.x, pt.y);
  }
  static POINT Centre(YdControl* c) {
    const RECT r = c->GetPosition();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  std::vector<Pair> NotesOf(int type) const {
    std::vector<Pair> out;
    for (const Noted& n : notes_) {
      if (n.type == type) out.emplace_back(n.sender, n.wParam);
    }
    return out;
  }

  std::unique_ptr<YdPaintManager> manager_;
  std::unique_ptr<ManagerWindow> window_;
  PlainControls callback_;
  std::vector<Noted> notes_;
  RecordingListener listener_{&notes_, 1};
};

const wchar_t kEveryControl[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page" normalbkcolor="#FF808080">
    <Label name="title" height="30" text="Zephyra" text_antialias="true" normaltextcolor="#FF0000FF" />
    <HorizontalLayout name="row" height="20">
      <Option name="first" width="20" group="3" selected="true" normalimage="skin_off" selectedimage="skin_on" />
      <Option name="second" width="20" group="3" normalimage="skin_off" selectedimage="skin_on" />
      <Button name="go" width="60" notify="click" normalimage="skin_button" />
    </HorizontalLayout>
    <Progress name="bar" height="10" width="200" normalimage="skin_bar" step="10" />
    <CircleProgress name="ring" width="100" height="100" circlecolor="#FF00FF00" />
  </VerticalLayout>
</Window>)";

TEST_F(SkinWindowTest, LiteralSkinWithEveryControlBuildsLaysOutAndPaints) {
  AddFileImage(L"skin_off", MakeSolidImage(4, 4, 0xFFFF0000u, false));
  AddFileImage(L"skin_on", MakeSolidImage(4, 4, 0xFF0000FFu, false));
  AddFileImage(L"skin_button", MakeSolidImage(4, 4, 0xFFFFFF00u, false));
  AddFileImage(L"skin_bar", MakeSolidImage(4, 4, 0xFF00FFFFu, false));
  Open(300, 200);
  ASSERT_NE(Build(kEveryControl, kXmlSourceText, nullptr), nullptr);
  YdControl* title = manager_->ControlByName(L"title");
  YdControl* first = manager_->ControlByName(L"first");
  YdControl* second = manager_->ControlByName(L"second");
  YdControl* go = manager_->ControlByName(L"go");
  YdControl* bar = manager_->ControlByName(L"bar");
  YdControl* ring = manager_->ControlByName(L"ring");
  ASSERT_TRUE(title && first && second && go && bar && ring);
  ASSERT_NE(title->QueryKind(kKindLabel), nullptr);
  auto* a = static_cast<YdOption*>(first->QueryKind(kKindOption));
  auto* b = static_cast<YdOption*>(second->QueryKind(kKindOption));
  auto* progress = static_cast<YdProgress*>(bar->QueryKind(kKindProgress));
  ASSERT_TRUE(a && b && progress && go->QueryKind(kKindButton));
  EXPECT_TRUE(static_cast<YdLabel*>(title->QueryKind(kKindLabel))->IsAntialiasText());
  // Laid out top to bottom.
  EXPECT_EQ(first->GetPosition().top, 30);
  EXPECT_EQ(second->GetPosition().left, 20);
  EXPECT_EQ(go->GetPosition().left, 40);
  EXPECT_EQ(bar->GetPosition().top, 50);
  EXPECT_EQ(ring->GetPosition().top, 60);
  ASSERT_NE(manager_->GetGroup(3), nullptr);
  EXPECT_EQ(manager_->GetGroup(3)->size(), 2u);
  EXPECT_TRUE(a->IsSelected());
  // Painted: selected and unselected images, the button, the text.
  EXPECT_EQ(Pixel({10, 40}), 0x0000FFu);
  EXPECT_EQ(Pixel({30, 40}), 0xFF0000u);
  EXPECT_EQ(Pixel({70, 40}), 0xFFFF00u);
  int textPixels = 0;
  for (int x = 0; x < 300; ++x) {
    for (int y = 0; y < 30; ++y) textPixels += OffscreenPixel(*manager_, x, y) != 0x808080u;
  }
  EXPECT_GT(textPixels, 10);
  // The empty bar draws nothing, then fills half its width at value 5.
  EXPECT_EQ(Pixel({5, 55}), 0x808080u);
  progress->SetValue(5);
  EXPECT_EQ(Pixel({5, 55}), 0x00FFFFu);
  EXPECT_EQ(Pixel({99, 55}), 0x00FFFFu);
  EXPECT_EQ(Pixel({101, 55}), 0x808080u);
  static_cast<YdCircleProgress*>(ring)->SetValue(100);
  EXPECT_EQ(Pixel({50, 62}), 0x00FF00u);  // top of the ring
  EXPECT_EQ(Pixel({50, 110}), 0x808080u);  // its middle
  // Clicking the second option of the group moves the selection.
  Click({30, 40});
  EXPECT_TRUE(b->IsSelected());
  EXPECT_FALSE(a->IsSelected());
  EXPECT_EQ(NotesOf(kNotifySelectChanged), (std::vector<Pair>{{a, 0}, {b, 1}}));
  // Still under the pointer: hot and selected, and no hot-selected image.
  EXPECT_EQ(Pixel({30, 40}), 0x808080u);
  Send(WM_MOUSEMOVE, 0, PointParam(250, 190));
  EXPECT_EQ(Pixel({10, 40}), 0xFF0000u);
  EXPECT_EQ(Pixel({30, 40}), 0x0000FFu);
}

// The pixel (x, y) of a decoded image as 0x00RRGGBB.
bool ImagePixel(YdDecodedImage* image, int x, int y, uint32_t* rgb) {
  if (image == nullptr) return false;
  ScopedCreateDC dc(::CreateCompatibleDC(nullptr));
  ScopedSelectObject select(dc.Get(), image->bitmap.Get());
  const COLORREF c = ::GetPixel(dc.Get(), x, y);
  if (c == CLR_INVALID) return false;
  *rgb = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  return true;
}

TEST_F(SkinWindowTest, SetupSkinAgreementCheckBoxEnablesTheInstallButton) {
  Open(500, 280);
  ASSERT_NE(Build(L"102", kXmlSourceResource, "ydWifiSetupWnd"), nullptr);
  YdControl* install = manager_->ControlById(102);
  YdControl* agreeControl = manager_->ControlById(103);
  ASSERT_TRUE(install && agreeControl);
  ASSERT_NE(install->QueryKind(kKindButton), nullptr);
  auto* agree = static_cast<YdOption*>(agreeControl->QueryKind(kKindOption));
  ASSERT_NE(agree, nullptr);
  EXPECT_TRUE(agree->IsSelected());
  auto* desktop = static_cast<YdOption*>(manager_->ControlById(110)->QueryKind(kKindOption));
  ASSERT_NE(desktop, nullptr);
  EXPECT_TRUE(desktop->IsSelected());
  listener_.onNotify = [this](YdNotifyMsg& msg) {
    if (msg.type == kNotifySelectChanged && msg.sender->GetId() == 103) {
      manager_->ControlById(102)->SetEnabled(msg.wParam == 1);
    }
  };
  // The install button's sheet: normal rows 0..37, disabled rows 114..151.
  const POINT button = Centre(install);
  const RECT br = install->GetPosition();
  YdDecodedImage* sheet = GetResourceImage(102, L"PNG", 0);
  uint32_t normalRgb = 0, disabledRgb = 0;
  const int sx = button.x - br.left, sy = button.y - br.top;
  ASSERT_TRUE(ImagePixel(sheet, sx, sy, &normalRgb));
  ASSERT_TRUE(ImagePixel(sheet, sx, sy + 114, &disabledRgb));
  ASSERT_NE(normalRgb, disabledRgb);
  EXPECT_EQ(Pixel(button), normalRgb);

  const POINT check = Centre(agree);
  const uint32_t selectedLook = Pixel({check.x, check.y});
  Click(check);
  EXPECT_FALSE(agree->IsSelected());
  EXPECT_FALSE(install->IsEnabled());
  Send(WM_MOUSEMOVE, 0, PointParam(5, 5));  // off the check box: no hot image
  EXPECT_EQ(Pixel(button), disabledRgb);
  EXPECT_NE(Pixel(check), selectedLook);
  notes_.clear();
  Click(button);
  EXPECT_TRUE(NotesOf(kNotifyClick).empty());
  Click(check);
  EXPECT_TRUE(agree->IsSelected());
  EXPECT_TRUE(install->IsEnabled());
  Send(WM_MOUSEMOVE, 0, PointParam(5, 5));
  EXPECT_EQ(Pixel(button), normalRgb);
  EXPECT_EQ(Pixel(check), selectedLook);
  notes_.clear();
  Click(button);
  EXPECT_EQ(NotesOf(kNotifyClick), (std::vector<Pair>{{install, 0}}));
  listener_.onNotify = nullptr;
}

TEST(BasicControlsFactory, OnlyTheFirstTopLevelControlIsBuilt) {
  // Nothing would own a second control at the top level: it is not built,
  // so no orphan Option stays in the group table and the callback is asked
  // for nothing after the first control.
  RegisterBasicControls();
  struct Counting : IBuilderCallback {
    YdControl* CreateCustomControl(const wchar_t*) override {
      ++asked;
      return new YdControl;
    }
    int asked = 0;
  } callback;
  YdPaintManager manager;
  YdXmlParse parse;
  std::unique_ptr<YdControl> root(parse.BuildWindow(
      nullptr, &manager, L"<Window><Gadget name=\"first\"/><Gadget/><Option group=\"7\"/><Option group=\"7\"/></Window>",
      kXmlSourceText, L"", &callback));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetName(), L"first");
  EXPECT_EQ(callback.asked, 1);
  const std::vector<YdControl*>* group = manager.GetGroup(7);
  EXPECT_TRUE(group == nullptr || group->empty());
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
