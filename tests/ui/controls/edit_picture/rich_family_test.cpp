// rich_family_test.cpp -- the rich edit's descendants from a literal skin:
// the spin edit's number, limits, arrows (clicks, keys, images) and its
// check on leaving; the hot-key edit capturing combinations; the extend
// edit's range.
#include "tests/ui/controls/edit_picture/edit_picture_fixture.h"
#include "ui/controls/edit_picture/extend_edit.h"
#include "ui/controls/edit_picture/hot_key_edit.h"
#include "ui/controls/edit_picture/spin_edit.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

constexpr wchar_t kSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <Font name="Tahoma" size="14" default="true" />
  <VerticalLayout name="page" normalbkcolor="#FFFFFFFF">
    <SpinEdit name="spin" height="30" width="120" number="5" minnumber="-2" maxnumber="7" incnumber="3"
              uparrow="m3_red" downarrow="m3_blue" multiline="false" rich="false" />
    <HotKeyEdit name="hotkey" height="30" multiline="false" rich="false" />
    <ExtendEdit name="extend" height="30" range="-5,20" multiline="false" rich="false" />
    <SpinEdit name="late" height="30" number="150" maxnumber="200" multiline="false" rich="false" />
  </VerticalLayout>
</Window>)";

class RichFamilyTest : public EditPictureTest {
 protected:
  void SetUp() override {
    EditPictureTest::SetUp();
    ASSERT_NE(Build(kSkin), nullptr);
    spin_ = ByName<YdSpinEdit>(L"spin", kKindRichEdit);
    hotkey_ = ByName<YdHotKeyEdit>(L"hotkey", kKindHotKeyEdit);
    extend_ = ByName<YdExtendEdit>(L"extend", kKindRichEdit);
    ASSERT_NE(spin_, nullptr);
    ASSERT_NE(hotkey_, nullptr);
    ASSERT_NE(extend_, nullptr);
  }
  void ClickArrow(bool up) {
    const YdSpinParts p = spin_->ArrowParts();
    Click((p.left + p.right) / 2, up ? (p.top + p.middle) / 2 : (p.middle + p.bottom) / 2);
  }
  std::vector<WPARAM> SpinValues() const {
    std::vector<WPARAM> out;
    for (const auto& n : NotesOf(kNotifyScrollPos)) {
      if (n.first == spin_) out.push_back(n.second);
    }
    return out;
  }
  YdSpinEdit* spin_ = nullptr;
  YdHotKeyEdit* hotkey_ = nullptr;
  YdExtendEdit* extend_ = nullptr;
};

TEST_F(RichFamilyTest, SpinAttributesAndLateLimits) {
  EXPECT_EQ(spin_->GetNumber(), 5);
  EXPECT_EQ(spin_->GetText(), L"5");
  EXPECT_EQ(spin_->GetMinNumber(), -2);
  EXPECT_EQ(spin_->GetMaxNumber(), 7);
  EXPECT_EQ(spin_->GetIncrement(), 3);
  // "number" came before "maxnumber": it is not cut to the default limit.
  auto* late = ByName<YdSpinEdit>(L"late", kKindRichEdit);
  ASSERT_NE(late, nullptr);
  EXPECT_EQ(late->GetNumber(), 150);
  EXPECT_EQ(late->GetText(), L"150");
}

TEST_F(RichFamilyTest, SpinArrowsStepWithinTheLimitsAndNotify) {
  ClickArrow(true);
  EXPECT_EQ(spin_->GetNumber(), 7);  // 8 is over the limit
  ClickArrow(true);                  // at the limit: nothing changes
  ClickArrow(false);
  ClickArrow(false);
  ClickArrow(false);
  ClickArrow(false);
  EXPECT_EQ(spin_->GetNumber(), -2);
  EXPECT_EQ(spin_->GetText(), L"-2");
  EXPECT_EQ(SpinValues(), (std::vector<WPARAM>{7, 4, 1, static_cast<WPARAM>(-2)}));
  // Up and Down keys while focused.
  spin_->SetFocus();
  KeyDown(VK_UP);
  EXPECT_EQ(spin_->GetNumber(), 1);
  KeyDown(VK_DOWN);
  EXPECT_EQ(spin_->GetNumber(), -2);
  // A click on the text part does not step.
  const RECT pos = spin_->GetPosition();
  Click(pos.left + 10, (pos.top + pos.bottom) / 2);
  EXPECT_EQ(spin_->GetNumber(), -2);
}

TEST_F(RichFamilyTest, SpinArrowImagesArePainted) {
  const YdSpinParts p = spin_->ArrowParts();
  EXPECT_EQ(Pixel((p.left + p.right) / 2, (p.top + p.middle) / 2), 0xFF0000u);
  EXPECT_EQ(Pixel((p.left + p.right) / 2, (p.middle + p.bottom) / 2), 0x0000FFu);
  EXPECT_EQ(Pixel(p.left - 30, p.top + 2), 0xFFFFFFu);  // the text part is not covered
}

TEST_F(RichFamilyTest, SpinTakesATypedNumberWithinTheLimitsOnLeaving) {
  spin_->SetText(L"99");
  spin_->SetFocus();
  hotkey_->SetFocus();
  EXPECT_EQ(spin_->GetNumber(), 7);
  EXPECT_EQ(spin_->GetText(), L"7");
  spin_->SetFocus();
  spin_->SetText(L"x1");
  hotkey_->SetFocus();
  EXPECT_EQ(spin_->GetNumber(), 7);
  EXPECT_EQ(spin_->GetText(), L"7");
}

TEST_F(RichFamilyTest, HotKeyCapturesCombinations) {
  hotkey_->SetFocus();
  KeyDown(VK_CONTROL);
  KeyDown(VK_SHIFT);
  KeyDown('A');
  EXPECT_EQ(hotkey_->GetText(), L"Ctrl+Shift+A");
  EXPECT_EQ(hotkey_->GetHotKey(), static_cast<unsigned>('A'));
  EXPECT_EQ(hotkey_->GetHotKeyModifiers(), kHotKeyCtrl | kHotKeyShift);
  Char(L'a');  // the character of the key is not inserted
  EXPECT_EQ(hotkey_->GetText(), L"Ctrl+Shift+A");
  KeyUp('A');
  KeyUp(VK_SHIFT);
  KeyUp(VK_CONTROL);
  KeyDown(VK_F5);
  EXPECT_EQ(hotkey_->GetText(), L"F5");
  EXPECT_EQ(hotkey_->GetHotKeyModifiers(), 0u);
  KeyDown(VK_BACK);  // alone: clears
  EXPECT_EQ(hotkey_->GetText(), L"");
  EXPECT_EQ(hotkey_->GetHotKey(), 0u);
  const auto notes = NotesOf(kNotifyTextChanged);
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0].first, hotkey_);
  EXPECT_EQ(notes[0].second, MAKEWPARAM('A', kHotKeyCtrl | kHotKeyShift));
  EXPECT_EQ(notes[1].second, static_cast<WPARAM>(VK_F5));
  EXPECT_EQ(notes[2].second, 0u);
}

TEST_F(RichFamilyTest, HotKeyIgnoresKeysWithoutTheFocus) {
  spin_->SetFocus();
  KeyDown(VK_F7);
  EXPECT_EQ(hotkey_->GetText(), L"");
  EXPECT_EQ(hotkey_->GetHotKey(), 0u);
}

TEST_F(RichFamilyTest, ExtendEditRange) {
  EXPECT_TRUE(extend_->HasRange());
  EXPECT_EQ(extend_->GetRangeLow(), -5);
  EXPECT_EQ(extend_->GetRangeHigh(), 20);
  extend_->SetFocus();
  for (wchar_t ch : std::wstring(L"1a9x")) Char(ch);
  EXPECT_EQ(extend_->GetText(), L"19");  // letters are refused
  Char(L'9');
  EXPECT_EQ(extend_->GetText(), L"199");
  spin_->SetFocus();  // leaving puts it within the range
  EXPECT_EQ(extend_->GetText(), L"20");
  extend_->SetText(L"-");
  extend_->SetFocus();
  spin_->SetFocus();
  EXPECT_EQ(extend_->GetText(), L"-5");  // no number: the lower bound
  extend_->ApplyAttribute(L"range", L"junk");
  EXPECT_FALSE(extend_->HasRange());
  extend_->SetFocus();
  KeyDown(VK_END);
  Char(L'q');
  EXPECT_EQ(extend_->GetText(), L"-5q");  // without a range it is free text
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
