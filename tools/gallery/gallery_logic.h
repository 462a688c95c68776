// gallery_logic.h -- the gallery viewer's decisions as plain functions: how
// the slider drives the progress bars, how the step button advances them,
// which colour a choice of the combo or the menu paints, and the texts of
// the labels that show what the controls did.
#pragma once

#include <cstdint>
#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// The progress value (0..100, rounded to nearest) for slider value `value`
// in [minimum, maximum]; values outside are clamped, an empty range gives 0.
int ProgressForSlide(int value, int minimum, int maximum);

// The value after one press of the step button: `value` + `step`, and 0
// again once the result would pass 100 (a full bar shows as 100 first).
int NextStepValue(int value, int step);

// The swatch colour (#AARRGGBB text) of a colour choice named `name`
// ("Red", "Green", "Blue", "Amber"); the neutral grey for any other name.
std::wstring ChoiceColour(const std::wstring& name);

// "<caption>: <value>", the text of the labels that echo a choice.
std::wstring EchoText(const std::wstring& caption, const std::wstring& value);

}  // namespace ZEPHYRA_NAMESPACE
