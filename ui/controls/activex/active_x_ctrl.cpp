// active_x_ctrl.cpp -- YdActiveXCtrl, the site of a hosted ActiveX object.
#include "ui/controls/activex/active_x_ctrl.h"

#include <vector>

#include "ui/controls/activex/active_x.h"
#include "ui/controls/activex/active_x_frame.h"
#include "ui/controls/activex/active_x_logic.h"
#include "ui/controls/activex/active_x_wnd.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

YdActiveXCtrl::YdActiveXCtrl(YdActiveX* owner) : owner_(owner) {}

YdActiveXCtrl::~YdActiveXCtrl() { Detach(); }

void YdActiveXCtrl::Detach() {
  if (captured_ && ::GetCapture() == ManagerWindow()) ::ReleaseCapture();
  captured_ = false;
  dc_.reset();
  frame_.Reset();
  owner_ = nullptr;
}

HWND YdActiveXCtrl::ManagerWindow() const {
  if (owner_ == nullptr || owner_->GetManager() == nullptr) return nullptr;
  return owner_->GetManager()->GetWindow();
}

STDMETHODIMP YdActiveXCtrl::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *out = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleContainer || iid == IID_IParseDisplayName) {
    *out = static_cast<IOleContainer*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite || iid == IID_IOleInPlaceSiteEx ||
             iid == IID_IOleInPlaceSiteWindowless) {
    *out = static_cast<IOleInPlaceSiteWindowless*>(this);
  } else if (iid == IID_IOleControlSite) {
    *out = static_cast<IOleControlSite*>(this);
  } else if (iid == IID_IDocHostUIHandler) {
    *out = static_cast<IDocHostUIHandler*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) YdActiveXCtrl::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) YdActiveXCtrl::Release() {
  const LONG left = ::InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP YdActiveXCtrl::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out != nullptr) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP YdActiveXCtrl::GetContainer(IOleContainer** out) {
  if (out == nullptr) return E_POINTER;
  return QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(out));
}

STDMETHODIMP YdActiveXCtrl::EnumObjects(DWORD, IEnumUnknown** out) {
  if (out == nullptr) return E_POINTER;
  std::vector<IUnknown*> items;
  if (owner_ != nullptr && owner_->object_) items.push_back(owner_->object_.Get());
  *out = new YdActiveXEnum(items);
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::GetWindow(HWND* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (owner_ == nullptr) return E_FAIL;
  *out = owner_->windowless_active_ ? ManagerWindow() : owner_->GetHostWindow();
  return *out != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP YdActiveXCtrl::CanInPlaceActivate() { return owner_ != nullptr ? S_OK : S_FALSE; }

STDMETHODIMP YdActiveXCtrl::OnInPlaceActivate() {
  BOOL noRedraw = FALSE;
  return OnInPlaceActivateEx(&noRedraw, 0);
}

STDMETHODIMP YdActiveXCtrl::OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) {
  if (owner_ == nullptr) return E_UNEXPECTED;
  if (noRedraw != nullptr) *noRedraw = FALSE;
  inplace_active_ = true;
  windowless_ = (flags & ACTIVATE_WINDOWLESS) != 0;
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::OnUIActivate() {
  if (owner_ == nullptr) return E_UNEXPECTED;
  ui_active_ = true;
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::OnUIDeactivate(BOOL) {
  ui_active_ = false;
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::OnInPlaceDeactivate() {
  inplace_active_ = false;
  ui_active_ = false;
  windowless_ = false;
  if (captured_ && ::GetCapture() == ManagerWindow()) ::ReleaseCapture();
  captured_ = false;
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (frame != nullptr) *frame = nullptr;
  if (doc != nullptr) *doc = nullptr;
  if (owner_ == nullptr) return E_UNEXPECTED;
  if (frame == nullptr || doc == nullptr || pos == nullptr || clip == nullptr) return E_POINTER;
  const HWND window = ManagerWindow();
  if (!frame_) *frame_.Receive() = new YdActiveXFrameWnd(window);
  frame_->AddRef();
  *frame = frame_.Get();
  const YdActiveXRects rects = ActiveXRectsFor(owner_->GetPosition(), owner_->windowless_active_);
  *pos = rects.object;
  *clip = rects.object;
  if (info != nullptr) {
    info->fMDIApp = FALSE;
    info->hwndFrame = window;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::CanWindowlessActivate() {
  return owner_ != nullptr && owner_->windowless_active_ ? S_OK : S_FALSE;
}

STDMETHODIMP YdActiveXCtrl::SetCapture(BOOL capture) {
  const HWND window = ManagerWindow();
  if (window == nullptr) return E_UNEXPECTED;
  if (capture) {
    ::SetCapture(window);
    captured_ = true;
  } else {
    if (captured_ && ::GetCapture() == window) ::ReleaseCapture();
    captured_ = false;
  }
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::GetFocus() { return owner_ != nullptr && owner_->IsFocused() ? S_OK : S_FALSE; }

STDMETHODIMP YdActiveXCtrl::SetFocus(BOOL focus) {
  if (owner_ == nullptr || owner_->GetManager() == nullptr) return E_UNEXPECTED;
  YdPaintManager* manager = owner_->GetManager();
  if (focus) {
    manager->SetFocusControl(owner_, true);
  } else if (manager->GetFocusControl() == owner_) {
    manager->SetFocusControl(nullptr, false);
  }
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::GetDC(LPCRECT, DWORD, HDC* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  const HWND window = ManagerWindow();
  if (window == nullptr || dc_) return E_FAIL;  // one DC at a time
  dc_ = std::make_unique<ScopedGetDC>(window);
  if (!*dc_) {
    dc_.reset();
    return E_FAIL;
  }
  *out = dc_->Get();
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::ReleaseDC(HDC dc) {
  if (!dc_ || dc_->Get() != dc) return E_INVALIDARG;
  dc_.reset();
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::InvalidateRect(LPCRECT, BOOL) {
  if (owner_ == nullptr) return E_UNEXPECTED;
  owner_->Invalidate();
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::OnDefWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const HWND window = ManagerWindow();
  if (window == nullptr) return E_UNEXPECTED;
  const LRESULT r = ::DefWindowProcW(window, msg, wParam, lParam);
  if (result != nullptr) *result = r;
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::GetExtendedControl(IDispatch** out) {
  if (out != nullptr) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP YdActiveXCtrl::OnFocus(BOOL focus) {
  if (owner_ == nullptr || owner_->GetManager() == nullptr) return E_UNEXPECTED;
  if (focus) owner_->GetManager()->SetFocusControl(owner_, false);
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
  // S_OK: the host has dealt with it (no menu); S_FALSE: the object shows its own.
  return owner_ != nullptr && !owner_->context_menu_ ? S_OK : S_FALSE;
}

STDMETHODIMP YdActiveXCtrl::GetHostInfo(DOCHOSTUIINFO* info) {
  if (info == nullptr) return E_POINTER;
  if (info->cbSize < sizeof(DOCHOSTUIINFO)) return E_INVALIDARG;
  const bool border = owner_ != nullptr && owner_->border3d_;
  const bool scroll = owner_ == nullptr || owner_->scroll_bar_;
  info->dwFlags = DocHostFlagsFor(border, scroll);
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  info->pchHostCss = nullptr;
  info->pchHostNS = nullptr;
  return S_OK;
}

STDMETHODIMP YdActiveXCtrl::GetOptionKeyPath(LPOLESTR* out, DWORD) {
  if (out != nullptr) *out = nullptr;
  return S_FALSE;
}

STDMETHODIMP YdActiveXCtrl::GetDropTarget(IDropTarget*, IDropTarget** out) {
  if (out != nullptr) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP YdActiveXCtrl::GetExternal(IDispatch** out) {
  if (out != nullptr) *out = nullptr;
  return S_FALSE;
}

STDMETHODIMP YdActiveXCtrl::TranslateUrl(DWORD, LPWSTR, LPWSTR* out) {
  if (out != nullptr) *out = nullptr;
  return S_FALSE;
}

STDMETHODIMP YdActiveXCtrl::FilterDataObject(IDataObject*, IDataObject** out) {
  if (out != nullptr) *out = nullptr;
  return S_FALSE;
}

}  // namespace ZEPHYRA_NAMESPACE
