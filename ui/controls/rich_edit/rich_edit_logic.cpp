// rich_edit_logic.cpp -- pure decisions of the rich edit and its text host.
#include "ui/controls/rich_edit/rich_edit_logic.h"

#include <cstdlib>

#include "ui/values/attribute_values.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

constexpr unsigned kMsgSetCursor = 0x20;
constexpr unsigned kMsgHelp = 0x53;
constexpr unsigned kMsgContextMenu = 0x7B;
constexpr unsigned kMsgKeyFirst = 0x100;
constexpr unsigned kMsgChar = 0x102;
constexpr unsigned kMsgKeyLast = 0x109;
constexpr unsigned kMsgMouseMove = 0x200;
constexpr unsigned kMsgMouseWheel = 0x20A;
constexpr unsigned kMsgImeChar = 0x286;
constexpr unsigned kVkReturn = 0x0D;

void SetBits(uint32_t* style, uint32_t bits, bool on) {
  if (on) {
    *style |= bits;
  } else {
    *style &= ~bits;
  }
}

bool IsTrue(const std::wstring& value) { return ParseBool(ToUtf16(value)); }

}  // namespace

bool ApplyStyleAttribute(uint32_t* style, const std::wstring& key, const std::wstring& value) {
  if (key == L"vscrollbar") {
    if (IsTrue(value)) *style |= kEditVScroll | kEditDisableNoScroll;
  } else if (key == L"autovscroll") {
    if (IsTrue(value)) *style |= kEditAutoVScroll;
  } else if (key == L"hscrollbar") {
    if (IsTrue(value)) *style |= kEditHScroll | kEditDisableNoScroll;
  } else if (key == L"autohscroll") {
    if (IsTrue(value)) *style |= kEditAutoHScroll;
  } else if (key == L"multiline") {
    // Only "false" acts: a rich edit is multi-line unless told otherwise.
    if (value == L"false") *style &= ~kEditMultiline;
  } else if (key == L"readonly") {
    SetBits(style, kEditReadOnly, IsTrue(value));
  } else if (key == L"password") {
    SetBits(style, kEditPassword, IsTrue(value));
  } else if (key == L"align") {
    const std::u16string words = ToUtf16(value);
    if (ContainsWord(words, "left")) SetBits(style, kEditCenter | kEditRight, false);
    if (ContainsWord(words, "center")) {
      *style |= kEditCenter;
      *style &= ~kEditRight;
    }
    if (ContainsWord(words, "right")) {
      *style |= kEditRight;
      *style &= ~kEditCenter;
    }
  } else {
    return false;
  }
  return true;
}

uint32_t ArgbToColorref(uint32_t argb) {
  return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

int32_t FontHeightToTwips(int fontHeight, int logPixelsY) {
  if (logPixelsY <= 0) return 0;
  return static_cast<int32_t>(-static_cast<int64_t>(fontHeight) * 1440 / logPixelsY);
}

int32_t PixelsToHimetric(int pixels, int logPixels) {
  if (logPixels <= 0) return 0;
  const int64_t scaled = static_cast<int64_t>(pixels) * 2540;
  const int64_t half = logPixels / 2;
  return static_cast<int32_t>(scaled >= 0 ? (scaled + half) / logPixels : (scaled - half) / logPixels);
}

int EffectiveTextLimit(int limit) { return limit <= 0 ? kDefaultTextLimit : limit; }

uint16_t ParagraphAlignment(uint32_t style) {
  if ((style & kEditCenter) != 0) return 3;
  if ((style & kEditRight) != 0) return 2;
  return 1;
}

bool WordWrapForStyle(uint32_t style) { return (style & (kEditAutoHScroll | kEditHScroll)) == 0; }

uint32_t HostPropertyBits(const YdHostFlags& flags, uint32_t style, uint32_t mask) {
  uint32_t bits = kTextBitSaveSelection | kTextBitAutoWordSel | kTextBitAllowBeep;
  if (flags.richText) bits |= kTextBitRichText;
  if ((style & kEditMultiline) != 0) bits |= kTextBitMultiline;
  if (flags.readOnly) bits |= kTextBitReadOnly;
  if (flags.password) bits |= kTextBitUsePassword;
  if (flags.wordWrap) bits |= kTextBitWordWrap;
  if ((style & kEditNoHideSel) == 0) bits |= kTextBitHideSelection;
  return bits & mask;
}

int ScrollBarRange(int minPos, int maxPos, int clientExtent) {
  const int64_t range = static_cast<int64_t>(maxPos) - minPos - clientExtent;
  if (range <= 0) return 0;
  return range > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(range);
}

YdKeyAction ClassifyKeyDown(unsigned virtualKey, bool ctrlDown, bool wantReturn, bool wantCtrlReturn) {
  if (virtualKey != kVkReturn) return YdKeyAction::kPassOn;
  if (ctrlDown && !wantCtrlReturn) return YdKeyAction::kCtrlReturnSwallowed;
  if (!wantReturn) return YdKeyAction::kReturnSwallowed;
  return YdKeyAction::kReturnPassOn;
}

YdFilterClass ClassifyFilterMessage(unsigned msg) {
  if ((msg >= kMsgMouseMove && msg <= kMsgMouseWheel) || msg == kMsgSetCursor) return YdFilterClass::kMouse;
  if (msg >= kMsgKeyFirst && msg <= kMsgKeyLast) return YdFilterClass::kKeyboard;
  if (msg == kMsgContextMenu) return YdFilterClass::kContextMenu;
  if (msg == kMsgHelp) return YdFilterClass::kHelp;
  return YdFilterClass::kNone;
}

bool FilterReportsHandled(unsigned msg, bool servicesAccepted, bool hostHasCapture) {
  // Hover tracking, the cursor and help stay with the paint manager.
  if (msg == kMsgMouseMove || msg == kMsgSetCursor || msg == kMsgHelp) return false;
  if (servicesAccepted) return true;
  const YdFilterClass cls = ClassifyFilterMessage(msg);
  if (cls == YdFilterClass::kKeyboard || msg == kMsgChar || msg == kMsgImeChar) return true;
  return cls == YdFilterClass::kMouse && hostHasCapture;
}

}  // namespace ZEPHYRA_NAMESPACE
