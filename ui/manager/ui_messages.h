// ui_messages.h -- the records and one-operation interfaces that connect the
// paint manager, its windows and the windowless controls: the event record
// a control receives (YdEvent), the notification record listeners receive
// (YdNotifyMsg), the listener interface (INotify) and the window message
// filter interface (IWindowMessageFilter).
#pragma once

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/manager/event_types.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;

// One control event. `type` is a YdEventType (1..21).
struct YdEvent {
  int type = 0;
  // The other control of an enter or leave, the control itself for button
  // and wheel events, null for key events.
  YdControl* sender = nullptr;
  // Null from the manager; set by a control that passes the event on to its
  // parent.
  YdControl* forwarder = nullptr;
  DWORD timestamp = 0;
  POINT point{};
  WORD key = 0;       // character or virtual-key code of key events
  WORD keyState = 0;  // MK_ flags for buttons; EncodeKeyState bits otherwise
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  int extra = 0;      // always 0 from the manager
};

// One notification. `type` is a YdNotifyType.
struct YdNotifyMsg {
  int type = 0;
  YdControl* sender = nullptr;
  DWORD timestamp = 0;  // overwritten when raised
  POINT point{};        // (0, 0) is replaced by the manager's last mouse point
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Receives the notifications of a paint manager, in registration order.
class INotify {
 public:
  virtual void Notify(YdNotifyMsg& msg) = 0;

 protected:
  ~INotify() = default;
};

// Sees every window message before the paint manager does; setting
// `handled` ends processing with the returned result.
class IWindowMessageFilter {
 public:
  virtual LRESULT FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

 protected:
  ~IWindowMessageFilter() = default;
};

}  // namespace ZEPHYRA_NAMESPACE
