// The control vocabulary: key lookup and chaining, value parsing per syntax,
// "align" keyword effects, and the notify, dispatch, format and flags words.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/control/control_attributes.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

YdControlAttr IdOf(const YdAttributeEntry* e) { return static_cast<YdControlAttr>(e->id); }

const YdAttributeEntry& Lookup(const char16_t* key) {
  const YdAttributeEntry* e = FindAttribute(ControlAttributeTable(), key);
  EXPECT_NE(e, nullptr) << std::u16string(key).size();
  static const YdAttributeEntry none{"", -1, YdValueSyntax::kString, YdVisualState::kNormal};
  return e ? *e : none;
}

TEST(ControlVocabulary, KeysAreExactAndUnique) {
  const YdAttributeTable& t = ControlAttributeTable();
  EXPECT_EQ(t.count, 96u);
  std::set<std::string> keys;
  for (size_t i = 0; i < t.count; ++i) EXPECT_TRUE(keys.insert(t.entries[i].key).second) << t.entries[i].key;
  EXPECT_EQ(FindAttribute(t, u"Text"), nullptr);
  EXPECT_EQ(FindAttribute(t, u"tex"), nullptr);
  EXPECT_EQ(FindAttribute(t, u"texts"), nullptr);
  EXPECT_EQ(FindAttribute(t, u" text"), nullptr);
  EXPECT_EQ(FindAttribute(t, u""), nullptr);
  EXPECT_EQ(IdOf(FindAttribute(t, u"text")), YdControlAttr::kText);
}

TEST(ControlVocabulary, StateKeysCarryTheirStateAndSyntax) {
  EXPECT_EQ(IdOf(&Lookup(u"hottextcolor")), YdControlAttr::kTextColour);
  EXPECT_EQ(Lookup(u"hottextcolor").state, YdVisualState::kHot);
  EXPECT_EQ(Lookup(u"hottextcolor").syntax, YdValueSyntax::kColour);
  EXPECT_EQ(Lookup(u"disabledbkcolor").state, YdVisualState::kDisabled);
  EXPECT_EQ(Lookup(u"disabledbkcolor").syntax, YdValueSyntax::kColourTrimmed);
  EXPECT_EQ(Lookup(u"focusedimage").state, YdVisualState::kFocused);
  EXPECT_EQ(Lookup(u"selectedimage").state, YdVisualState::kSelected);
  EXPECT_EQ(IdOf(&Lookup(u"bknormalimage")), YdControlAttr::kBkNormalImage);
  EXPECT_EQ(Lookup(u"bkselectedimage").state, YdVisualState::kSelected);
  EXPECT_EQ(Lookup(u"pushedtextspecialstyle").syntax, YdValueSyntax::kLengthPair);
  EXPECT_EQ(Lookup(u"selectedfontstandbyattrib").syntax, YdValueSyntax::kAttributeList);
  EXPECT_EQ(Lookup(u"normalbkcolor").syntax, YdValueSyntax::kColourTrimmed);
  EXPECT_EQ(Lookup(u"bordercolor").syntax, YdValueSyntax::kColourTrimmed);
  EXPECT_EQ(Lookup(u"normaltextcolor").syntax, YdValueSyntax::kColour);
  EXPECT_EQ(Lookup(u"roundcorner").syntax, YdValueSyntax::kLengthPair);
  EXPECT_EQ(IdOf(&Lookup(u"memorybitmapalpha")), YdControlAttr::kMemoryBitmapAlpha);
}

TEST(ControlVocabulary, SubclassTablesChainToTheBase) {
  static const YdAttributeEntry kOwn[] = {
      {"text", 1000, YdValueSyntax::kString, YdVisualState::kNormal},
      {"group", 1001, YdValueSyntax::kString, YdVisualState::kNormal},
  };
  const YdAttributeTable sub{kOwn, 2, &ControlAttributeTable()};
  EXPECT_EQ(FindAttribute(sub, u"group")->id, 1001);
  EXPECT_EQ(FindAttribute(sub, u"text")->id, 1000);  // the subclass's key wins
  EXPECT_EQ(IdOf(FindAttribute(sub, u"tooltip")), YdControlAttr::kToolTip);
  EXPECT_EQ(FindAttribute(sub, u"nosuchkey"), nullptr);
  // A class looks in its own entries only and passes other keys to its base.
  EXPECT_EQ(FindOwnAttribute(sub, u"group")->id, 1001);
  EXPECT_EQ(FindOwnAttribute(sub, u"tooltip"), nullptr);
}

TEST(ControlValues, ParsedPerSyntax) {
  auto parse = [](const char16_t* key, const char16_t* value) {
    return ParseAttributeValue(Lookup(key).syntax, value);
  };
  EXPECT_EQ(parse(u"normaltextcolor", u"#FFFFFFFF").colour, 0xFFFFFFFFu);
  EXPECT_EQ(parse(u"normaltextcolor", u" #FF168DDE").colour, 0u);
  EXPECT_EQ(parse(u"normalbkcolor", u" #FF168DDE").colour, 0xFF168DDEu);
  EXPECT_EQ(parse(u"pos", u"480,260,13,13").rect, (YdRect{480, 260, 13, 13}));
  EXPECT_EQ(parse(u"roundcorner", u"6,0").pair, (YdPoint{6, 0}));
  EXPECT_FALSE(parse(u"visible", u"TRUE").flag);
  EXPECT_TRUE(parse(u"visible", u"true").flag);
  EXPECT_EQ(parse(u"id", u"108").number, 108);
  EXPECT_EQ(parse(u"shortcut", u"Qx").colour, static_cast<uint32_t>(u'Q'));
  EXPECT_EQ(parse(u"shortcut", u"").colour, 0u);
  EXPECT_EQ(parse(u"bknormalimage", u"res='102' restype='PNG'").text, u"res='102' restype='PNG'");
}

YdTextStyle Align(const char16_t* value) {
  YdTextStyle s;
  ApplyAlignWords(s, value);
  return s;
}

TEST(ControlAlign, KeywordEffectsInOrder) {
  YdTextStyle s = Align(u"vcen  center singleline");
  EXPECT_EQ(s.format, kTextNoPrefix | kTextVCenter | kTextCenter | kTextSingleLine);
  s = Align(u"autocenter");
  EXPECT_EQ(s.format & kTextCenter, 0u);
  EXPECT_TRUE(s.autoCenter);
  EXPECT_FALSE(s.autoLength);
  // "right" is applied after "center" and undoes it; "left" comes first.
  EXPECT_EQ(Align(u"center right").format, kTextNoPrefix | kTextRight);
  EXPECT_EQ(Align(u"right left").format, kTextNoPrefix | kTextRight);
  EXPECT_EQ(Align(u"bottom vcen").format, kTextNoPrefix | kTextBottom);
  EXPECT_EQ(Align(u"top bottom").format, kTextNoPrefix | kTextBottom);
  EXPECT_EQ(Align(u"wordbreak singleline").format, kTextNoPrefix | kTextWordBreak);
  EXPECT_TRUE(Align(u"autolength").autoLength);
  s.format = kTextNoPrefix | kTextCenter | kTextVCenter | kTextWordBreak;
  ApplyAlignWords(s, u"left top singleline");
  EXPECT_EQ(s.format, kTextNoPrefix | kTextSingleLine);
}

uint64_t Bit(int n) { return uint64_t{1} << n; }

TEST(ControlMasks, NotifyWords) {
  auto bits = [](const char16_t* v) {
    return ParseAttributeValue(YdValueSyntax::kNotifyWords, v).bits;
  };
  EXPECT_EQ(bits(u"selectchanged"), 0u);
  EXPECT_EQ(bits(u"click"), Bit(2));
  EXPECT_EQ(bits(u"mouseenter mouseleave setfocus killfocus"), Bit(3) | Bit(5) | Bit(7) | Bit(8));
  EXPECT_EQ(bits(u"tooltip poschange"), Bit(36) | Bit(37));
  EXPECT_EQ(bits(u"rbuttondown contextmenu mousehover"), Bit(11) | Bit(12) | Bit(4));
  // Substring search: "lbuttondbclick" also contains "click".
  EXPECT_EQ(bits(u"lbuttondbclick"), Bit(13) | Bit(2));
  EXPECT_EQ(bits(u"lbuttondown,lbuttonup"), Bit(9) | Bit(10));
  EXPECT_EQ(bits(u"CLICK"), 0u);
}

TEST(ControlMasks, DispatchWordsIncludingTheSecondSpelling) {
  auto bits = [](const char16_t* v) {
    return ParseAttributeValue(YdValueSyntax::kDispatchWords, v).bits;
  };
  EXPECT_EQ(bits(u"lbuttondblclk"), Bit(14));
  EXPECT_EQ(bits(u"lbuttondbclick"), Bit(14));
  EXPECT_EQ(bits(u"mousewheel timer activate tooltip"), Bit(10) | Bit(19) | Bit(20) | Bit(21));
  EXPECT_EQ(bits(u"char setcursor"), Bit(3) | Bit(18));
  // "syskeydown" contains "keydown".
  EXPECT_EQ(bits(u"syskeydown"), Bit(4) | Bit(1));
  for (int type = 1; type <= 21; ++type) {
    const std::string_view w = EventWord(type);
    ASSERT_FALSE(w.empty()) << type;
    const std::u16string word(w.begin(), w.end());
    EXPECT_TRUE(bits(word.c_str()) & Bit(type)) << type;
  }
  EXPECT_TRUE(EventWord(0).empty());
  EXPECT_TRUE(EventWord(22).empty());
}

TEST(ControlMasks, FormatAndFlags) {
  auto format = [](const char16_t* v) {
    return ParseAttributeValue(YdValueSyntax::kFormatWords, v).bits;
  };
  EXPECT_EQ(format(u"left"), 0u);
  EXPECT_EQ(format(u"vcen center"), uint64_t{kAlignVCenter | kAlignCenter});
  EXPECT_EQ(format(u"right bottom"), uint64_t{kAlignRight | kAlignBottom});
  EXPECT_EQ(format(u"topmost"), uint64_t{kAlignTopmost | kAlignTop});
  const uint64_t flags = ParseAttributeValue(YdValueSyntax::kFlagWords, u"tabstop setcursor").bits;
  const YdBehaviourFlags f(flags);
  EXPECT_TRUE(f.test(kFlagTabStop));
  EXPECT_TRUE(f.test(kFlagSetCursor));
  EXPECT_FALSE(f.test(kFlagEnterRollText));
  EXPECT_FALSE(f.test(0));
}

TEST(ControlMasks, WhichNotificationsTheMaskGates) {
  YdNotifyMask mask;
  for (int type : {2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 36, 37}) {
    EXPECT_TRUE(NotifyNeedsMask(type)) << type;
    EXPECT_FALSE(MayRaiseNotify(type, mask)) << type;
  }
  for (int type : {1, 6, 14, 26, 27, 32, 33, 34, 35}) {
    EXPECT_FALSE(NotifyNeedsMask(type)) << type;
    EXPECT_TRUE(MayRaiseNotify(type, mask)) << type;
  }
  mask.set(2);
  EXPECT_TRUE(MayRaiseNotify(2, mask));
  EXPECT_EQ(NotifyWord(13), "lbuttondbclick");
  EXPECT_TRUE(NotifyWord(38).empty());
  EXPECT_TRUE(NotifyWord(-1).empty());
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
