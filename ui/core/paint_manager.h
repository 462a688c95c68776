// paint_manager.h -- the per-window paint manager. For now it holds what the
// drawing primitives need: the window's font table and its window DC.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/core/font_table.h"

namespace ZEPHYRA_NAMESPACE {

class YdPaintManager {
 public:
  YdPaintManager() = default;
  YdPaintManager(const YdPaintManager&) = delete;
  YdPaintManager& operator=(const YdPaintManager&) = delete;
  ~YdPaintManager();

  // Binds the manager to a window and takes its window DC (released when the
  // manager is destroyed or bound again).
  void Init(HWND window);
  HWND GetPaintWindow() const { return window_; }
  HDC GetPaintDC() const { return window_dc_; }

  // Layered windows draw every colour and text through the alpha paths.
  bool IsLayered() const { return layered_; }
  void SetLayered(bool layered) { layered_ = layered; }

  YdFontInfo* AddFont(const std::wstring& name, const std::wstring& face, int size, bool bold,
                      bool underline, bool italic) {
    return fonts_.AddFont(name, face, size, bold, underline, italic);
  }
  YdFontInfo* GetFont(const std::wstring& name) { return fonts_.GetFont(name); }
  YdFontInfo* GetDefaultFont() { return fonts_.GetDefaultFont(); }
  bool IsFontInstalled(const std::wstring& name) { return fonts_.IsFontInstalled(name); }
  YdFontTable& Fonts() { return fonts_; }

 private:
  void ReleaseWindowDC();

  HWND window_ = nullptr;
  HDC window_dc_ = nullptr;
  bool layered_ = false;
  YdFontTable fonts_;
};

}  // namespace ZEPHYRA_NAMESPACE
