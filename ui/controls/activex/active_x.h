// active_x.h -- YdActiveX (element "ActiveX"): a control that hosts an
// ActiveX control object. The object is made from "clsid" (a braced class
// id or a program id), through the registry or, with "modulename", straight
// from that DLL's DllGetClassObject; it is created when the control is
// initialised in a window, or on its first placement or paint with
// "delaycreate". A windowed object gets a host child window on the
// control's rectangle, cut to the part its scrolled containers show; a
// windowless one ("windowless", when the object can)
// draws through IViewObject::Draw into the window's paint and receives
// mouse, wheel, cursor and keyboard messages through the control's message
// filter. The object follows the control's rectangle and visibility and is
// closed and released with the control.
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include <memory>
#include <string>

#include "common/scoped_com.h"
#include "common/scoped_handle.h"
#include "common/yd_namespace.h"
#include "ui/control/control.h"
#include "ui/manager/ui_messages.h"

namespace ZEPHYRA_NAMESPACE {

class YdActiveXCtrl;
class YdActiveXWnd;

class YdActiveX : public YdControl, public IWindowMessageFilter {
 public:
  YdActiveX();
  ~YdActiveX() override;

  int GetKind() const override { return kKindActiveX; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The host's own keys; its base is the control base's table.
  static const YdAttributeTable& AttributeTable();
  void SetManager(YdPaintManager* manager) override;
  void Initialize() override;
  void SetPosition(const RECT& rc) override;
  void SetVisible(bool visible) override;
  void OnAncestorVisibilityChanged() override;
  void Paint(HDC dc, const RECT& dirty) override;
  void OnSetFocus(YdEvent& event) override;
  void OnKillFocus(YdEvent& event) override;
  void* GetInPlaceActiveObject() const override { return active_object_.Get(); }
  LRESULT FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // "clsid": false when the text is neither a class id nor a known program
  // id (the control then hosts nothing).
  bool SetClsid(const std::wstring& text);
  const CLSID& GetClsid() const { return clsid_; }
  bool HasClsid() const { return have_clsid_; }
  void SetModuleName(const std::wstring& path) { module_name_ = path; }
  const std::wstring& GetModuleName() const { return module_name_; }
  void SetDelayCreate(bool on) { delay_create_ = on; }
  bool IsDelayCreate() const { return delay_create_; }
  void SetWindowlessWanted(bool on) { windowless_wanted_ = on; }
  bool IsWindowlessWanted() const { return windowless_wanted_; }
  bool Is3DBorder() const { return border3d_; }
  bool IsScrollBarEnabled() const { return scroll_bar_; }
  bool IsContextMenuEnabled() const { return context_menu_; }
  bool IsShowJsError() const { return show_js_error_; }

  // Creates, initialises and in-place activates the object now (once);
  // true when it is active. Needs a manager bound to a window.
  bool CreateControl();
  // Deactivates, closes and releases the object and its site; the control
  // may create it again afterwards.
  void ReleaseControl();
  bool IsCreated() const { return object_ ? true : false; }
  // Result of the last creation attempt (S_OK before any).
  HRESULT GetCreateResult() const { return create_result_; }
  // Whether the object runs windowless (in place, without a window).
  bool IsWindowlessActive() const { return windowless_active_; }
  // The host child window of a windowed object (null when windowless or
  // not created).
  HWND GetHostWindow() const;
  // The object's own window, when it has one in place.
  HWND GetObjectWindow() const;
  // Asks the object for `iid`; E_FAIL when there is none.
  HRESULT GetControl(REFIID iid, void** out) const;

 protected:
  // Hooks of subclasses around the object's life: after it is active, and
  // before it is closed.
  virtual void OnControlCreated() {}
  virtual void OnControlReleasing() {}
  // The class id used when the skin gives none.
  void SetDefaultClsid(const CLSID& clsid);

 private:
  // Shows the host window of a windowed object exactly while this control
  // and its containers are visible.
  void ShowHostWindow();
  friend class YdActiveXCtrl;

  HRESULT CreateObject(IOleObject** out);
  void PlaceObject();
  // Cuts the host window to the part of the control that its containers
  // show (a list scrolled half past it): a child window is not clipped by
  // the painting of the controls above it.
  void ClipHostWindow();
  void ForgetSite();

  CLSID clsid_ = CLSID_NULL;
  bool have_clsid_ = false;
  std::wstring module_name_;
  bool delay_create_ = false;
  bool border3d_ = false;
  bool scroll_bar_ = true;
  bool context_menu_ = true;
  bool windowless_wanted_ = false;
  bool show_js_error_ = false;

  // OLE stays initialised on this thread while the control lives; declared
  // first so that it ends after every COM pointer below.
  ScopedOleInitialize ole_;
  bool create_attempted_ = false;
  HRESULT create_result_ = S_OK;
  bool windowless_active_ = false;
  bool filter_added_ = false;
  YdPaintManager* filter_manager_ = nullptr;
  ScopedModule module_;
  ScopedComPtr<YdActiveXCtrl> site_;
  ScopedComPtr<IOleObject> object_;
  ScopedComPtr<IOleInPlaceObject> inplace_object_;
  ScopedComPtr<IOleInPlaceObjectWindowless> windowless_object_;
  ScopedComPtr<IOleInPlaceActiveObject> active_object_;
  ScopedComPtr<IViewObject> view_object_;
  std::unique_ptr<YdActiveXWnd> host_window_;
  // The region last given to the host window (none while it is whole).
  bool host_clipped_ = false;
  RECT host_clip_{};
};

}  // namespace ZEPHYRA_NAMESPACE
