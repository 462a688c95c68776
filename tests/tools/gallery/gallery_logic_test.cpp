// gallery_logic_test.cpp -- the gallery viewer's decisions: slider value to
// progress, the step button's advance and wrap, the colour of a choice and
// the echo texts.
#include <gtest/gtest.h>

#include <climits>

#include "tools/gallery/gallery_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(GalleryLogic, SlideValueMapsOntoTheProgressRangeRoundedAndClamped) {
  EXPECT_EQ(ProgressForSlide(30, 0, 100), 30);
  EXPECT_EQ(ProgressForSlide(0, 0, 100), 0);
  EXPECT_EQ(ProgressForSlide(100, 0, 100), 100);
  // Another range: 15 of 10..20 is half way; 1 of 0..3 rounds to 33, 2 to 67.
  EXPECT_EQ(ProgressForSlide(15, 10, 20), 50);
  EXPECT_EQ(ProgressForSlide(1, 0, 3), 33);
  EXPECT_EQ(ProgressForSlide(2, 0, 3), 67);
  EXPECT_EQ(ProgressForSlide(-5, -10, 10), 25);
  // Outside the range: clamped.
  EXPECT_EQ(ProgressForSlide(-1, 0, 100), 0);
  EXPECT_EQ(ProgressForSlide(250, 0, 100), 100);
  // An empty or reversed range gives 0 instead of a division by zero.
  EXPECT_EQ(ProgressForSlide(5, 5, 5), 0);
  EXPECT_EQ(ProgressForSlide(5, 10, 0), 0);
  // The full int range does not overflow.
  EXPECT_EQ(ProgressForSlide(0, INT_MIN, INT_MAX), 50);
  EXPECT_EQ(ProgressForSlide(INT_MAX - 1, INT_MIN, INT_MAX), 100);
}

TEST(GalleryLogic, StepAdvancesShowsAFullBarOnceThenStartsOver) {
  EXPECT_EQ(NextStepValue(30, 10), 40);
  EXPECT_EQ(NextStepValue(95, 10), 100);  // capped, not past the end
  EXPECT_EQ(NextStepValue(100, 10), 0);   // a full bar starts over
  EXPECT_EQ(NextStepValue(-20, 10), 10);  // a value below 0 counts as 0
  EXPECT_EQ(NextStepValue(40, 0), 40);
  EXPECT_EQ(NextStepValue(40, -10), 40);  // a step never goes backwards
  // Ten presses from 0 reach 100, the eleventh starts over.
  int value = 0;
  for (int i = 0; i < 10; ++i) value = NextStepValue(value, 10);
  EXPECT_EQ(value, 100);
  EXPECT_EQ(NextStepValue(value, 10), 0);
}

TEST(GalleryLogic, ChoiceColoursAndEchoTexts) {
  EXPECT_EQ(ChoiceColour(L"Red"), L"#FFEB5757");
  EXPECT_EQ(ChoiceColour(L"Green"), L"#FF27AE60");
  EXPECT_EQ(ChoiceColour(L"Blue"), L"#FF2F80ED");
  EXPECT_EQ(ChoiceColour(L"Amber"), L"#FFF2994A");
  // Names are matched exactly; anything else is the neutral grey.
  EXPECT_EQ(ChoiceColour(L"red"), L"#FF828282");
  EXPECT_EQ(ChoiceColour(L""), L"#FF828282");
  EXPECT_EQ(EchoText(L"Combo", L"Blue"), L"Combo: Blue");
  EXPECT_EQ(EchoText(L"Size", L""), L"Size: ");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
