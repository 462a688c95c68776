// gallery_logic.cpp -- the gallery viewer's decisions; see gallery_logic.h.
#include "tools/gallery/gallery_logic.h"

namespace ZEPHYRA_NAMESPACE {

int ProgressForSlide(int value, int minimum, int maximum) {
  if (maximum <= minimum) return 0;
  if (value <= minimum) return 0;
  if (value >= maximum) return 100;
  const long long span = static_cast<long long>(maximum) - minimum;
  const long long offset = static_cast<long long>(value) - minimum;
  return static_cast<int>((offset * 100 + span / 2) / span);
}

int NextStepValue(int value, int step) {
  if (value < 0) value = 0;
  if (value >= 100) return 0;
  const long long next = static_cast<long long>(value) + (step > 0 ? step : 0);
  return next >= 100 ? 100 : static_cast<int>(next);
}

std::wstring ChoiceColour(const std::wstring& name) {
  if (name == L"Red") return L"#FFEB5757";
  if (name == L"Green") return L"#FF27AE60";
  if (name == L"Blue") return L"#FF2F80ED";
  if (name == L"Amber") return L"#FFF2994A";
  return L"#FF828282";
}

std::wstring EchoText(const std::wstring& caption, const std::wstring& value) {
  return caption + L": " + value;
}

}  // namespace ZEPHYRA_NAMESPACE
