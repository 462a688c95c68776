// rich_edit_logic_test.cpp -- the rich edit's pure decisions: style bits of
// the attributes, unit and colour conversions, the host's property bits,
// scroll ranges, Return handling and the message filter's classes.
#include <gtest/gtest.h>

#include "ui/controls/rich_edit/rich_edit_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

uint32_t Styled(uint32_t style, const wchar_t* key, const wchar_t* value) {
  EXPECT_TRUE(ApplyStyleAttribute(&style, key, value)) << "key " << static_cast<const void*>(key);
  return style;
}

TEST(RichEditStyle, ScrollAttributesAddBitsOnlyForTrue) {
  EXPECT_EQ(Styled(kEditMultiline, L"vscrollbar", L"true"), kEditMultiline | kEditVScroll | kEditDisableNoScroll);
  EXPECT_EQ(Styled(kEditMultiline, L"hscrollbar", L"true"), kEditMultiline | kEditHScroll | kEditDisableNoScroll);
  EXPECT_EQ(Styled(0, L"autovscroll", L"true"), kEditAutoVScroll);
  EXPECT_EQ(Styled(0, L"autohscroll", L"true"), kEditAutoHScroll);
  // "false" never removes a scroll bit that is already there.
  EXPECT_EQ(Styled(kEditVScroll, L"vscrollbar", L"false"), kEditVScroll);
  EXPECT_EQ(Styled(0, L"vscrollbar", L"TRUE"), 0u);  // only the exact text "true"
}

TEST(RichEditStyle, MultilineOnlyActsOnFalse) {
  EXPECT_EQ(Styled(kEditMultiline, L"multiline", L"false"), 0u);
  EXPECT_EQ(Styled(kEditMultiline, L"multiline", L"true"), kEditMultiline);
  EXPECT_EQ(Styled(0, L"multiline", L"true"), 0u);  // "true" does not bring it back
}

TEST(RichEditStyle, ReadOnlyPasswordAndAlignSetAndClear) {
  EXPECT_EQ(Styled(0, L"readonly", L"true"), kEditReadOnly);
  EXPECT_EQ(Styled(kEditReadOnly | kEditMultiline, L"readonly", L"false"), kEditMultiline);
  EXPECT_EQ(Styled(0, L"password", L"true"), kEditPassword);
  EXPECT_EQ(Styled(kEditPassword, L"password", L"no"), 0u);
  EXPECT_EQ(Styled(kEditRight, L"align", L"center"), kEditCenter);
  EXPECT_EQ(Styled(kEditCenter, L"align", L"right"), kEditRight);
  EXPECT_EQ(Styled(kEditCenter | kEditMultiline, L"align", L"left"), kEditMultiline);
  uint32_t style = 7;
  EXPECT_FALSE(ApplyStyleAttribute(&style, L"wantreturn", L"true"));
  EXPECT_FALSE(ApplyStyleAttribute(&style, L"maxchar", L"512"));
  EXPECT_EQ(style, 7u);
}

TEST(RichEditUnits, ColourTwipsHimetricAndLimit) {
  EXPECT_EQ(ArgbToColorref(0xFF2B3A4Fu), 0x004F3A2Bu);
  EXPECT_EQ(ArgbToColorref(0x00123456u), 0x00563412u);
  EXPECT_EQ(FontHeightToTwips(-12, 96), 180);  // 12 px at 96 dpi = 9 pt
  EXPECT_EQ(FontHeightToTwips(-16, 120), 192);
  EXPECT_EQ(FontHeightToTwips(-12, 0), 0);
  EXPECT_EQ(PixelsToHimetric(96, 96), 2540);
  EXPECT_EQ(PixelsToHimetric(245, 96), 6482);  // 6482.29 rounded
  EXPECT_EQ(PixelsToHimetric(0, 96), 0);
  EXPECT_EQ(PixelsToHimetric(100, 96), 2646);   // 2645.83 rounded
  EXPECT_EQ(PixelsToHimetric(144, 144), 2540);
  EXPECT_EQ(PixelsToHimetric(10, 0), 0);
  EXPECT_EQ(EffectiveTextLimit(512), 512);
  EXPECT_EQ(EffectiveTextLimit(0), 32767);
  EXPECT_EQ(EffectiveTextLimit(-5), 32767);
  EXPECT_EQ(ParagraphAlignment(0), 1);
  EXPECT_EQ(ParagraphAlignment(kEditRight), 2);
  EXPECT_EQ(ParagraphAlignment(kEditCenter | kEditRight), 3);
  EXPECT_TRUE(WordWrapForStyle(kEditMultiline | kEditVScroll));
  EXPECT_FALSE(WordWrapForStyle(kEditAutoHScroll));
  EXPECT_FALSE(WordWrapForStyle(kEditHScroll));
}

TEST(RichEditHost, PropertyBitsFollowFlagsStyleAndMask) {
  YdHostFlags flags;
  const uint32_t all = 0xFFFFFFFFu;
  const uint32_t always = kTextBitSaveSelection | kTextBitAutoWordSel | kTextBitAllowBeep | kTextBitHideSelection;
  EXPECT_EQ(HostPropertyBits(flags, 0, all), always);
  flags = {true, true, true, true};
  EXPECT_EQ(HostPropertyBits(flags, kEditMultiline, all),
            always | kTextBitWordWrap | kTextBitRichText | kTextBitReadOnly | kTextBitUsePassword | kTextBitMultiline);
  // ES_NOHIDESEL keeps the selection shown.
  EXPECT_EQ(HostPropertyBits(flags, kEditNoHideSel, kTextBitHideSelection), 0u);
  EXPECT_EQ(HostPropertyBits(flags, kEditMultiline, kTextBitMultiline | kTextBitUsePassword),
            kTextBitMultiline | kTextBitUsePassword);
}

TEST(RichEditHost, ScrollRangeSubtractsTheClientExtent) {
  EXPECT_EQ(ScrollBarRange(0, 300, 100), 200);
  EXPECT_EQ(ScrollBarRange(0, 100, 100), 0);
  EXPECT_EQ(ScrollBarRange(0, 80, 100), 0);
  EXPECT_EQ(ScrollBarRange(20, 320, 100), 200);
}

TEST(RichEditKeys, ReturnIsSwallowedUnlessWanted) {
  constexpr unsigned kReturn = 0x0D;
  EXPECT_EQ(ClassifyKeyDown('A', false, false, false), YdKeyAction::kPassOn);
  EXPECT_EQ(ClassifyKeyDown(kReturn, false, false, true), YdKeyAction::kReturnSwallowed);
  EXPECT_EQ(ClassifyKeyDown(kReturn, false, true, false), YdKeyAction::kReturnPassOn);
  EXPECT_EQ(ClassifyKeyDown(kReturn, true, true, false), YdKeyAction::kCtrlReturnSwallowed);
  // Ctrl+Return that is wanted falls back to the plain Return rule.
  EXPECT_EQ(ClassifyKeyDown(kReturn, true, false, true), YdKeyAction::kReturnSwallowed);
  EXPECT_EQ(ClassifyKeyDown(kReturn, true, true, true), YdKeyAction::kReturnPassOn);
}

TEST(RichEditFilter, MessageClassesAndHandledRule) {
  EXPECT_EQ(ClassifyFilterMessage(0x200), YdFilterClass::kMouse);  // WM_MOUSEMOVE
  EXPECT_EQ(ClassifyFilterMessage(0x20A), YdFilterClass::kMouse);  // WM_MOUSEWHEEL
  EXPECT_EQ(ClassifyFilterMessage(0x20), YdFilterClass::kMouse);   // WM_SETCURSOR
  EXPECT_EQ(ClassifyFilterMessage(0x20B), YdFilterClass::kNone);   // WM_XBUTTONDOWN
  EXPECT_EQ(ClassifyFilterMessage(0x100), YdFilterClass::kKeyboard);
  EXPECT_EQ(ClassifyFilterMessage(0x109), YdFilterClass::kKeyboard);  // WM_UNICHAR
  EXPECT_EQ(ClassifyFilterMessage(0x10A), YdFilterClass::kNone);
  EXPECT_EQ(ClassifyFilterMessage(0x7B), YdFilterClass::kContextMenu);
  EXPECT_EQ(ClassifyFilterMessage(0x53), YdFilterClass::kHelp);
  EXPECT_EQ(ClassifyFilterMessage(0x0F), YdFilterClass::kNone);  // WM_PAINT

  EXPECT_FALSE(FilterReportsHandled(0x200, true, true));  // mouse move: hover tracking stays
  EXPECT_FALSE(FilterReportsHandled(0x20, true, true));   // set cursor
  EXPECT_FALSE(FilterReportsHandled(0x53, true, false));  // help
  EXPECT_TRUE(FilterReportsHandled(0x201, true, false));  // accepted button down
  EXPECT_FALSE(FilterReportsHandled(0x201, false, false));
  EXPECT_TRUE(FilterReportsHandled(0x202, false, true));  // button up while the host captures
  EXPECT_TRUE(FilterReportsHandled(0x100, false, false)); // keyboard, even when not accepted
  EXPECT_TRUE(FilterReportsHandled(0x102, false, false));
  EXPECT_FALSE(FilterReportsHandled(0x7B, false, false));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
