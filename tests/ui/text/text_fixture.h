// text_fixture.h -- a paint manager bound to a hidden window, with fonts the
// text tests name: the default GUI font, "big", "bold", "italic" and "cjk".
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/ui/render/canvas.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    manager_.Init(window_);
    manager_.AddFont(L"big", L"Tahoma", 30, false, false, false);
    manager_.AddFont(L"bold", L"Tahoma", 13, true, false, false);
    manager_.AddFont(L"italic", L"Tahoma", 13, false, false, true);
    manager_.AddFont(L"cjk", L"SimSun", 14, false, false, false);
  }
  void TearDown() override {
    manager_.Init(nullptr);
    if (window_ != nullptr) ::DestroyWindow(window_);
  }
  // Width of `text` in the named font.
  int TextWidth(const std::wstring& text, const std::wstring& font) {
    Canvas canvas(1, 1);
    HGDIOBJ old = ::SelectObject(canvas.dc(), manager_.GetFont(font)->font.Get());
    SIZE size{};
    ::GetTextExtentPoint32W(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(canvas.dc(), old);
    return size.cx;
  }
  int LineHeight(const std::wstring& font) {
    const TEXTMETRICW& tm = manager_.GetFont(font)->metrics;
    return tm.tmHeight + tm.tmExternalLeading;
  }

  HWND window_ = nullptr;
  YdPaintManager manager_;
};

// Ink: a pixel whose colour differs from the background's.
inline int InkColumns(const Canvas& canvas, uint32_t background, int* first, int* last) {
  *first = -1;
  *last = -1;
  for (int x = 0; x < canvas.width(); ++x) {
    if (canvas.CountNot(RECT{x, 0, x + 1, canvas.height()}, background) > 0) {
      if (*first < 0) *first = x;
      *last = x;
    }
  }
  return *first < 0 ? 0 : *last - *first + 1;
}

inline int InkRows(const Canvas& canvas, uint32_t background, int* first, int* last) {
  *first = -1;
  *last = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    if (canvas.CountNot(RECT{0, y, canvas.width(), y + 1}, background) > 0) {
      if (*first < 0) *first = y;
      *last = y;
    }
  }
  return *first < 0 ? 0 : *last - *first + 1;
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
