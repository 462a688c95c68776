// active_x.cpp -- YdActiveX: attributes, creation and release of the hosted
// object, placement, visibility, painting, focus and message filtering.
#include "ui/controls/activex/active_x.h"

#include <windowsx.h>

#include "common/scoped_gdi.h"
#include "ui/controls/activex/active_x_ctrl.h"
#include "ui/controls/activex/active_x_logic.h"
#include "ui/controls/activex/active_x_wnd.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/containers/container_logic.h"
#include "ui/controls/rich_edit/rich_edit_logic.h"
#include "ui/manager/paint_manager.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ActiveXAttr : int {
  kClsid, kModuleName, kDelayCreate, kEnable3dBorder, kEnableScrollBar, kEnableContextMenu, kWindowless,
  kShowJsError,
};

constexpr YdAttributeEntry kActiveXEntries[] = {
    AttributeEntry("clsid", ActiveXAttr::kClsid, YdValueSyntax::kString),
    AttributeEntry("modulename", ActiveXAttr::kModuleName, YdValueSyntax::kString),
    AttributeEntry("delaycreate", ActiveXAttr::kDelayCreate, YdValueSyntax::kBool),
    AttributeEntry("enable3dborder", ActiveXAttr::kEnable3dBorder, YdValueSyntax::kBool),
    AttributeEntry("enablescrollbar", ActiveXAttr::kEnableScrollBar, YdValueSyntax::kBool),
    AttributeEntry("enablecontextmenu", ActiveXAttr::kEnableContextMenu, YdValueSyntax::kBool),
    AttributeEntry("windowless", ActiveXAttr::kWindowless, YdValueSyntax::kBool),
    AttributeEntry("showjserror", ActiveXAttr::kShowJsError, YdValueSyntax::kBool),
};

using DllGetClassObjectProc = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using DllCanUnloadNowProc = HRESULT(STDAPICALLTYPE*)();

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
}

}  // namespace

YdActiveX::YdActiveX() = default;

YdActiveX::~YdActiveX() { ReleaseControl(); }

YdControl* YdActiveX::QueryKind(int kind) {
  if (kind == kKindActiveX) return this;
  return YdControl::QueryKind(kind);
}

const YdAttributeTable& YdActiveX::AttributeTable() {
  static const YdAttributeTable table{kActiveXEntries, sizeof(kActiveXEntries) / sizeof(kActiveXEntries[0]),
                                      &ControlAttributeTable()};
  return table;
}

void YdActiveX::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdControl::ApplyAttribute(key, value);
    return;
  }
  const bool on = ParseEntryValue(*entry, value).flag;
  switch (static_cast<ActiveXAttr>(entry->id)) {
    case ActiveXAttr::kClsid: SetClsid(value); break;
    case ActiveXAttr::kModuleName: SetModuleName(value); break;
    case ActiveXAttr::kDelayCreate: SetDelayCreate(on); break;
    case ActiveXAttr::kEnable3dBorder: border3d_ = on; break;
    case ActiveXAttr::kEnableScrollBar: scroll_bar_ = on; break;
    case ActiveXAttr::kEnableContextMenu: context_menu_ = on; break;
    case ActiveXAttr::kWindowless: SetWindowlessWanted(on); break;
    case ActiveXAttr::kShowJsError: show_js_error_ = on; break;
  }
}

bool YdActiveX::SetClsid(const std::wstring& text) {
  have_clsid_ = false;
  clsid_ = CLSID_NULL;
  CLSID parsed = CLSID_NULL;
  HRESULT hr = E_INVALIDARG;
  switch (ClassifyClassName(text)) {
    case YdClassNameForm::kGuid:
      hr = ::CLSIDFromString(const_cast<LPOLESTR>(text.c_str()), &parsed);
      break;
    case YdClassNameForm::kProgId:
      hr = ::CLSIDFromProgID(text.c_str(), &parsed);
      break;
    case YdClassNameForm::kEmpty:
      break;
  }
  if (FAILED(hr)) return false;
  clsid_ = parsed;
  have_clsid_ = true;
  return true;
}

void YdActiveX::SetDefaultClsid(const CLSID& clsid) {
  clsid_ = clsid;
  have_clsid_ = true;
}

void YdActiveX::SetManager(YdPaintManager* manager) {
  // An object belongs to the window it was activated in.
  if (manager != GetManager() && object_) ReleaseControl();
  YdControl::SetManager(manager);
}

void YdActiveX::Initialize() {
  YdControl::Initialize();
  if (!delay_create_) CreateControl();
}

HRESULT YdActiveX::CreateObject(IOleObject** out) {
  *out = nullptr;
  if (module_name_.empty()) {
    return ::CoCreateInstance(clsid_, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(out));
  }
  if (!module_) module_.Set(::LoadLibraryW(module_name_.c_str()));
  if (!module_) return HRESULT_FROM_WIN32(::GetLastError());
  auto getClassObject =
      reinterpret_cast<DllGetClassObjectProc>(reinterpret_cast<void*>(::GetProcAddress(module_.Get(), "DllGetClassObject")));
  if (getClassObject == nullptr) return CO_E_ERRORINDLL;
  ScopedComPtr<IClassFactory> factory;
  HRESULT hr = getClassObject(clsid_, IID_IClassFactory, factory.ReceiveVoid());
  if (FAILED(hr)) return hr;
  if (!factory) return E_NOINTERFACE;
  return factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(out));
}

bool YdActiveX::CreateControl() {
  if (object_) return true;
  if (create_attempted_) return false;
  YdPaintManager* manager = GetManager();
  if (manager == nullptr || manager->GetWindow() == nullptr) return false;
  create_attempted_ = true;
  if (!have_clsid_) {
    create_result_ = REGDB_E_CLASSNOTREG;
    return false;
  }
  ScopedComPtr<IOleObject> object;
  create_result_ = CreateObject(object.Receive());
  if (FAILED(create_result_) || !object) {
    if (SUCCEEDED(create_result_)) create_result_ = E_NOINTERFACE;
    ReleaseControl();
    create_attempted_ = true;
    return false;
  }
  *site_.Receive() = new YdActiveXCtrl(this);
  IOleClientSite* clientSite = static_cast<IOleClientSite*>(site_.Get());

  DWORD misc = 0;
  object->GetMiscStatus(DVASPECT_CONTENT, &misc);
  const bool siteFirst = (misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
  if (siteFirst) object->SetClientSite(clientSite);
  ScopedComPtr<IPersistStreamInit> persist;
  if (SUCCEEDED(object.QueryInto(IID_IPersistStreamInit, &persist)) && persist) persist->InitNew();
  if (!siteFirst) object->SetClientSite(clientSite);

  ScopedComPtr<IOleInPlaceObjectWindowless> windowless;
  object.QueryInto(IID_IOleInPlaceObjectWindowless, &windowless);
  windowless_active_ = windowless_wanted_ && windowless;
  object_ = std::move(object);

  const YdActiveXRects rects = ActiveXRectsFor(GetPosition(), windowless_active_);
  const HWND window = manager->GetWindow();
  HWND siteWindow = window;
  if (!windowless_active_) {
    host_window_ = std::make_unique<YdActiveXWnd>();
    host_clipped_ = false;  // a new window has no region
    siteWindow = host_window_->CreateHost(window, rects.hostWindow, IsShownInTree());
    if (siteWindow == nullptr) {
      create_result_ = HRESULT_FROM_WIN32(::GetLastError());
      if (SUCCEEDED(create_result_)) create_result_ = E_FAIL;
      ReleaseControl();
      create_attempted_ = true;
      return false;
    }
    SetNativeWindow(siteWindow);
  }
  {
    ScopedGetDC screen(nullptr);
    const int dpiX = screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : 96;
    const int dpiY = screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    SIZEL extent{PixelsToHimetric(rects.object.right - rects.object.left, dpiX),
                 PixelsToHimetric(rects.object.bottom - rects.object.top, dpiY)};
    object_->SetExtent(DVASPECT_CONTENT, &extent);
  }
  RECT verbRect = rects.object;
  create_result_ = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, clientSite, 0, siteWindow, &verbRect);
  if (FAILED(create_result_)) {
    ReleaseControl();
    create_attempted_ = true;
    return false;
  }
  // An object that was offered windowless activation may still have chosen
  // a window of its own.
  if (windowless_active_ && !site_->IsWindowless()) windowless_active_ = false;
  object_.QueryInto(IID_IOleInPlaceObject, &inplace_object_);
  if (windowless_active_) windowless_object_ = std::move(windowless);
  object_.QueryInto(IID_IOleInPlaceActiveObject, &active_object_);
  object_.QueryInto(IID_IViewObject, &view_object_);
  if (host_window_) host_window_->SetFocusTarget(GetObjectWindow());
  if (manager->AddMessageFilter(this)) filter_manager_ = manager;
  OnControlCreated();
  Invalidate();
  return true;
}

void YdActiveX::ReleaseControl() {
  if (filter_manager_ != nullptr) {
    filter_manager_->RemoveMessageFilter(this);
    filter_manager_ = nullptr;
  }
  if (object_) {
    OnControlReleasing();
    if (inplace_object_) {
      inplace_object_->UIDeactivate();
      inplace_object_->InPlaceDeactivate();
    }
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  view_object_.Reset();
  active_object_.Reset();
  windowless_object_.Reset();
  inplace_object_.Reset();
  object_.Reset();
  ForgetSite();
  if (host_window_) {
    SetNativeWindow(nullptr);
    host_window_.reset();
  }
  windowless_active_ = false;
  create_attempted_ = false;
  if (module_) {
    auto canUnload = reinterpret_cast<DllCanUnloadNowProc>(
        reinterpret_cast<void*>(::GetProcAddress(module_.Get(), "DllCanUnloadNow")));
    if (canUnload != nullptr && canUnload() != S_OK) {
      // Objects of the DLL are still alive somewhere: it stays loaded for
      // the rest of the process rather than pulling code from under them.
      [[maybe_unused]] HMODULE kept = module_.Take();
    } else {
      module_.Close();
    }
  }
}

void YdActiveX::ForgetSite() {
  if (!site_) return;
  site_->Detach();
  site_.Reset();
}

HWND YdActiveX::GetHostWindow() const { return host_window_ ? host_window_->GetHWND() : nullptr; }

HWND YdActiveX::GetObjectWindow() const {
  if (!inplace_object_ || windowless_active_) return nullptr;
  HWND hwnd = nullptr;
  if (FAILED(inplace_object_->GetWindow(&hwnd))) return nullptr;
  return hwnd;
}

HRESULT YdActiveX::GetControl(REFIID iid, void** out) const {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!object_) return E_FAIL;
  return object_->QueryInterface(iid, out);
}

void YdActiveX::PlaceObject() {
  if (!object_) return;
  const YdActiveXRects rects = ActiveXRectsFor(GetPosition(), windowless_active_);
  if (host_window_ && host_window_->GetHWND() != nullptr) {
    ::SetWindowPos(host_window_->GetHWND(), nullptr, rects.hostWindow.left, rects.hostWindow.top,
                   rects.hostWindow.right - rects.hostWindow.left, rects.hostWindow.bottom - rects.hostWindow.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (inplace_object_) inplace_object_->SetObjectRects(&rects.object, &rects.object);
  ClipHostWindow();
  if (windowless_active_) Invalidate();
}

void YdActiveX::ClipHostWindow() {
  const HWND host = GetHostWindow();
  if (host == nullptr) return;
  // Each container clips a child in its flow to its child area (inside the
  // inset and the scroll bars) and a floating child to its own rectangle.
  std::vector<RECT> clips;
  const YdControl* child = this;
  for (YdControl* above = GetParent(); above != nullptr; child = above, above = above->GetParent()) {
    auto* container = static_cast<YdContainer*>(above->QueryKind(kKindContainer));
    const bool floating = child->IsFloat() || child->IsRelFloat() || child->IsAbsFloat();
    clips.push_back(container == nullptr || floating ? above->GetPosition()
                                                     : ToRECT(ChildPaintArea(container->Box())));
  }
  const YdHostWindowClip clip = HostWindowClipFor(GetPosition(), clips);
  if (clip.whole) {
    if (host_clipped_) ::SetWindowRgn(host, nullptr, TRUE);
    host_clipped_ = false;
    return;
  }
  if (host_clipped_ && ::EqualRect(&host_clip_, &clip.visible)) return;
  ScopedRegion region(::CreateRectRgnIndirect(&clip.visible));
  if (!region.IsValid()) return;
  // The window owns the region from here on.
  if (::SetWindowRgn(host, region.Get(), TRUE) == 0) return;
  (void)region.Take();
  host_clipped_ = true;
  host_clip_ = clip.visible;
}

void YdActiveX::SetPosition(const RECT& rc) {
  YdControl::SetPosition(rc);
  if (!object_ && delay_create_) CreateControl();
  PlaceObject();
}

void YdActiveX::SetVisible(bool visible) {
  YdControl::SetVisible(visible);
  ShowHostWindow();
  if (windowless_active_) Invalidate();
}

void YdActiveX::OnAncestorVisibilityChanged() { ShowHostWindow(); }

void YdActiveX::ShowHostWindow() {
  if (host_window_ && host_window_->GetHWND() != nullptr) {
    ::ShowWindow(host_window_->GetHWND(), IsShownInTree() ? SW_SHOWNOACTIVATE : SW_HIDE);
  }
}

void YdActiveX::Paint(HDC dc, const RECT& dirty) {
  YdControl::Paint(dc, dirty);
  if (!object_ && delay_create_) CreateControl();
  if (!windowless_active_ || !view_object_ || !IsVisible()) return;
  const RECT pos = GetPosition();
  RECTL bounds{pos.left, pos.top, pos.right, pos.bottom};
  view_object_->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0);
}

void YdActiveX::OnSetFocus(YdEvent& event) {
  YdControl::OnSetFocus(event);
  if (windowless_object_) {
    LRESULT ignored = 0;
    windowless_object_->OnWindowMessage(WM_SETFOCUS, 0, 0, &ignored);
    return;
  }
  const HWND own = GetObjectWindow();
  const HWND focus = ::GetFocus();
  if (own != nullptr && focus != own && !::IsChild(own, focus)) ::SetFocus(own);
}

void YdActiveX::OnKillFocus(YdEvent& event) {
  YdControl::OnKillFocus(event);
  if (windowless_object_) {
    LRESULT ignored = 0;
    windowless_object_->OnWindowMessage(WM_KILLFOCUS, 0, 0, &ignored);
  }
}

LRESULT YdActiveX::FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (!object_ || !IsVisible() || !IsEnabled() || GetManager() == nullptr) return 0;
  if (windowless_object_ && IsWindowlessMouseMessage(msg)) {
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT pos = GetPosition();
    if (!::PtInRect(&pos, pt) && !(site_ && site_->HasCapture())) return 0;
    if (IsButtonDown(msg) && GetManager()->GetFocusControl() != this) GetManager()->SetFocusControl(this, true);
    if (!windowless_object_) return 0;  // the focus change may have released it
    LRESULT result = 0;
    if (windowless_object_->OnWindowMessage(msg, wParam, lParam, &result) == S_OK) {
      handled = true;
      return result;
    }
    return 0;
  }
  if (windowless_object_ && (msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL || msg == WM_SETCURSOR)) {
    // The wheel carries screen coordinates; WM_SETCURSOR none at all.
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (msg == WM_SETCURSOR) {
      if (LOWORD(lParam) != HTCLIENT || !::GetCursorPos(&pt)) return 0;
    }
    ::ScreenToClient(GetManager()->GetWindow(), &pt);
    const RECT pos = GetPosition();
    if (!::PtInRect(&pos, pt)) return 0;
    LRESULT result = 0;
    const HRESULT hr = windowless_object_->OnWindowMessage(msg, wParam, lParam, &result);
    // A cursor counts as set only when the object says so (TRUE).
    if (hr == S_OK && (msg != WM_SETCURSOR || result != 0)) {
      handled = true;
      return result;
    }
    return 0;
  }
  if (IsWindowlessKeyMessage(msg) && GetManager()->GetFocusControl() == this) {
    if (active_object_) {
      MSG copy{};
      copy.hwnd = GetManager()->GetWindow();
      copy.message = msg;
      copy.wParam = wParam;
      copy.lParam = lParam;
      copy.time = static_cast<DWORD>(::GetMessageTime());
      if (active_object_->TranslateAccelerator(&copy) == S_OK) {
        handled = true;
        return 0;
      }
    }
    if (windowless_object_) {
      LRESULT result = 0;
      if (windowless_object_->OnWindowMessage(msg, wParam, lParam, &result) == S_OK) {
        handled = true;
        return result;
      }
    }
  }
  return 0;
}

}  // namespace ZEPHYRA_NAMESPACE
