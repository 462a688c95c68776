// window_frame.h -- the frame of a borderless skinned window carried out on
// the real window: the hit-test answer for sizing borders and the caption
// (WM_NCHITTEST), the window region for "extendwnd", "roundcornerimage" and
// "roundcorner" (WM_SIZE) and the tracking-size limits (WM_GETMINMAXINFO).
// The decisions come from window_chrome.h; this class reads the window's
// state, asks them and applies the answer.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <functional>
#include <string>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/core/geometry.h"
#include "ui/core/window_chrome.h"

namespace ZEPHYRA_NAMESPACE {

// The frame attributes of a skin's <Window> element.
struct YdWindowAttributes {
  YdSize size;            // "size": initial client size (0 = keep)
  YdSize minInfo;         // "mininfo"
  YdSize maxInfo;         // "maxinfo"
  YdRect caption;         // "caption"
  YdSizeBox sizebox;      // "sizebox"
  YdWindowShape shape;    // "extendwnd", "mainarea", "closearea", "roundcornerimage", "roundcorner"
};

class YdWindowFrame {
  // The attributes are passed with every message: they live with the
  // window's paint manager, which the skin builder fills.
 public:
  YdWindowFrame() = default;
  YdWindowFrame(const YdWindowFrame&) = delete;
  YdWindowFrame& operator=(const YdWindowFrame&) = delete;

  // Answers whether the topmost visible control at a client point has its
  // "caption" flag; asked only for points of the caption area.
  void SetCaptionProbe(std::function<bool(YdPoint)> probe) { caption_probe_ = std::move(probe); }

  // Handles the frame's messages for `window`; returns true with `result`
  // set when the message is answered here. WM_GETMINMAXINFO adjusts the
  // record and is left to the default procedure (false).
  bool HandleMessage(HWND window, const YdWindowAttributes& attributes, UINT msg, WPARAM wParam,
                     LPARAM lParam, LRESULT& result);

  // Gives the window the region its shape attributes describe for its
  // current client size (what WM_SIZE does).
  void ApplyRegion(HWND window, const YdWindowShape& shape);

 private:
  int HitTest(HWND window, const YdWindowAttributes& attributes, LPARAM lParam) const;
  std::function<bool(YdPoint)> caption_probe_;
  // The region built once from "roundcornerimage"; each SetWindowRgn gets a
  // copy, because the window owns (and frees) what it is given.
  ScopedRegion corner_image_region_;
  bool rounded_region_set_ = false;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
