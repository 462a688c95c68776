// active_x_frame.h -- the small COM objects around a hosted ActiveX object:
// YdActiveXFrameWnd, the in-place frame (and document window) the object is
// given in GetWindowContext, standing for the skinned window; and
// YdActiveXEnum, the enumerator of the site's container (IEnumUnknown over
// the objects it holds).
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include <vector>

#include "common/scoped_com.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdActiveXFrameWnd final : public IOleInPlaceFrame {
 public:
  explicit YdActiveXFrameWnd(HWND window) : window_(window) {}
  YdActiveXFrameWnd(const YdActiveXFrameWnd&) = delete;
  YdActiveXFrameWnd& operator=(const YdActiveXFrameWnd&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IOleWindow
  STDMETHODIMP GetWindow(HWND* out) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return S_OK; }
  // IOleInPlaceUIWindow
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override;
  // IOleInPlaceFrame
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  // The object that made itself UI-active through this frame (borrowed).
  IOleInPlaceActiveObject* ActiveObject() const { return active_.Get(); }

 private:
  ~YdActiveXFrameWnd() = default;

  LONG refs_ = 1;
  HWND window_;
  ScopedComPtr<IOleInPlaceActiveObject> active_;
};

class YdActiveXEnum final : public IEnumUnknown {
 public:
  // Holds a reference to each of `items` (null entries are skipped).
  explicit YdActiveXEnum(const std::vector<IUnknown*>& items);
  YdActiveXEnum(const YdActiveXEnum&) = delete;
  YdActiveXEnum& operator=(const YdActiveXEnum&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IEnumUnknown
  STDMETHODIMP Next(ULONG count, IUnknown** items, ULONG* fetched) override;
  STDMETHODIMP Skip(ULONG count) override;
  STDMETHODIMP Reset() override;
  STDMETHODIMP Clone(IEnumUnknown** out) override;

 private:
  ~YdActiveXEnum();

  LONG refs_ = 1;
  std::vector<IUnknown*> items_;  // one reference each
  size_t next_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
