// rich_edit_logic.h -- the decisions of the rich edit and its text host as
// pure functions: edit style bits from skin attributes, colour and unit
// conversions for the text services, the property bits the host reports,
// scroll ranges, what a key press does, and which window messages the rich
// edit's message filter takes and reports as handled. Portable, so the
// tests also run on the build machine.
#pragma once

#include <cstdint>
#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Edit style bits (the values of the Win32 edit and window styles).
constexpr uint32_t kEditCenter = 0x1;
constexpr uint32_t kEditRight = 0x2;
constexpr uint32_t kEditMultiline = 0x4;
constexpr uint32_t kEditPassword = 0x20;
constexpr uint32_t kEditAutoVScroll = 0x40;
constexpr uint32_t kEditAutoHScroll = 0x80;
constexpr uint32_t kEditNoHideSel = 0x100;
constexpr uint32_t kEditReadOnly = 0x800;
constexpr uint32_t kEditDisableNoScroll = 0x2000;
constexpr uint32_t kEditHScroll = 0x100000;
constexpr uint32_t kEditVScroll = 0x200000;
// The scroll-bar and auto-scroll bits a host reports to the text services.
constexpr uint32_t kEditScrollBitsMask = 0x3020C0;

constexpr int kDefaultTextLimit = 0x7FFF;
constexpr uint32_t kDefaultPlaceholderColour = 0xFF9F9F9F;

// Property bits of the text services (the TXTBIT_ values).
enum YdTextBit : uint32_t {
  kTextBitRichText = 0x1, kTextBitMultiline = 0x2, kTextBitReadOnly = 0x4,
  kTextBitUsePassword = 0x10, kTextBitHideSelection = 0x20, kTextBitSaveSelection = 0x40,
  kTextBitAutoWordSel = 0x80, kTextBitWordWrap = 0x400, kTextBitAllowBeep = 0x800,
  kTextBitViewInsetChange = 0x2000, kTextBitBackStyleChange = 0x4000,
  kTextBitMaxLengthChange = 0x8000, kTextBitCharFormatChange = 0x20000,
};

// Applies one of the style keys ("vscrollbar", "autovscroll", "hscrollbar",
// "autohscroll", "multiline", "readonly", "password", "align") to `style`.
// False (style untouched) for any other key.
bool ApplyStyleAttribute(uint32_t* style, const std::wstring& key, const std::wstring& value);

// 0xAARRGGBB to the 0x00BBGGRR of a character format.
uint32_t ArgbToColorref(uint32_t argb);
// A font height in pixels (negative for character height) to twips at
// `logPixelsY` dots per inch; 0 when the device reports no resolution.
int32_t FontHeightToTwips(int fontHeight, int logPixelsY);
// A length in pixels to HIMETRIC (2540 per inch), rounded to nearest.
int32_t PixelsToHimetric(int pixels, int logPixels);
// The limit of characters: 0 or less gives 32767.
int EffectiveTextLimit(int limit);
// Paragraph alignment of the style: 1 left, 2 right, 3 centre.
uint16_t ParagraphAlignment(uint32_t style);
// Word wrap: on when the style scrolls neither automatically nor with a bar
// horizontally.
bool WordWrapForStyle(uint32_t style);

struct YdHostFlags {
  bool wordWrap = false;
  bool richText = false;
  bool readOnly = false;
  bool password = false;  // password display on
};
// The property bits the host answers for `mask`.
uint32_t HostPropertyBits(const YdHostFlags& flags, uint32_t style, uint32_t mask);

// The range a scroll bar gets from the text services' (min, max) and the
// client extent along the bar; 0 or less hides the bar.
int ScrollBarRange(int minPos, int maxPos, int clientExtent);

// What WM_KEYDOWN does in the rich edit.
enum class YdKeyAction {
  kPassOn,        // to the text services, raising notification 20
  kReturnSwallowed,      // notification 15, key not passed on
  kCtrlReturnSwallowed,  // notification 16, key not passed on
  kReturnPassOn,  // Return reaches the text services without notification 20
};
YdKeyAction ClassifyKeyDown(unsigned virtualKey, bool ctrlDown, bool wantReturn, bool wantCtrlReturn);

// Classes of window messages for the rich edit's message filter.
enum class YdFilterClass { kNone, kMouse, kKeyboard, kContextMenu, kHelp };
YdFilterClass ClassifyFilterMessage(unsigned msg);
// Whether a taken message is reported as handled to the paint manager.
bool FilterReportsHandled(unsigned msg, bool servicesAccepted, bool hostHasCapture);

}  // namespace ZEPHYRA_NAMESPACE
