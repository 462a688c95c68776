// test_ole_object.cpp -- the test OLE control and its class factory.
#include "tests/ui/controls/activex/test_ole_object.h"

#include "common/scoped_gdi.h"

namespace ztest_ole {

const CLSID kClsidWindowless = {0x5a1e0c31, 0x7b9e, 0x4d55, {0x9c, 0x1a, 0x3e, 0x2f, 0x4b, 0x6a, 0x7d, 0x01}};
const CLSID kClsidWindowed = {0x5a1e0c31, 0x7b9e, 0x4d55, {0x9c, 0x1a, 0x3e, 0x2f, 0x4b, 0x6a, 0x7d, 0x02}};

namespace {

Record g_record;
LONG g_locks = 0;
HMODULE g_module = nullptr;

LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    ZEPHYRA_NAMESPACE::ScopedBeginPaint paint(hwnd);
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    ZEPHYRA_NAMESPACE::ScopedBrush brush(::CreateSolidBrush(kWindowedColour));
    ::FillRect(paint.Get(), &rc, brush.Get());
    return 0;
  }
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

const wchar_t* ObjectWindowClass() {
  static ATOM atom = 0;
  if (atom == 0) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ObjectWindowProc;
    wc.hInstance = g_module != nullptr ? g_module : ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZephyraTestOleObject";
    atom = ::RegisterClassW(&wc);
  }
  return L"ZephyraTestOleObject";
}

class TestObject final : public IOleObject,
                         public IOleInPlaceObjectWindowless,
                         public IOleInPlaceActiveObject,
                         public IViewObject2 {
 public:
  explicit TestObject(bool windowlessCapable) : windowless_capable_(windowlessCapable) {
    ++g_record.created;
    ++g_record.live;
  }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleObject) {
      *out = static_cast<IOleObject*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject) {
      *out = static_cast<IOleInPlaceObject*>(static_cast<IOleInPlaceObjectWindowless*>(this));
    } else if (iid == IID_IOleInPlaceObjectWindowless && windowless_capable_) {
      *out = static_cast<IOleInPlaceObjectWindowless*>(this);
    } else if (iid == IID_IOleInPlaceActiveObject) {
      *out = static_cast<IOleInPlaceActiveObject*>(this);
    } else if (iid == IID_IViewObject || iid == IID_IViewObject2) {
      *out = static_cast<IViewObject2*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++refs_); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = --refs_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* site) override {
    if (site == nullptr) ++g_record.nullSites;
    if (site != nullptr) site->AddRef();
    if (site_ != nullptr) site_->Release();
    site_ = site;
    if (site != nullptr && !initialised_) ++g_record.siteSetBeforeInit;
    initialised_ = true;
    return S_OK;
  }
  STDMETHODIMP GetClientSite(IOleClientSite** out) override {
    if (out == nullptr) return E_POINTER;
    *out = site_;
    if (site_ != nullptr) site_->AddRef();
    return S_OK;
  }
  STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP Close(DWORD) override {
    ++g_record.closes;
    InPlaceDeactivate();
    return S_OK;
  }
  STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT) override {
    ++g_record.doVerbs;
    if (verb != OLEIVERB_INPLACEACTIVATE && verb != OLEIVERB_SHOW && verb != OLEIVERB_UIACTIVATE) return E_NOTIMPL;
    if (inplace_site_ != nullptr) return S_OK;
    if (site == nullptr) site = site_;
    if (site == nullptr) return E_UNEXPECTED;
    IOleInPlaceSiteWindowless* wl = nullptr;
    if (windowless_capable_ &&
        SUCCEEDED(site->QueryInterface(IID_IOleInPlaceSiteWindowless, reinterpret_cast<void**>(&wl))) &&
        wl->CanWindowlessActivate() == S_OK) {
      BOOL noRedraw = FALSE;
      if (FAILED(wl->OnInPlaceActivateEx(&noRedraw, ACTIVATE_WINDOWLESS))) {
        wl->Release();
        return E_FAIL;
      }
      inplace_site_ = wl;
      windowless_site_ = wl;
      wl->AddRef();
      windowless_ = true;
    } else {
      if (wl != nullptr) wl->Release();
      IOleInPlaceSite* plain = nullptr;
      if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&plain)))) return E_NOINTERFACE;
      if (plain->CanInPlaceActivate() != S_OK || FAILED(plain->OnInPlaceActivate())) {
        plain->Release();
        return E_FAIL;
      }
      inplace_site_ = plain;
      windowless_ = false;
    }
    g_record.windowless = windowless_;
    RECT pos{}, clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof(info);
    IOleInPlaceUIWindow* doc = nullptr;
    if (SUCCEEDED(inplace_site_->GetWindowContext(&frame_, &doc, &pos, &clip, &info))) {
      g_record.contextPos = pos;
      if (doc != nullptr) doc->Release();
    }
    if (!windowless_) {
      HWND parent = nullptr;
      inplace_site_->GetWindow(&parent);
      g_record.parentWindow = parent;
      window_ = ::CreateWindowExW(0, ObjectWindowClass(), L"", WS_CHILD | WS_VISIBLE, pos.left, pos.top,
                                  pos.right - pos.left, pos.bottom - pos.top, parent, nullptr,
                                  g_module != nullptr ? g_module : ::GetModuleHandleW(nullptr), nullptr);
      g_record.ownWindow = window_;
    }
    return S_OK;
  }
  STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  STDMETHODIMP Update() override { return S_OK; }
  STDMETHODIMP IsUpToDate() override { return S_OK; }
  STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
  STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return S_OK; }
  STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  STDMETHODIMP GetMiscStatus(DWORD, DWORD* status) override {
    if (status == nullptr) return E_POINTER;
    *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
              OLEMISC_RECOMPOSEONRESIZE;
    return S_OK;
  }
  STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleWindow (shared by the in-place object and the active object)
  STDMETHODIMP GetWindow(HWND* out) override {
    if (out == nullptr) return E_POINTER;
    *out = window_;
    return window_ != nullptr ? S_OK : E_FAIL;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return S_OK; }
  // IOleInPlaceObject
  STDMETHODIMP InPlaceDeactivate() override {
    if (inplace_site_ == nullptr) return S_OK;
    if (window_ != nullptr) ::DestroyWindow(window_);
    window_ = nullptr;
    inplace_site_->OnInPlaceDeactivate();
    inplace_site_->Release();
    inplace_site_ = nullptr;
    if (windowless_site_ != nullptr) windowless_site_->Release();
    windowless_site_ = nullptr;
    if (frame_ != nullptr) frame_->Release();
    frame_ = nullptr;
    return S_OK;
  }
  STDMETHODIMP UIDeactivate() override { return S_OK; }
  STDMETHODIMP SetObjectRects(LPCRECT pos, LPCRECT) override {
    if (pos == nullptr) return E_POINTER;
    ++g_record.setObjectRects;
    g_record.objectRects = *pos;
    if (window_ != nullptr) {
      ::MoveWindow(window_, pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top, TRUE);
    }
    return S_OK;
  }
  STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }
  // IOleInPlaceObjectWindowless
  STDMETHODIMP OnWindowMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT* result) override {
    g_record.windowMessages.push_back(msg);
    if (result != nullptr) *result = 0;
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
      g_record.mousePoints.push_back({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    }
    if (msg == WM_SETCURSOR) {
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      if (result != nullptr) *result = TRUE;
      return S_OK;
    }
    if (windowless_site_ != nullptr) {
      if (msg == WM_LBUTTONDOWN) {
        windowless_site_->SetCapture(TRUE);
        windowless_site_->SetFocus(TRUE);
      } else if (msg == WM_LBUTTONUP) {
        windowless_site_->SetCapture(FALSE);
      }
    }
    return S_OK;
  }
  STDMETHODIMP GetDropTarget(IDropTarget** out) override {
    if (out != nullptr) *out = nullptr;
    return E_NOTIMPL;
  }
  // IOleInPlaceActiveObject
  STDMETHODIMP TranslateAccelerator(LPMSG msg) override {
    if (msg == nullptr) return E_POINTER;
    if (msg->message != WM_KEYDOWN) return S_FALSE;
    g_record.accelerators.push_back(msg->wParam);
    return msg->wParam == kAcceleratorKey ? S_OK : S_FALSE;
  }
  STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }

  // IViewObject2
  STDMETHODIMP Draw(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                    BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override {
    if (dc == nullptr || bounds == nullptr) return E_INVALIDARG;
    ++g_record.draws;
    g_record.lastBounds = *bounds;
    RECT rc{bounds->left, bounds->top, bounds->right, bounds->bottom};
    ZEPHYRA_NAMESPACE::ScopedBrush brush(::CreateSolidBrush(windowless_capable_ ? kWindowlessColour : kWindowedColour));
    ::FillRect(dc, &rc, brush.Get());
    return S_OK;
  }
  STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override { return E_NOTIMPL; }
  STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP SetAdvise(DWORD, DWORD, IAdviseSink*) override { return S_OK; }
  STDMETHODIMP GetAdvise(DWORD*, DWORD*, IAdviseSink**) override { return E_NOTIMPL; }
  STDMETHODIMP GetExtent(DWORD, LONG, DVTARGETDEVICE*, LPSIZEL) override { return E_NOTIMPL; }

 private:
  ~TestObject() {
    InPlaceDeactivate();
    if (site_ != nullptr) site_->Release();
    --g_record.live;
  }

  LONG refs_ = 1;
  bool windowless_capable_;
  bool initialised_ = false;
  bool windowless_ = false;
  IOleClientSite* site_ = nullptr;
  IOleInPlaceSite* inplace_site_ = nullptr;
  IOleInPlaceSiteWindowless* windowless_site_ = nullptr;
  IOleInPlaceFrame* frame_ = nullptr;
  HWND window_ = nullptr;
};

class Factory final : public IClassFactory {
 public:
  explicit Factory(bool windowless) : windowless_(windowless) {}
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  // Static objects: their counts only lock the module.
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++g_locks); }
  STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--g_locks); }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* object = new TestObject(windowless_);
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock) {
      ++g_locks;
    } else {
      --g_locks;
    }
    return S_OK;
  }

 private:
  bool windowless_;
};

Factory g_windowless_factory(true);
Factory g_windowed_factory(false);

}  // namespace

Record& Stats() { return g_record; }

void Reset() {
  const int live = g_record.live;
  g_record = Record();
  g_record.live = live;
}

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (clsid == kClsidWindowless) return g_windowless_factory.QueryInterface(iid, out);
  if (clsid == kClsidWindowed) return g_windowed_factory.QueryInterface(iid, out);
  return CLASS_E_CLASSNOTAVAILABLE;
}

bool CanUnload() { return g_record.live == 0 && g_locks == 0; }

void SetModule(HMODULE module) { g_module = module; }

Registration::Registration() {
  ok_ = SUCCEEDED(::CoRegisterClassObject(kClsidWindowless, &g_windowless_factory, CLSCTX_INPROC_SERVER,
                                          REGCLS_MULTIPLEUSE, &cookies_[0])) &&
        SUCCEEDED(::CoRegisterClassObject(kClsidWindowed, &g_windowed_factory, CLSCTX_INPROC_SERVER,
                                          REGCLS_MULTIPLEUSE, &cookies_[1]));
}

Registration::~Registration() {
  for (DWORD cookie : cookies_) {
    if (cookie != 0) ::CoRevokeClassObject(cookie);
  }
}

}  // namespace ztest_ole
