// State selection: precedence per property family, fallback past unset
// values, the families without focused or selected states, and the
// rolling-text and special-style arithmetic.
#include <gtest/gtest.h>

#include "ui/control/control_state.h"
#include "ui/control/text_effects.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using S = YdVisualState;

TEST(StateSelection, PrecedenceAndFallback) {
  YdStateValues<uint32_t> colours;
  colours.normal = 0xFF000000;
  colours.hot = 0xFF0000FF;
  colours.pushed = 0xFF00FF00;
  colours.disabled = 0xFF808080;
  const uint8_t hotPushed = kStateHot | kStatePushed;
  EXPECT_EQ(colours.Select(hotPushed, YdStateFamily::kText), colours.pushed);
  EXPECT_EQ(colours.Select(hotPushed | kStateDisabled, YdStateFamily::kText), colours.disabled);
  // Selected has no value: the search continues with pushed.
  EXPECT_EQ(colours.Select(hotPushed | kStateSelected, YdStateFamily::kText), colours.pushed);
  EXPECT_EQ(colours.Select(kStateSelected, YdStateFamily::kText), colours.normal);
  EXPECT_EQ(colours.Select(0, YdStateFamily::kText), colours.normal);
  // A state's value without its bit is never taken.
  EXPECT_EQ(colours.Select(kStateCaptured, YdStateFamily::kText), colours.normal);
  colours.pushed = 0;  // unset colour falls back to hot
  EXPECT_EQ(colours.Select(hotPushed, YdStateFamily::kText), colours.hot);
}

TEST(StateSelection, FocusedOnlyWhereTheFamilyHasIt) {
  YdStateValues<std::u16string> images;
  images.normal = u"n";
  images.focused = u"f";
  images.selected = u"s";
  EXPECT_EQ(images.Select(kStateFocused, YdStateFamily::kStatusImage), u"f");
  EXPECT_EQ(images.Select(kStateFocused, YdStateFamily::kText), u"n");
  EXPECT_EQ(images.Select(kStateFocused | kStateSelected, YdStateFamily::kStatusImage), u"s");
  // Background images skip the selected state.
  EXPECT_EQ(images.Select(kStateFocused | kStateSelected, YdStateFamily::kBkImage), u"f");
  EXPECT_EQ(images.Select(kStateSelected, YdStateFamily::kBkImage), u"n");

  EXPECT_EQ(StateCandidates(0xFF, YdStateFamily::kStatusImage),
            (std::vector<S>{S::kDisabled, S::kSelected, S::kPushed, S::kHot, S::kFocused, S::kNormal}));
  EXPECT_EQ(StateCandidates(0xFF, YdStateFamily::kBkImage),
            (std::vector<S>{S::kDisabled, S::kPushed, S::kHot, S::kFocused, S::kNormal}));
  EXPECT_EQ(StateCandidates(kStateHot | kStateFocused, YdStateFamily::kBkColour),
            (std::vector<S>{S::kHot, S::kFocused, S::kNormal}));
}

TEST(StateSelection, PaddingsAndSpecialStylesCountAsSetByTheirOwnRule) {
  YdStateValues<YdRect> paddings;
  paddings.normal = {1, 1, 1, 1};
  paddings.hot = {0, 0, 0, 2};
  EXPECT_EQ(paddings.Select(kStateHot, YdStateFamily::kText), paddings.hot);
  paddings.hot = {};
  EXPECT_EQ(paddings.Select(kStateHot, YdStateFamily::kText), paddings.normal);

  YdStateValues<YdSpecialStyle> styles;
  styles.hot = {0, 1};
  EXPECT_EQ(styles.Select(kStateHot, YdStateFamily::kText).dy, 1);
  EXPECT_FALSE(styles.Select(0, YdStateFamily::kText).IsSet());
}

TEST(StateBits, RecomputedAtPaint) {
  EXPECT_EQ(PaintStateBits(kStateHot, false, false), kStateHot | kStateDisabled);
  EXPECT_EQ(PaintStateBits(kStateDisabled | kStateFocused, true, false), 0);
  EXPECT_EQ(PaintStateBits(kStatePushed, true, true), kStatePushed | kStateFocused);
}

TEST(TextEffects, RollingCopiesAndReducedOffset) {
  EXPECT_EQ(ReduceRollOffset(5, 40), 5);
  EXPECT_EQ(ReduceRollOffset(50, 40), 0);
  EXPECT_EQ(ReduceRollOffset(1000003, 40), 3);
  EXPECT_EQ(ReduceRollOffset(-3, 40), 47);
  // Text 40 wide in [100, 180): copies every 50 pixels.
  EXPECT_EQ(RollingTextCopies(100, 180, 0, 40), (std::vector<int>{100, 150}));
  EXPECT_EQ(RollingTextCopies(100, 180, 45, 40), (std::vector<int>{105, 155}));  // 55 ends at 95
  EXPECT_EQ(RollingTextCopies(100, 180, 30, 40), (std::vector<int>{70, 120, 170}));
  // A huge offset gives the same picture as its reduction.
  EXPECT_EQ(RollingTextCopies(100, 180, 30 + 50 * 100000, 40), RollingTextCopies(100, 180, 30, 40));
  EXPECT_TRUE(RollingTextCopies(100, 100, 0, 40).empty());
}

TEST(TextEffects, SpecialStyleColours) {
  EXPECT_EQ(SpecialStyleColour(0xFF112233), 0x7FEEDDCCu);
  EXPECT_EQ(SpecialStyleColour(0x40112233), 0xFFEEDDCCu);
  EXPECT_EQ(SpecialStyleColour(0xFF000000), 0x7FFFFFFFu);
  EXPECT_EQ(FittingRollSpecialStyleColour(0xFF112233), 0x80EEDDCCu);
  EXPECT_EQ(FittingRollSpecialStyleColour(0x40112233), 0x00EEDDCCu);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
