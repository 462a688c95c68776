// The setup's own skin, read from the module resource XML 102 as the setup
// reads it: both windows build, every element with an "id" or a "name"
// becomes a control the manager finds, and the wizard's first page lays out
// as designed (install button at 180,215 140x38 in the 500x280 window).
// Built once without the label, button, option and rich edit classes
// (those elements then come from the builder callback as plain controls)
// and once with them registered (nothing goes to the callback, and the
// tree paints). At 144 DPI the same skin builds at one and a half times its
// numbers, and WM_DPICHANGED brings it back to exactly the 96-DPI layout.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/utf.h"
#include "tests/ui/manager/manager_fixture.h"
#include "ui/controls/containers/container.h"
#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"
#include "ui/skin/skin_document.h"
#include "ui/skin/skin_resource_win32.h"
#include "ui/window/window_impl_base.h"
#include "ui/skin/xml_parse.h"
#if ZEPHYRA_REGISTER_SKIN_CONTROLS
#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/basic/button.h"
#include "ui/controls/basic/option.h"
#include "ui/controls/rich_edit/rich_edit.h"
#endif

namespace ZEPHYRA_NAMESPACE {
namespace {

using test::ManagerTest;

class PlainControls : public IBuilderCallback {
 public:
  YdControl* CreateCustomControl(const wchar_t* name) override {
    asked.push_back(name);
    return new YdControl;
  }
  std::vector<std::wstring> asked;
};

struct Expected {
  std::vector<int> ids;
  std::vector<std::wstring> names;
};

// The ids and names of the control elements below `e`, in document order,
// stopping at window controls (none in this skin).
void Collect(const YdSkinElement& e, Expected* out) {
  for (const YdSkinElement& c : e.children) {
    if (c.name == u"Font" || c.name == u"Default" || c.name == u"Image") continue;
    if (const std::u16string* id = c.Attribute(u"id")) out->ids.push_back(ParseInt(*id));
    if (const std::u16string* name = c.Attribute(u"name")) out->names.emplace_back(AsWide(*name));
    Collect(c, out);
  }
}

const YdSkinElement* WindowNamed(const YdSkinElement& root, const std::u16string& name) {
  for (const YdSkinElement& w : root.children) {
    if (w.name == u"Window" && w.AttributeOr(u"name") == name) return &w;
  }
  return nullptr;
}

class SetupSkinTest : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    const std::optional<std::string> bytes =
        ReadSkinResource(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102), L"XML");
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(document_.LoadBytes(*bytes), YdSkinLoadStatus::kOk);
#if ZEPHYRA_REGISTER_SKIN_CONTROLS
    RegisterBasicControls();
    RegisterRichEditControls();
#endif
  }
  void CheckWindow(const char* name) {
    const YdSkinElement* window = WindowNamed(*document_.Root(), Utf8ToUtf16(name));
    ASSERT_NE(window, nullptr);
    Expected expected;
    Collect(*window, &expected);
    ASSERT_FALSE(expected.ids.empty());
    YdXmlParse parse;
    YdControl* root = parse.BuildWindow(name, manager_, L"102", kXmlSourceResource, L"XML", &callback_);
    ASSERT_NE(root, nullptr) << name;
    manager_->AttachRoot(root);
    for (int id : expected.ids) EXPECT_NE(manager_->ControlById(id), nullptr) << name << " id " << id;
    for (const std::wstring& n : expected.names) {
      EXPECT_NE(manager_->ControlByName(n), nullptr) << name << " name " << std::string(n.begin(), n.end());
    }
#if ZEPHYRA_REGISTER_SKIN_CONTROLS
    EXPECT_TRUE(callback_.asked.empty());
    manager_->AddNotifyListener(&listener_);
    test::PaintNow(hwnd_);
    EXPECT_NE(manager_->GetOffscreenBits(), nullptr);
#endif
  }
  YdSkinDocument document_;
  PlainControls callback_;
};

TEST_F(SetupSkinTest, WizardBuildsWithEveryControlAndLaysOutItsFirstPage) {
  CheckWindow("ydWifiSetupWnd");
  EXPECT_EQ(manager_->GetInitSize().cx, 500);
  EXPECT_EQ(manager_->GetInitSize().cy, 280);
  EXPECT_EQ(manager_->GetMaxInfo().cy, 350);
  EXPECT_EQ(manager_->GetCaptionRect().bottom, 280);
  ASSERT_NE(manager_->GetDefaultFont(), nullptr);
  EXPECT_EQ(manager_->GetDefaultFont()->size, 12);
  EXPECT_TRUE(manager_->HasFont(L"process"));
  manager_->GetRoot()->SetPosition({0, 0, 500, 280});
  YdControl* install = manager_->ControlById(102);
  ASSERT_NE(install, nullptr);
  const RECT r = install->GetPosition();
  EXPECT_EQ(r.left, 180);
  EXPECT_EQ(r.top, 215);
  EXPECT_EQ(r.right, 320);
  EXPECT_EQ(r.bottom, 253);
#if ZEPHYRA_REGISTER_SKIN_CONTROLS
  EXPECT_EQ(install->GetKind(), kKindButton);
  ASSERT_NE(manager_->ControlById(103), nullptr);
  EXPECT_EQ(manager_->ControlById(103)->GetKind(), kKindOption);
#else
  // Without their classes the buttons came from the callback.
  EXPECT_NE(std::find(callback_.asked.begin(), callback_.asked.end(), L"Button"), callback_.asked.end());
#endif
  YdControl* row = manager_->ControlByName(L"agreementrow");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->GetPosition().top, 261);
}

int FontHeight(YdFontInfo* font) {
  LOGFONTW lf{};
  if (font == nullptr || ::GetObjectW(font->font.Get(), sizeof(lf), &lf) == 0) return 0;
  return lf.lfHeight;
}

TEST_F(SetupSkinTest, WizardBuildsAtTheWindowScaleAndFollowsAScaleChange) {
  manager_->SetDpiScale(YdDpiScale(144));
  CheckWindow("ydWifiSetupWnd");
  EXPECT_EQ(manager_->GetInitSize().cx, 750);
  EXPECT_EQ(manager_->GetInitSize().cy, 420);
  EXPECT_EQ(manager_->GetMaxInfo().cy, 525);
  EXPECT_EQ(manager_->GetCaptionRect().bottom, 420);
  EXPECT_EQ(manager_->GetRoundCorner().cx, 6);
  EXPECT_EQ(manager_->GetDefaultFont()->size, 12);  // the skin's number...
  EXPECT_EQ(FontHeight(manager_->GetDefaultFont()), -18);  // ...made at the scale
  YdControl* root = manager_->GetRoot();
  YdControl* install = manager_->ControlById(102);
  YdControl* row = manager_->ControlByName(L"agreementrow");
  ASSERT_NE(install, nullptr);
  ASSERT_NE(row, nullptr);
  root->SetPosition({0, 0, 750, 420});
  // 180,215 140 x 38 edge by edge: 270, 322.5, 480, 379.5.
  EXPECT_EQ(install->GetPosition().left, 270);
  EXPECT_EQ(install->GetPosition().top, 323);
  EXPECT_EQ(install->GetPosition().right, 480);
  EXPECT_EQ(install->GetPosition().bottom, 380);
  EXPECT_EQ(row->GetPosition().top, 392);  // 323 + 57 + the scaled 8

  // Moved to a 96-DPI display: the suggested rectangle is taken and every
  // number is back at the skin's own value.
  RECT suggested{40, 50, 540, 330};
  ::SendMessageW(hwnd_, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_TRUE(manager_->GetDpiScale().IsOne());
  RECT window{};
  ::GetWindowRect(hwnd_, &window);
  EXPECT_EQ(window.right - window.left, 500);
  EXPECT_EQ(window.bottom - window.top, 280);
  EXPECT_EQ(manager_->GetInitSize().cx, 500);
  EXPECT_EQ(FontHeight(manager_->GetDefaultFont()), -12);
  root->SetPosition({0, 0, 500, 280});
  EXPECT_EQ(install->GetPosition().left, 180);
  EXPECT_EQ(install->GetPosition().top, 215);
  EXPECT_EQ(install->GetPosition().right, 320);
  EXPECT_EQ(install->GetPosition().bottom, 253);
  EXPECT_EQ(row->GetPosition().top, 261);
}

TEST_F(SetupSkinTest, ConfirmationDialogBuildsWithEveryControl) { CheckWindow("ydMessageDlg"); }

TEST_F(SetupSkinTest, MissingResourceBuildsNothing) {
  YdXmlParse parse;
  EXPECT_EQ(parse.BuildWindow("ydMessageDlg", manager_, L"4321", kXmlSourceResource, L"XML", &callback_), nullptr);
  EXPECT_EQ(parse.LoadStatus(), YdSkinLoadStatus::kUnreadable);
  EXPECT_EQ(parse.BuildWindow("ydMessageDlg", manager_, L"102", kXmlSourceResource, L"PNG", &callback_), nullptr);
  EXPECT_FALSE(manager_->HasFont(L"process"));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
