// preview_wnd.h -- YdPreviewWnd, the skin previewer's window: any <Window>
// of any skin file, built by the skin builder like every skinned window,
// and its picture painted once into a bitmap of its own.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {

class YdPreviewWnd : public YdWindowImplBase {
 public:
  // `window` names the <Window> to build (empty: the skin's root element).
  YdPreviewWnd(std::wstring skinFile, std::string window);
  ~YdPreviewWnd() override;

  // Creates the window, hidden, at the skin's size kept within
  // kPreviewMaxSide; false when the skin builds no control tree.
  bool CreatePreview();
  // Paints the whole client area once (within kPreviewMaxSide on each side)
  // and gives its pixels bottom-up; the window must have been shown, so
  // that its controls were initialised by their first paint.
  bool Photograph(std::vector<uint32_t>* pixels, int* width, int* height);

  const wchar_t* QueryClassName() const override { return L"ZephyraSkinPreviewWnd"; }
  LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

 protected:
  std::string GetSkinWindowName() const override { return window_; }
  std::wstring GetSkinFile() const override { return skin_file_; }
  int GetSkinKind() const override { return kSkinFile; }

 private:
  std::wstring skin_file_;
  std::string window_;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
