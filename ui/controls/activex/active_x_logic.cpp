// active_x_logic.cpp -- pure decisions of the ActiveX host.
#include "ui/controls/activex/active_x_logic.h"

#include <mshtmhst.h>

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {

namespace {

std::wstring Trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t\r\n");
  if (first == std::wstring::npos) return {};
  const size_t last = text.find_last_not_of(L" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

YdClassNameForm ClassifyClassName(const std::wstring& text) {
  const std::wstring t = Trimmed(text);
  if (t.empty()) return YdClassNameForm::kEmpty;
  if (t.front() == L'{') return t.back() == L'}' ? YdClassNameForm::kGuid : YdClassNameForm::kEmpty;
  return YdClassNameForm::kProgId;
}

YdActiveXRects ActiveXRectsFor(const RECT& controlPos, bool windowless) {
  RECT pos = controlPos;
  if (pos.right < pos.left) pos.right = pos.left;
  if (pos.bottom < pos.top) pos.bottom = pos.top;
  YdActiveXRects rects{};
  rects.hostWindow = pos;
  if (windowless) {
    rects.object = pos;
  } else {
    rects.object = {0, 0, pos.right - pos.left, pos.bottom - pos.top};
  }
  return rects;
}

YdHostWindowClip HostWindowClipFor(const RECT& controlPos, const std::vector<RECT>& clips) {
  const RECT pos = ActiveXRectsFor(controlPos, false).hostWindow;
  RECT v = pos;
  for (const RECT& c : clips) {
    v.left = std::max(v.left, c.left);
    v.top = std::max(v.top, c.top);
    v.right = std::min(v.right, c.right);
    v.bottom = std::min(v.bottom, c.bottom);
  }
  YdHostWindowClip clip{};
  clip.whole = v.left == pos.left && v.top == pos.top && v.right == pos.right && v.bottom == pos.bottom;
  if (v.left < v.right && v.top < v.bottom) {
    clip.visible = {v.left - pos.left, v.top - pos.top, v.right - pos.left, v.bottom - pos.top};
  }
  return clip;
}

DWORD DocHostFlagsFor(bool border3d, bool scrollBar) {
  DWORD flags = DOCHOSTUIFLAG_THEME;
  if (!border3d) flags |= DOCHOSTUIFLAG_NO3DBORDER;
  if (!scrollBar) flags |= DOCHOSTUIFLAG_SCROLL_NO;
  return flags;
}

bool IsWindowlessMouseMessage(UINT msg) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsWindowlessKeyMessage(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
      return true;
    default:
      return false;
  }
}

}  // namespace ZEPHYRA_NAMESPACE
