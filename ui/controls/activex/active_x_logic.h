// active_x_logic.h -- the decisions of the ActiveX host, kept apart from the
// COM calls that apply them: what form a "clsid" value has, which rectangles
// the hosted object and its host window get, how much of the host window
// its containers leave in view, the document-host flags that
// follow the host's attributes, and which window messages a windowless
// object is offered.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// A "clsid" value: a braced class id ("{...}"), a program id
// ("Shell.Explorer.2"), or nothing usable.
enum class YdClassNameForm { kEmpty, kGuid, kProgId };
YdClassNameForm ClassifyClassName(const std::wstring& text);

// Where the pieces of a hosted object go for a control at `controlPos`
// (client coordinates of the manager's window). A windowed object lives in
// a host child window placed on the control, so its own rectangle starts
// at (0, 0); a windowless object draws straight into the manager's window
// at the control's rectangle.
struct YdActiveXRects {
  RECT hostWindow;  // the host child window (windowed objects only)
  RECT object;      // SetObjectRects / DoVerb position rectangle
};
YdActiveXRects ActiveXRectsFor(const RECT& controlPos, bool windowless);

// The part of a windowed object's host window that the containers above its
// control leave in view: the control's rectangle cut by each container's
// clip rectangle (all in client coordinates), given in the host window's
// own coordinates. `whole` when nothing is cut away; `visible` is empty
// when nothing shows (a list scrolled past the control).
struct YdHostWindowClip {
  RECT visible;
  bool whole;
};
YdHostWindowClip HostWindowClipFor(const RECT& controlPos, const std::vector<RECT>& clips);

// DOCHOSTUIINFO flags for a document object: no 3-D border unless
// "enable3dborder", no scroll bars unless "enablescrollbar".
DWORD DocHostFlagsFor(bool border3d, bool scrollBar);

// Messages a windowless object receives through OnWindowMessage: the
// mouse messages inside its rectangle (or all of them while it holds the
// capture) and the keyboard messages while its control has the focus.
bool IsWindowlessMouseMessage(UINT msg);
bool IsWindowlessKeyMessage(UINT msg);

}  // namespace ZEPHYRA_NAMESPACE
