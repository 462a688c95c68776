// rich_edit_skin_test.cpp -- "RichEdit" as a skin element: registered with
// the control factory, built by the XML skin builder with the attributes of
// the installer's install-location field, typed into and read back.
#include "tests/ui/controls/rich_edit/rich_edit_fixture.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/control/control_factory.h"
#include "ui/skin/xml_parse.h"

#include <memory>

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST(RichEditFactory, RegistersTheRichEditElement) {
  UnregisterControlClass(L"RichEdit");
  EXPECT_EQ(CreateRegisteredControl(L"RichEdit"), nullptr);
  RegisterRichEditControls();
  std::unique_ptr<YdControl> made(CreateRegisteredControl(L"RichEdit"));
  ASSERT_NE(made, nullptr);
  EXPECT_NE(made->QueryKind(kKindRichEdit), nullptr);
  EXPECT_NE(made->QueryKind(kKindContainer), nullptr);
  EXPECT_EQ(CreateRegisteredControl(L"richedit"), nullptr);  // element names are case-sensitive
}

constexpr wchar_t kSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Root>
  <Window name="ydWifiSetupWnd" size="300,200">
    <Font font="" name="Tahoma" size="14" default="true" />
    <VerticalLayout name="page" normalbkcolor="#FFFFFFFF">
      <HorizontalLayout name="locationrow" padding="20,12,20,0" height="24">
        <RichEdit id="108" name="location" inset="5,5,2,2" limittext="512" wantreturn="false" multiline="false"
                  rich="false" flags="setcursor tabstop" normaltextcolor="#FF2B3A4F" />
      </HorizontalLayout>
    </VerticalLayout>
  </Window>
</Root>)";

TEST_F(RichEditTest, InstallLocationFieldBuiltFromTheSkin) {
  RegisterRichEditControls();
  YdXmlParse parse;
  YdControl* root = parse.BuildWindow("ydWifiSetupWnd", manager_, kSkin, kXmlSourceText, L"", nullptr);
  ASSERT_NE(root, nullptr);
  manager_->AttachRoot(root);
  manager_->AddNotifyListener(&listener_);
  PaintNow(hwnd_);
  YdControl* found = manager_->ControlById(108);
  ASSERT_NE(found, nullptr);
  auto* edit = static_cast<YdRichEdit*>(found->QueryKind(kKindRichEdit));
  ASSERT_NE(edit, nullptr) << "control 108 is not a rich edit";
  ASSERT_NE(edit->GetHost(), nullptr);
  EXPECT_EQ(edit->GetLimitText(), 512);
  EXPECT_EQ(edit->GetEditStyle() & kEditMultiline, 0u);
  EXPECT_FALSE(edit->IsWantReturn());
  // Laid out by the row: 20 from the left, 12 from the top, 24 high.
  const RECT pos = edit->GetPosition();
  EXPECT_EQ(pos.left, 20);
  EXPECT_EQ(pos.top, 12);
  EXPECT_EQ(pos.bottom - pos.top, 24);
  const RECT client = edit->GetHost()->GetClientRect();
  EXPECT_EQ(client.left, pos.left + 5);
  EXPECT_EQ(client.bottom, pos.bottom - 2);

  const std::wstring directory = L"C:\\Program Files\\Zephyra";
  edit->SetText(directory);
  EXPECT_EQ(manager_->ControlById(108)->GetText(), directory);
  edit->SetFocus();
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_END, 1);
  Type(L"2");
  EXPECT_EQ(edit->GetText(), directory + L"2");
  EXPECT_LT(DarkestChannel(TextPixels(edit)), 0x80) << "the field's text is not drawn";
}

constexpr wchar_t kSkinWithChildren[] = LR"(<Window size="300,100">
  <Font name="Tahoma" size="14" default="true" />
  <VerticalLayout>
    <RichEdit name="search" pos="0,0,200,30" float="true" inset="4,2,4,2" multiline="false" rich="false">
      <Control name="glass" width="16" height="16" padding="2,5,3,0" />
      <Button name="clear" width="20" format="right" padding="0,0,6,0" />
    </RichEdit>
  </VerticalLayout>
</Window>)";

TEST_F(RichEditTest, ChildrenArePlacedAlongTheContentLeftRunAndRightRun) {
  RegisterRichEditControls();
  RegisterBasicControls();
  YdXmlParse parse;
  YdControl* root = parse.BuildWindow(nullptr, manager_, kSkinWithChildren, kXmlSourceText, L"", nullptr);
  ASSERT_NE(root, nullptr);
  manager_->AttachRoot(root);
  PaintNow(hwnd_);
  YdControl* glass = manager_->ControlByName(L"glass");
  YdControl* clear = manager_->ControlByName(L"clear");
  ASSERT_NE(glass, nullptr);
  ASSERT_NE(clear, nullptr);
  // Content 4..196 x 2..28: the glass after its padding, the clear button
  // at the right edge less its right padding, as high as the content.
  const RECT g = glass->GetPosition();
  EXPECT_EQ(g.left, 6);
  EXPECT_EQ(g.top, 7);
  EXPECT_EQ(g.right - g.left, 16);
  const RECT c = clear->GetPosition();
  EXPECT_EQ(c.right, 190);
  EXPECT_EQ(c.left, 170);
  EXPECT_EQ(c.top, 2);
  EXPECT_EQ(c.bottom, 28);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
