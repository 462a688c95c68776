// web_browser.h -- YdWebBrowser (element "WebBrowser"): an ActiveX host for
// the platform's web browser control. It navigates (at once, or as soon as
// the browser exists when asked before), keeps script error dialogs away
// unless "showjserror", and listens to the browser's events
// (DWebBrowserEvents2) through its own IDispatch, handing them to an event
// handler the program sets.
#pragma once

#include <exdisp.h>
#include <ocidl.h>
#include <windows.h>

#include <string>

#include "common/scoped_com.h"
#include "common/yd_namespace.h"
#include "ui/controls/activex/active_x.h"

namespace ZEPHYRA_NAMESPACE {

// What a program hears of the browser. Setting `cancel` stops a navigation.
class IYdWebBrowserEvents {
 public:
  virtual void BeforeNavigate(const std::wstring& /*url*/, bool& /*cancel*/) {}
  virtual void NavigateComplete(const std::wstring& /*url*/) {}
  virtual void DocumentComplete(const std::wstring& /*url*/) {}
  virtual void TitleChange(const std::wstring& /*title*/) {}
  virtual void NavigateError(const std::wstring& /*url*/, long /*status*/, bool& /*cancel*/) {}

 protected:
  ~IYdWebBrowserEvents() = default;
};

class YdWebBrowser : public YdActiveX, public IDispatch {
 public:
  YdWebBrowser();
  ~YdWebBrowser() override;

  int GetKind() const override { return kKindWebBrowser; }
  YdControl* QueryKind(int kind) override;

  // Navigates to `url`. Before the browser exists the address is kept and
  // used as soon as it is created (S_FALSE).
  HRESULT Navigate(const std::wstring& url);
  const std::wstring& GetPendingUrl() const { return pending_url_; }
  // The browser (borrowed; null before creation or when the object is not
  // a web browser).
  IWebBrowser2* GetWebBrowser2() const { return browser_.Get(); }
  void SetEventHandler(IYdWebBrowserEvents* handler) { handler_ = handler; }
  // Whether the browser's events reach this control.
  bool IsListening() const { return cookie_ != 0; }

  // IUnknown (the control's own lifetime rules; the counts only guard
  // against use after the browser let go)
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** out) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;
  // References the browser still holds on the event sink.
  LONG SinkReferences() const { return refs_; }

 protected:
  void OnControlCreated() override;
  void OnControlReleasing() override;

 private:
  HRESULT NavigateNow(const std::wstring& url);

  ScopedComPtr<IWebBrowser2> browser_;
  ScopedComPtr<IConnectionPoint> events_point_;
  DWORD cookie_ = 0;
  LONG refs_ = 0;
  std::wstring pending_url_;
  IYdWebBrowserEvents* handler_ = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE
