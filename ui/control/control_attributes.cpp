// control_attributes.cpp -- the control base's attribute table and the
// keyword lists of its word-list attributes.
#include "ui/control/control_attributes.h"

#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

using A = YdControlAttr;
using V = YdValueSyntax;
using S = YdVisualState;

#define YD_ATTR(key, id, syntax) {key, static_cast<int>(A::id), V::syntax, S::kNormal}
#define YD_STATE_ATTR(key, id, syntax, state) {key, static_cast<int>(A::id), V::syntax, S::state}

const YdAttributeEntry kControlEntries[] = {
    YD_ATTR("align", kAlign, kAlignWords),
    YD_ATTR("endellipsis", kEndEllipsis, kBool),
    YD_ATTR("pathellipsis", kPathEllipsis, kBool),
    YD_STATE_ATTR("normaltextcolor", kTextColour, kColour, kNormal),
    YD_STATE_ATTR("hottextcolor", kTextColour, kColour, kHot),
    YD_STATE_ATTR("pushedtextcolor", kTextColour, kColour, kPushed),
    YD_STATE_ATTR("selectedtextcolor", kTextColour, kColour, kSelected),
    YD_STATE_ATTR("disabledtextcolor", kTextColour, kColour, kDisabled),
    YD_STATE_ATTR("normalfont", kFont, kString, kNormal),
    YD_STATE_ATTR("hotfont", kFont, kString, kHot),
    YD_STATE_ATTR("pushedfont", kFont, kString, kPushed),
    YD_STATE_ATTR("selectedfont", kFont, kString, kSelected),
    YD_STATE_ATTR("disabledfont", kFont, kString, kDisabled),
    YD_ATTR("rowheight", kRowHeight, kLength),
    YD_STATE_ATTR("normaltextpadding", kTextPadding, kLengthRect, kNormal),
    YD_STATE_ATTR("hottextpadding", kTextPadding, kLengthRect, kHot),
    YD_STATE_ATTR("pushedtextpadding", kTextPadding, kLengthRect, kPushed),
    YD_STATE_ATTR("selectedtextpadding", kTextPadding, kLengthRect, kSelected),
    YD_STATE_ATTR("disabledtextpadding", kTextPadding, kLengthRect, kDisabled),
    YD_STATE_ATTR("normalimage", kStatusImage, kDescriptor, kNormal),
    YD_STATE_ATTR("hotimage", kStatusImage, kDescriptor, kHot),
    YD_STATE_ATTR("pushedimage", kStatusImage, kDescriptor, kPushed),
    YD_STATE_ATTR("focusedimage", kStatusImage, kDescriptor, kFocused),
    YD_STATE_ATTR("disabledimage", kStatusImage, kDescriptor, kDisabled),
    YD_STATE_ATTR("selectedimage", kStatusImage, kDescriptor, kSelected),
    YD_ATTR("bknormalimage", kBkNormalImage, kDescriptor),
    YD_STATE_ATTR("bkhotimage", kBkImage, kDescriptor, kHot),
    YD_STATE_ATTR("bkpushedimage", kBkImage, kDescriptor, kPushed),
    YD_STATE_ATTR("bkfocusedimage", kBkImage, kDescriptor, kFocused),
    YD_STATE_ATTR("bkdisabledimage", kBkImage, kDescriptor, kDisabled),
    YD_STATE_ATTR("bkselectedimage", kBkImage, kDescriptor, kSelected),
    YD_ATTR("pos", kPos, kLengthRect),
    YD_ATTR("flags", kFlags, kFlagWords),
    YD_ATTR("notify", kNotify, kNotifyWords),
    YD_ATTR("dispatch", kDispatch, kDispatchWords),
    YD_ATTR("format", kFormat, kFormatWords),
    YD_ATTR("padding", kPadding, kLengthRect),
    YD_ATTR("cut", kCut, kLengthRect),
    YD_STATE_ATTR("normaltextspecialstyle", kTextSpecialStyle, kLengthPair, kNormal),
    YD_STATE_ATTR("hottextspecialstyle", kTextSpecialStyle, kLengthPair, kHot),
    YD_STATE_ATTR("pushedtextspecialstyle", kTextSpecialStyle, kLengthPair, kPushed),
    YD_STATE_ATTR("selectedtextspecialstyle", kTextSpecialStyle, kLengthPair, kSelected),
    YD_STATE_ATTR("disabledtextspecialstyle", kTextSpecialStyle, kLengthPair, kDisabled),
    YD_ATTR("autotextcolor", kAutoTextColour, kColourTrimmed),
    YD_ATTR("normalbkcolor", kNormalBkColour, kColourTrimmed),
    YD_STATE_ATTR("hotbkcolor", kBkColour, kColourTrimmed, kHot),
    YD_STATE_ATTR("pushedbkcolor", kBkColour, kColourTrimmed, kPushed),
    YD_STATE_ATTR("selectedbkcolor", kBkColour, kColourTrimmed, kSelected),
    YD_STATE_ATTR("focusedbkcolor", kBkColour, kColourTrimmed, kFocused),
    YD_STATE_ATTR("disabledbkcolor", kBkColour, kColourTrimmed, kDisabled),
    YD_ATTR("bordercolor", kBorderColour, kColourTrimmed),
    YD_ATTR("focusedbordercolor", kFocusedBorderColour, kColourTrimmed),
    YD_ATTR("bordersize", kBorderSize, kLength),
    YD_ATTR("width", kWidth, kLength),
    YD_ATTR("height", kHeight, kLength),
    YD_ATTR("name", kName, kString),
    YD_ATTR("text", kText, kString),
    YD_ATTR("tooltip", kToolTip, kString),
    YD_ATTR("customtooltip", kCustomToolTip, kBool),
    YD_ATTR("enabled", kEnabled, kBool),
    YD_ATTR("visible", kVisible, kBool),
    YD_ATTR("relfloat", kRelFloat, kBool),
    YD_ATTR("absfloat", kAbsFloat, kBool),
    YD_ATTR("float", kFloat, kBool),
    YD_ATTR("capture", kCapture, kBool),
    YD_ATTR("roundcorner", kRoundCorner, kLengthPair),
    YD_ATTR("userdata", kUserData, kString),
    YD_ATTR("tag", kTag, kInt),
    YD_ATTR("shortcut", kShortcut, kChar),
    YD_ATTR("minwidth", kMinWidth, kLength),
    YD_ATTR("minheight", kMinHeight, kLength),
    YD_ATTR("maxwidth", kMaxWidth, kLength),
    YD_ATTR("maxheight", kMaxHeight, kLength),
    YD_ATTR("id", kId, kInt),
    YD_ATTR("autotip", kAutoTip, kBool),
    YD_ATTR("tooltipdelaytime", kToolTipDelayTime, kInt),
    YD_ATTR("hasbeenhover", kHasBeenHover, kBool),
    YD_ATTR("caption", kCaption, kBool),
    YD_ATTR("spacereturn", kSpaceReturn, kBool),
    YD_ATTR("htmltext", kHtmlText, kBool),
    YD_ATTR("bkfrommemory", kBkFromMemory, kBool),
    YD_ATTR("memorybkarea", kMemoryBkArea, kRect),
    YD_ATTR("memorybitmapalpha", kMemoryBitmapAlpha, kBool),
    YD_ATTR("bkcolorpadding", kBkColourPadding, kLengthRect),
    YD_ATTR("normalbkcolorpadding", kNormalBkColourPadding, kLengthRect),
    YD_ATTR("autoexpand", kAutoExpand, kBool),
    YD_ATTR("textshadow", kTextShadow, kBool),
    YD_ATTR("textautotippadding", kTextAutoTipPadding, kLength),
    YD_STATE_ATTR("normalfontstandbyattrib", kFontStandbyAttrib, kAttributeList, kNormal),
    YD_STATE_ATTR("hotfontstandbyattrib", kFontStandbyAttrib, kAttributeList, kHot),
    YD_STATE_ATTR("pushedfontstandbyattrib", kFontStandbyAttrib, kAttributeList, kPushed),
    YD_STATE_ATTR("selectedfontstandbyattrib", kFontStandbyAttrib, kAttributeList, kSelected),
    YD_STATE_ATTR("disabledfontstandbyattrib", kFontStandbyAttrib, kAttributeList, kDisabled),
    YD_ATTR("inherittooltip", kInheritToolTip, kBool),
    YD_ATTR("tooltipmaxwidth", kToolTipMaxWidth, kLength),
    YD_ATTR("reduce", kReduce, kBool),
};

#undef YD_ATTR
#undef YD_STATE_ATTR

bool KeyEquals(std::u16string_view key, const char* name) {
  size_t i = 0;
  for (; name[i] != '\0'; ++i) {
    if (i >= key.size() || key[i] != static_cast<unsigned char>(name[i])) return false;
  }
  return i == key.size();
}

struct Word {
  const char* word;
  int value;
};

// Index = type; null where the type has no word.
const char* const kNotifyWords[38] = {
    nullptr, nullptr, "click", "mouseenter", "mousehover", "mouseleave", nullptr,
    "setfocus", "killfocus", "lbuttondown", "lbuttonup", "rbuttondown", "contextmenu",
    "lbuttondbclick", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "tooltip", "poschange"};

const char* const kEventWords[22] = {
    nullptr, "keydown", "keyup", "char", "syskeydown", "syskeyup", "mousemove",
    "mouseleave", "mouseenter", "mousehover", "mousewheel", "lbuttondown", "lbuttonup",
    "rbuttondown", "lbuttondblclk", "contextmenu", "killfocus", "setfocus", "setcursor",
    "timer", "activate", "tooltip"};

uint64_t WordBits(std::u16string_view value, const char* const* words, size_t count) {
  uint64_t bits = 0;
  for (size_t type = 0; type < count; ++type) {
    if (words[type] && ContainsWord(value, words[type])) bits |= uint64_t{1} << type;
  }
  return bits;
}

uint64_t DispatchBits(std::u16string_view value) {
  uint64_t bits = WordBits(value, kEventWords, 22);
  if (ContainsWord(value, "lbuttondbclick")) bits |= uint64_t{1} << 14;
  return bits;
}

uint64_t TableBits(std::u16string_view value, const Word* words, size_t count) {
  uint64_t bits = 0;
  for (size_t i = 0; i < count; ++i) {
    if (ContainsWord(value, words[i].word)) bits |= static_cast<uint64_t>(words[i].value);
  }
  return bits;
}

const Word kFormatWords[] = {{"vcen", kAlignVCenter}, {"center", kAlignCenter},
                             {"right", kAlignRight},  {"top", kAlignTop},
                             {"bottom", kAlignBottom}, {"topmost", kAlignTopmost}};
const Word kFlagWords[] = {{"setcursor", 1 << kFlagSetCursor},
                           {"enterrolltext", 1 << kFlagEnterRollText},
                           {"tabstop", 1 << kFlagTabStop}};

}  // namespace

const YdAttributeTable& ControlAttributeTable() {
  static const YdAttributeTable table{kControlEntries,
                                      sizeof(kControlEntries) / sizeof(kControlEntries[0]), nullptr};
  return table;
}

const YdAttributeEntry* FindAttribute(const YdAttributeTable& table, std::u16string_view key) {
  for (const YdAttributeTable* t = &table; t != nullptr; t = t->base) {
    if (const YdAttributeEntry* entry = FindOwnAttribute(*t, key)) return entry;
  }
  return nullptr;
}

const YdAttributeEntry* FindOwnAttribute(const YdAttributeTable& table, std::u16string_view key) {
  for (size_t i = 0; i < table.count; ++i) {
    if (KeyEquals(key, table.entries[i].key)) return &table.entries[i];
  }
  return nullptr;
}

YdAttributeValue ParseAttributeValue(YdValueSyntax syntax, std::u16string_view value) {
  YdAttributeValue v;
  switch (syntax) {
    case V::kString:
    case V::kDescriptor:
    case V::kAttributeList:
    case V::kAlignWords:
      v.text = std::u16string(value);
      break;
    case V::kChar:
      v.colour = value.empty() ? 0 : value[0];
      break;
    case V::kColour:
      v.colour = ParseColour(value, false);
      break;
    case V::kColourTrimmed:
      v.colour = ParseColour(value, true);
      break;
    case V::kInt:
    case V::kLength:
      v.number = ParseInt(value);
      break;
    case V::kRect:
    case V::kLengthRect:
      v.rect = ParseRect(value);
      break;
    case V::kPair:
    case V::kLengthPair:
      v.pair = ParsePair(value);
      break;
    case V::kBool:
      v.flag = ParseBool(value);
      break;
    case V::kFlagWords:
      v.bits = TableBits(value, kFlagWords, sizeof(kFlagWords) / sizeof(kFlagWords[0]));
      break;
    case V::kNotifyWords:
      v.bits = WordBits(value, kNotifyWords, 38);
      break;
    case V::kDispatchWords:
      v.bits = DispatchBits(value);
      break;
    case V::kFormatWords:
      v.bits = TableBits(value, kFormatWords, sizeof(kFormatWords) / sizeof(kFormatWords[0]));
      break;
  }
  return v;
}

void ApplyAlignWords(YdTextStyle& style, std::u16string_view value) {
  uint32_t& f = style.format;
  if (ContainsWord(value, "left")) f &= ~(kTextCenter | kTextRight);
  if (ContainsWord(value, "vcen")) f = (f | kTextVCenter) & ~kTextBottom;
  if (ContainsWord(value, "center")) f = (f | kTextCenter) & ~kTextRight;
  if (ContainsWord(value, "right")) f = (f | kTextRight) & ~kTextCenter;
  if (ContainsWord(value, "top")) f &= ~(kTextVCenter | kTextBottom);
  if (ContainsWord(value, "bottom")) f = (f | kTextBottom) & ~kTextVCenter;
  if (ContainsWord(value, "singleline")) f = (f | kTextSingleLine) & ~kTextWordBreak;
  if (ContainsWord(value, "wordbreak")) f = (f | kTextWordBreak) & ~kTextSingleLine;
  if (ContainsWord(value, "autocenter")) {
    f &= ~kTextCenter;
    style.autoCenter = true;
  }
  if (ContainsWord(value, "autolength")) style.autoLength = true;
}

std::string_view NotifyWord(int type) {
  if (type < 0 || type >= 38 || kNotifyWords[type] == nullptr) return {};
  return kNotifyWords[type];
}

std::string_view EventWord(int type) {
  if (type < 0 || type >= 22 || kEventWords[type] == nullptr) return {};
  return kEventWords[type];
}

bool NotifyNeedsMask(int type) { return !NotifyWord(type).empty(); }

bool MayRaiseNotify(int type, const YdNotifyMask& mask) {
  if (!NotifyNeedsMask(type)) return true;
  return mask.test(static_cast<size_t>(type));
}

}  // namespace ZEPHYRA_NAMESPACE
