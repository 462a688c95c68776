// web_browser.cpp -- YdWebBrowser: navigation and the browser's events.
#include "ui/controls/activex/web_browser.h"

#include <exdispid.h>

namespace ZEPHYRA_NAMESPACE {

namespace {

// The text of a string argument, passed by value or by reference.
std::wstring TextOf(const VARIANT* v) {
  if (v == nullptr) return {};
  if (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
  if (v == nullptr) return {};
  if (V_VT(v) == VT_BSTR && V_BSTR(v) != nullptr) return V_BSTR(v);
  if (V_VT(v) == (VT_BYREF | VT_BSTR) && V_BSTRREF(v) != nullptr && *V_BSTRREF(v) != nullptr) {
    return *V_BSTRREF(v);
  }
  return {};
}

long LongOf(const VARIANT* v) {
  if (v == nullptr) return 0;
  if (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
  if (v == nullptr) return 0;
  if (V_VT(v) == VT_I4) return V_I4(v);
  if (V_VT(v) == (VT_BYREF | VT_I4) && V_I4REF(v) != nullptr) return *V_I4REF(v);
  return 0;
}

// Argument `index` counted from the first one (DISPPARAMS keeps them last
// to first); null when missing.
VARIANT* Arg(DISPPARAMS* params, UINT index) {
  if (params == nullptr || index >= params->cArgs) return nullptr;
  return &params->rgvarg[params->cArgs - 1 - index];
}

// Writes a cancel flag back through a VT_BYREF | VT_BOOL argument.
void SetCancel(VARIANT* v, bool cancel) {
  if (v != nullptr && V_VT(v) == (VT_BYREF | VT_BOOL) && V_BOOLREF(v) != nullptr) {
    *V_BOOLREF(v) = cancel ? VARIANT_TRUE : VARIANT_FALSE;
  }
}

}  // namespace

YdWebBrowser::YdWebBrowser() { SetDefaultClsid(CLSID_WebBrowser); }

YdWebBrowser::~YdWebBrowser() {
  // The events must stop before this object goes; the base would only
  // release the browser after the derived part is gone.
  ReleaseControl();
}

YdControl* YdWebBrowser::QueryKind(int kind) {
  if (kind == kKindWebBrowser) return this;
  return YdActiveX::QueryKind(kind);
}

HRESULT YdWebBrowser::Navigate(const std::wstring& url) {
  if (!browser_) CreateControl();
  if (!browser_) {
    pending_url_ = url;
    return S_FALSE;
  }
  return NavigateNow(url);
}

HRESULT YdWebBrowser::NavigateNow(const std::wstring& url) {
  ScopedBstr address(url.c_str());
  VARIANT empty;
  ::VariantInit(&empty);
  return browser_->Navigate(address.Get(), &empty, &empty, &empty, &empty);
}

void YdWebBrowser::OnControlCreated() {
  if (FAILED(GetControl(IID_IWebBrowser2, browser_.ReceiveVoid())) || !browser_) return;
  browser_->put_Silent(IsShowJsError() ? VARIANT_FALSE : VARIANT_TRUE);
  ScopedComPtr<IConnectionPointContainer> container;
  if (SUCCEEDED(browser_.QueryInto(IID_IConnectionPointContainer, &container)) && container &&
      SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events_point_.Receive())) && events_point_) {
    if (FAILED(events_point_->Advise(static_cast<IDispatch*>(this), &cookie_))) {
      cookie_ = 0;
      events_point_.Reset();
    }
  }
  if (!pending_url_.empty()) {
    const std::wstring url = pending_url_;
    pending_url_.clear();
    NavigateNow(url);
  }
}

void YdWebBrowser::OnControlReleasing() {
  if (events_point_ && cookie_ != 0) events_point_->Unadvise(cookie_);
  cookie_ = 0;
  events_point_.Reset();
  if (browser_) browser_->Stop();
  browser_.Reset();
}

STDMETHODIMP YdWebBrowser::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) YdWebBrowser::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) YdWebBrowser::Release() { return static_cast<ULONG>(::InterlockedDecrement(&refs_)); }

STDMETHODIMP YdWebBrowser::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP YdWebBrowser::GetTypeInfo(UINT, LCID, ITypeInfo** out) {
  if (out != nullptr) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP YdWebBrowser::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  if (handler_ == nullptr) return S_OK;
  switch (id) {
    case DISPID_BEFORENAVIGATE2: {  // (browser, url, flags, frame, post data, headers, cancel)
      bool cancel = false;
      handler_->BeforeNavigate(TextOf(Arg(params, 1)), cancel);
      SetCancel(Arg(params, 6), cancel);
      break;
    }
    case DISPID_NAVIGATECOMPLETE2:  // (browser, url)
      handler_->NavigateComplete(TextOf(Arg(params, 1)));
      break;
    case DISPID_DOCUMENTCOMPLETE:  // (browser, url)
      handler_->DocumentComplete(TextOf(Arg(params, 1)));
      break;
    case DISPID_TITLECHANGE:  // (text)
      handler_->TitleChange(TextOf(Arg(params, 0)));
      break;
    case DISPID_NAVIGATEERROR: {  // (browser, url, frame, status, cancel)
      bool cancel = false;
      handler_->NavigateError(TextOf(Arg(params, 1)), LongOf(Arg(params, 3)), cancel);
      SetCancel(Arg(params, 4), cancel);
      break;
    }
    default:
      break;
  }
  return S_OK;
}

}  // namespace ZEPHYRA_NAMESPACE
