// active_x_frame.cpp -- the in-place frame and the container enumerator of
// the ActiveX host.
#include "ui/controls/activex/active_x_frame.h"

namespace ZEPHYRA_NAMESPACE {

STDMETHODIMP YdActiveXFrameWnd::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
    *out = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) YdActiveXFrameWnd::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) YdActiveXFrameWnd::Release() {
  const LONG left = ::InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP YdActiveXFrameWnd::GetWindow(HWND* out) {
  if (out == nullptr) return E_POINTER;
  *out = window_;
  return window_ != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP YdActiveXFrameWnd::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  if (object != nullptr) object->AddRef();
  active_.Reset();
  *active_.Receive() = object;
  return S_OK;
}

YdActiveXEnum::YdActiveXEnum(const std::vector<IUnknown*>& items) {
  for (IUnknown* item : items) {
    if (item == nullptr) continue;
    item->AddRef();
    items_.push_back(item);
  }
}

YdActiveXEnum::~YdActiveXEnum() {
  for (IUnknown* item : items_) item->Release();
}

STDMETHODIMP YdActiveXEnum::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IEnumUnknown) {
    *out = static_cast<IEnumUnknown*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) YdActiveXEnum::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) YdActiveXEnum::Release() {
  const LONG left = ::InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP YdActiveXEnum::Next(ULONG count, IUnknown** items, ULONG* fetched) {
  if (items == nullptr || (count > 1 && fetched == nullptr)) return E_POINTER;
  ULONG given = 0;
  while (given < count && next_ < items_.size()) {
    items[given] = items_[next_++];
    items[given]->AddRef();
    ++given;
  }
  if (fetched != nullptr) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

STDMETHODIMP YdActiveXEnum::Skip(ULONG count) {
  const size_t left = items_.size() - next_;
  if (count > left) {
    next_ = items_.size();
    return S_FALSE;
  }
  next_ += count;
  return S_OK;
}

STDMETHODIMP YdActiveXEnum::Reset() {
  next_ = 0;
  return S_OK;
}

STDMETHODIMP YdActiveXEnum::Clone(IEnumUnknown** out) {
  if (out == nullptr) return E_POINTER;
  auto* copy = new YdActiveXEnum(items_);
  copy->next_ = next_;
  *out = copy;
  return S_OK;
}

}  // namespace ZEPHYRA_NAMESPACE
