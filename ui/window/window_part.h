// window_part.h -- what a window control (a "WndControl" element, or a
// control of the window-control kind made by the builder callback) is handed
// by the skin builder, so that its child window can later have its own part
// of the same skin built through the installed skin builder.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class IBuilderCallback;

// Where a skin comes from (the builder's source kinds).
constexpr int kXmlSourceText = 1;
constexpr int kXmlSourceFile = 2;
constexpr int kXmlSourceResource = 3;

// What a window control (a "WndControl" element, or a control of kind 23
// made by the callback) receives so that it can build its own part of the
// same skin later with BuildWindowPart.
struct YdWindowControlInfo {
  HWND parentWindow = nullptr;
  std::wstring source;
  int sourceKind = kXmlSourceText;
  std::wstring resourceType;
  bool hasWindowName = false;
  std::string windowName;
  int id = 0;
  IBuilderCallback* callback = nullptr;
};

// Implemented by window controls next to their YdControl base; the builder
// hands them their data and leaves their XML children unbuilt.
class IYdWindowControlReceiver {
 public:
  virtual void ReceiveWindowControlInfo(const YdWindowControlInfo& info) = 0;

 protected:
  ~IYdWindowControlReceiver() = default;
};

}  // namespace ZEPHYRA_NAMESPACE
