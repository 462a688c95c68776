// control_attributes.h -- the attribute vocabulary of the control base as a
// table: each key names a setter (an id), the syntax of its value and, for
// state-dependent properties, the state it sets. ApplyAttribute looks the key
// up (exact, case-sensitive; the first entry wins), parses the value with
// ParseAttributeValue (through YdControl::ParseEntryValue, which also
// applies the window's scale to a length syntax) and switches on the id. Every control class with keys
// of its own keeps its own table, chained to its base class's table: its
// ApplyAttribute looks a key up in its own entries (FindOwnAttribute) and
// passes any other key to its base class's ApplyAttribute, so the search
// order is the chain's. Where a class reads a value its own way (a reading
// the shared parsers do not offer), its case reads the text as it stands
// and the entry's syntax still says what form the value takes. Also here:
// the word lists of
// "align", "flags", "notify", "dispatch" and "format", and what the notify
// and forward masks mean.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/yd_namespace.h"
#include "ui/control/control_state.h"
#include "ui/render/geometry.h"

namespace ZEPHYRA_NAMESPACE {

enum class YdValueSyntax : uint8_t {
  kString,        // stored as it stands
  kDescriptor,    // an image descriptor, stored as it stands
  kAttributeList, // an attribute-list string, stored as it stands
  kChar,          // the first character (0 for an empty value)
  kColour,        // colour, "#" only as the first character
  kColourTrimmed, // colour after skipping characters up to 0x20
  kInt,
  kRect,
  kPair,
  // Lengths in 96-DPI pixels: read as kInt, kRect and kPair, and applied
  // multiplied by the window's display scale (YdControl::ApplyValue).
  kLength,
  kLengthRect,
  kLengthPair,
  kBool,
  kAlignWords,    // text style keywords, see ApplyAlignWords
  kFlagWords,     // behaviour flag bits
  kNotifyWords,   // notify mask bits
  kDispatchWords, // forward mask bits
  kFormatWords,   // child alignment bits
};

// Setter ids of the control base, in the order the keys are compared.
enum class YdControlAttr : uint8_t {
  kAlign, kEndEllipsis, kPathEllipsis, kTextColour, kFont, kRowHeight, kTextPadding,
  kStatusImage, kBkNormalImage, kBkImage, kPos, kFlags, kNotify, kDispatch, kFormat,
  kPadding, kCut, kTextSpecialStyle, kAutoTextColour, kNormalBkColour, kBkColour,
  kBorderColour, kFocusedBorderColour, kBorderSize, kWidth, kHeight, kName, kText,
  kToolTip, kCustomToolTip, kEnabled, kVisible, kRelFloat, kAbsFloat, kFloat, kCapture,
  kRoundCorner, kUserData, kTag, kShortcut, kMinWidth, kMinHeight, kMaxWidth, kMaxHeight,
  kId, kAutoTip, kToolTipDelayTime, kHasBeenHover, kCaption, kSpaceReturn, kHtmlText,
  kBkFromMemory, kMemoryBkArea, kMemoryBitmapAlpha, kBkColourPadding,
  kNormalBkColourPadding, kAutoExpand, kTextShadow, kTextAutoTipPadding,
  kFontStandbyAttrib, kInheritToolTip, kToolTipMaxWidth, kReduce,
};

// One key of a class's vocabulary. `id` is the class's own setter id (for
// the control base a YdControlAttr); `state` is the state a per-state key
// sets (kNormal for the others).
struct YdAttributeEntry {
  const char* key;
  int id;
  YdValueSyntax syntax;
  YdVisualState state;
};

template <typename Id>
constexpr YdAttributeEntry AttributeEntry(const char* key, Id id, YdValueSyntax syntax,
                                          YdVisualState state = YdVisualState::kNormal) {
  return {key, static_cast<int>(id), syntax, state};
}

struct YdAttributeTable {
  const YdAttributeEntry* entries;
  size_t count;
  const YdAttributeTable* base;  // searched after this table; null at the root
};

// The control base's vocabulary.
const YdAttributeTable& ControlAttributeTable();

// The entry for `key` in `table` or, failing that, its base tables; null for
// a key no table knows (the attribute is ignored).
const YdAttributeEntry* FindAttribute(const YdAttributeTable& table, std::u16string_view key);

// The entry for `key` in `table`'s own entries only (not its base tables).
const YdAttributeEntry* FindOwnAttribute(const YdAttributeTable& table, std::u16string_view key);

// A parsed value; which member holds it depends on the syntax: text for the
// string kinds, colour for colours and kChar, number for kInt and kLength,
// rect for kRect and kLengthRect, pair for kPair and kLengthPair, flag for kBool, bits for the word lists other
// than kAlignWords (to be OR-ed into the mask they enable).
struct YdAttributeValue {
  std::u16string text;
  uint32_t colour = 0;
  int number = 0;
  YdRect rect;
  YdPoint pair;
  bool flag = false;
  uint64_t bits = 0;
};
YdAttributeValue ParseAttributeValue(YdValueSyntax syntax, std::u16string_view value);

// Whether values of `syntax` are lengths (kLength, kLengthRect, kLengthPair).
constexpr bool IsLengthSyntax(YdValueSyntax syntax) {
  return syntax == YdValueSyntax::kLength || syntax == YdValueSyntax::kLengthRect ||
         syntax == YdValueSyntax::kLengthPair;
}

// DrawTextW format bits touched by "align", and the control's text style.
enum YdTextFormatBit : uint32_t {
  kTextCenter = 0x1, kTextRight = 0x2, kTextVCenter = 0x4, kTextBottom = 0x8,
  kTextWordBreak = 0x10, kTextSingleLine = 0x20, kTextNoPrefix = 0x800,
  kTextPathEllipsis = 0x4000, kTextEndEllipsis = 0x8000,
};
struct YdTextStyle {
  uint32_t format = kTextNoPrefix;
  bool autoCenter = false;
  bool autoLength = false;
};

// "align": each keyword found applies its effect, in the order left, vcen,
// center, right, top, bottom, singleline, wordbreak, autocenter, autolength.
// Because "center" is part of "autocenter", "autocenter" alone leaves
// center cleared.
void ApplyAlignWords(YdTextStyle& style, std::u16string_view value);

// Behaviour flags (bit positions): 1 setcursor, 2 enterrolltext, 3 tabstop.
enum YdBehaviourFlag : int { kFlagSetCursor = 1, kFlagEnterRollText = 2, kFlagTabStop = 3 };
using YdBehaviourFlags = std::bitset<4>;

// Child alignment bits read by the parent container ("format").
enum YdChildAlign : uint32_t {
  kAlignTop = 1, kAlignRight = 2, kAlignBottom = 4, kAlignTopmost = 8,
  kAlignCenter = 0x10, kAlignVCenter = 0x20,
};

// Notify mask: bit n allows the control to raise notification type n.
// Forward mask: bit n passes event type n on to the parent.
using YdNotifyMask = std::bitset<38>;
using YdForwardMask = std::bitset<22>;

// The word of a notification type or event type ("click", "keydown", ...),
// empty when it has none.
std::string_view NotifyWord(int type);
std::string_view EventWord(int type);

// Types with a word are raised only when the notify mask has them; other
// types (14, 26, 27, 32 to 35, ...) are raised without that test.
bool NotifyNeedsMask(int type);
bool MayRaiseNotify(int type, const YdNotifyMask& mask);

}  // namespace ZEPHYRA_NAMESPACE
