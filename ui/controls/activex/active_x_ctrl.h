// active_x_ctrl.h -- YdActiveXCtrl: the site through which a hosted ActiveX
// object talks to its YdActiveX control: client site, container,
// in-place site (windowless too), control site and the document host's
// user-interface handler (border, scroll bars and context menu follow the
// control's attributes). The site holds a plain pointer back to its control
// that the control clears when it lets the object go, so calls arriving
// later find no control and fail harmlessly.
#pragma once

#include <mshtmhst.h>
#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include <memory>

#include "common/scoped_com.h"
#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdActiveX;
class YdActiveXFrameWnd;

class YdActiveXCtrl final : public IOleClientSite,
                      public IOleContainer,
                      public IOleInPlaceSiteWindowless,
                      public IOleControlSite,
                      public IDocHostUIHandler {
 public:
  explicit YdActiveXCtrl(YdActiveX* owner);
  YdActiveXCtrl(const YdActiveXCtrl&) = delete;
  YdActiveXCtrl& operator=(const YdActiveXCtrl&) = delete;

  // The control lets go of the site (its object is gone or going).
  void Detach();
  // Whether the windowless object holds the mouse capture through the site.
  bool HasCapture() const { return captured_; }
  // Whether the object went in-place active (and windowless), UI active.
  bool IsInPlaceActive() const { return inplace_active_; }
  bool IsWindowless() const { return windowless_; }
  bool IsUIActive() const { return ui_active_; }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override;
  STDMETHODIMP GetContainer(IOleContainer** out) override;
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IParseDisplayName / IOleContainer
  STDMETHODIMP ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP EnumObjects(DWORD flags, IEnumUnknown** out) override;
  STDMETHODIMP LockContainer(BOOL) override { return S_OK; }

  // IOleWindow
  STDMETHODIMP GetWindow(HWND* out) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return S_OK; }
  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override;
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override;
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO info) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override;
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override { return S_OK; }
  STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }
  // IOleInPlaceSiteEx
  STDMETHODIMP OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) override;
  STDMETHODIMP OnInPlaceDeactivateEx(BOOL) override { return OnInPlaceDeactivate(); }
  STDMETHODIMP RequestUIActivate() override { return S_OK; }
  // IOleInPlaceSiteWindowless
  STDMETHODIMP CanWindowlessActivate() override;
  STDMETHODIMP GetCapture() override { return captured_ ? S_OK : S_FALSE; }
  STDMETHODIMP SetCapture(BOOL capture) override;
  STDMETHODIMP GetFocus() override;
  STDMETHODIMP SetFocus(BOOL focus) override;
  STDMETHODIMP GetDC(LPCRECT, DWORD, HDC* out) override;
  STDMETHODIMP ReleaseDC(HDC dc) override;
  STDMETHODIMP InvalidateRect(LPCRECT, BOOL) override;
  STDMETHODIMP InvalidateRgn(HRGN, BOOL) override { return InvalidateRect(nullptr, FALSE); }
  STDMETHODIMP ScrollRect(INT, INT, LPCRECT, LPCRECT) override { return E_NOTIMPL; }
  STDMETHODIMP AdjustRect(LPRECT) override { return S_OK; }
  STDMETHODIMP OnDefWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  // IOleControlSite
  STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
  STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  STDMETHODIMP GetExtendedControl(IDispatch** out) override;
  STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  STDMETHODIMP OnFocus(BOOL focus) override;
  STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

  // IDocHostUIHandler
  STDMETHODIMP ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override;
  STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override;
  STDMETHODIMP ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                      IOleInPlaceUIWindow*) override {
    return S_FALSE;
  }
  STDMETHODIMP HideUI() override { return S_OK; }
  STDMETHODIMP UpdateUI() override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
  STDMETHODIMP GetOptionKeyPath(LPOLESTR* out, DWORD) override;
  STDMETHODIMP GetDropTarget(IDropTarget*, IDropTarget** out) override;
  STDMETHODIMP GetExternal(IDispatch** out) override;
  STDMETHODIMP TranslateUrl(DWORD, LPWSTR, LPWSTR* out) override;
  STDMETHODIMP FilterDataObject(IDataObject*, IDataObject** out) override;

 private:
  ~YdActiveXCtrl();
  HWND ManagerWindow() const;

  LONG refs_ = 1;
  YdActiveX* owner_;
  ScopedComPtr<YdActiveXFrameWnd> frame_;  // made on first use
  bool inplace_active_ = false;
  bool windowless_ = false;
  bool ui_active_ = false;
  bool captured_ = false;
  std::unique_ptr<ScopedGetDC> dc_;  // the DC a windowless object borrowed with GetDC
};

}  // namespace ZEPHYRA_NAMESPACE
