// edit_picture_logic.cpp -- portable decisions of the edit family and the
// picture controls.
#include "ui/controls/edit_picture/edit_picture_logic.h"

#include <algorithm>
#include <climits>
#include <cwchar>

#include "common/format.h"

namespace ZEPHYRA_NAMESPACE {

int ClampSpinNumber(int value, int minimum, int maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  return std::min(std::max(value, minimum), maximum);
}

int StepSpinNumber(int value, int increment, int minimum, int maximum, bool up) {
  const long long step = increment < 0 ? -static_cast<long long>(increment) : increment;
  long long next = static_cast<long long>(value) + (up ? step : -step);
  next = std::min<long long>(std::max<long long>(next, INT_MIN), INT_MAX);
  return ClampSpinNumber(static_cast<int>(next), minimum, maximum);
}

bool IsModifierKey(unsigned vk) {
  switch (vk) {
    case 0x10: case 0x11: case 0x12:          // VK_SHIFT, VK_CONTROL, VK_MENU
    case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:
    case 0x5B: case 0x5C:                     // VK_LWIN, VK_RWIN
      return true;
    default:
      return false;
  }
}

namespace {
std::wstring KeyName(unsigned vk) {
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::wstring(1, static_cast<wchar_t>(vk));
  if (vk >= 0x70 && vk <= 0x87) return L"F" + WideDecimal(vk - 0x70 + 1);  // VK_F1..VK_F24
  if (vk >= 0x60 && vk <= 0x69) return L"Num " + WideDecimal(vk - 0x60);
  switch (vk) {
    case 0x08: return L"Backspace";
    case 0x09: return L"Tab";
    case 0x0D: return L"Enter";
    case 0x1B: return L"Esc";
    case 0x20: return L"Space";
    case 0x21: return L"PgUp";
    case 0x22: return L"PgDn";
    case 0x23: return L"End";
    case 0x24: return L"Home";
    case 0x25: return L"Left";
    case 0x26: return L"Up";
    case 0x27: return L"Right";
    case 0x28: return L"Down";
    case 0x2D: return L"Ins";
    case 0x2E: return L"Del";
    default: break;
  }
  wchar_t buf[16];
  std::swprintf(buf, 16, L"0x%02X", vk & 0xFFu);
  return buf;
}
}  // namespace

std::wstring FormatHotKey(unsigned vk, unsigned modifiers) {
  std::wstring out;
  if (modifiers & kHotKeyCtrl) out += L"Ctrl+";
  if (modifiers & kHotKeyShift) out += L"Shift+";
  if (modifiers & kHotKeyAlt) out += L"Alt+";
  if (IsModifierKey(vk)) return out;
  return out + KeyName(vk);
}

bool ParseRange(const std::wstring& text, int* lo, int* hi) {
  const wchar_t* p = text.c_str();
  wchar_t* end = nullptr;
  const long a = std::wcstol(p, &end, 10);
  if (end == p) return false;
  while (*end == L' ') ++end;
  if (*end == 0) {
    *lo = 0;
    *hi = static_cast<int>(a);
  } else {
    if (*end != L',') return false;
    const wchar_t* q = end + 1;
    const long b = std::wcstol(q, &end, 10);
    if (end == q) return false;
    *lo = static_cast<int>(a);
    *hi = static_cast<int>(b);
  }
  if (*lo > *hi) std::swap(*lo, *hi);
  return true;
}

YdSpinParts SpinArrowParts(int left, int top, int right, int bottom, int arrowWidth) {
  const int w = std::max(0, std::min(arrowWidth, right - left));
  return {right - w, top, right, top + (bottom - top) / 2, bottom};
}

std::wstring MaskedText(const std::wstring& text, wchar_t mask) { return std::wstring(text.size(), mask); }

}  // namespace ZEPHYRA_NAMESPACE
