// event_types.h -- the numbers of control events (YdEvent type) and of
// notifications (YdNotifyMsg type), the manager's key-state encoding, and
// the private timer and message identifiers of a skinned window.
#pragma once

#include <cstdint>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Event types 1..21; also the bit positions of a control's forward mask.
enum YdEventType : int {
  kEventKeyDown = 1, kEventKeyUp = 2, kEventChar = 3, kEventSysKeyDown = 4,
  kEventSysKeyUp = 5, kEventMouseMove = 6, kEventMouseLeave = 7, kEventMouseEnter = 8,
  kEventMouseHover = 9, kEventMouseWheel = 10, kEventLButtonDown = 11, kEventLButtonUp = 12,
  kEventRButtonDown = 13, kEventLButtonDblClk = 14, kEventContextMenu = 15,
  kEventKillFocus = 16, kEventSetFocus = 17, kEventSetCursor = 18, kEventTimer = 19,
  kEventActivate = 20, kEventToolTip = 21,
};

// Notification types; also the bit positions of a control's notify mask.
// Every type any control raises is named here; 6, 23, 24 and 29 to 31 are
// never raised.
enum YdNotifyType : int {
  kNotifyWindowInit = 1, kNotifyClick = 2, kNotifyMouseEnter = 3, kNotifyMouseHover = 4,
  kNotifyMouseLeave = 5, kNotifySetFocus = 7, kNotifyKillFocus = 8,
  kNotifyLButtonDown = 9, kNotifyLButtonUp = 10, kNotifyRButtonDown = 11,
  kNotifyContextMenu = 12, kNotifyLButtonDblClick = 13, kNotifySelectChanged = 14,
  // The rich edit: Return, Ctrl+Return, key up, key down, text changed, and
  // text cut at the limit.
  kNotifyReturn = 15, kNotifyCtrlReturn = 16, kNotifyKeyUp = 19, kNotifyKeyDown = 20,
  kNotifyTextChanged = 21, kNotifyMaxText = 22,
  // The list, with the row as sender: kNotifyListExpand with wParam 1 when
  // the row was expanded, 0 collapsed; kNotifyListDrag with wParam 0 before
  // DoDragDrop (lParam the effects the row offers) and 1 after it (lParam
  // the effect the target chose, DROPEFFECT_NONE when the drag was
  // cancelled or failed).
  kNotifyListExpand = 17, kNotifyListDrag = 18,
  kNotifyComboSelect = 25, kNotifyMoveEnd = 26, kNotifySourceCycleEnd = 27,
  // A tab item that swapped places by dragging: wParam its index before,
  // lParam its index after.
  kNotifyTabSwap = 28,
  // A scroll bar, slider or spin edit whose position or number changed.
  kNotifyScrollPos = 32, kNotifyMoveResizeFadeEnd = 33, kNotifyFrameSequenceEnd = 34,
  kNotifyCustom = 35, kNotifyToolTip = 36, kNotifyPosChange = 37,
};

// Key state of key, wheel and cursor events (from GetKeyState).
enum YdKeyStateBit : uint16_t {
  kKeyStateRButton = 1, kKeyStateLButton = 2, kKeyStateShift = 4, kKeyStateCtrl = 8,
  kKeyStateAlt = 0x20,
};
inline uint16_t EncodeKeyState(bool rButton, bool lButton, bool shift, bool ctrl, bool alt) {
  return static_cast<uint16_t>((rButton ? kKeyStateRButton : 0) | (lButton ? kKeyStateLButton : 0) |
                               (shift ? kKeyStateShift : 0) | (ctrl ? kKeyStateCtrl : 0) |
                               (alt ? kKeyStateAlt : 0));
}

// The wheel event's wParam: 1 when the wheel delta (signed high word of the
// message's wParam) is negative, 0 otherwise.
inline int WheelEventParam(uintptr_t messageWParam) {
  return static_cast<int16_t>(static_cast<uint16_t>(messageWParam >> 16)) < 0 ? 1 : 0;
}

// Private identifiers of a skinned window.
constexpr unsigned kCaretBlinkTimerId = 259;   // layered-window caret
constexpr unsigned kDeletionQueueMessage = 0x8001;  // WM_APP + 1
constexpr unsigned kCustomWindowMessage = 0x2345;
// Local timer id that stops every timer of a control.
constexpr int kAllControlTimers = 0x200A;

}  // namespace ZEPHYRA_NAMESPACE
