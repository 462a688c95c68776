// drop_source.cpp -- YdDropSource: when a drag goes on, drops or is
// cancelled; reference counting.
#include "ui/controls/list_tab/drop_source.h"

#include <new>

namespace ZEPHYRA_NAMESPACE {

HRESULT DragContinuation(bool escapePressed, DWORD keyState) {
  if (escapePressed || (keyState & MK_RBUTTON) != 0) return DRAGDROP_S_CANCEL;
  if ((keyState & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
  return S_OK;
}

YdDropSource* YdDropSource::Create() { return new (std::nothrow) YdDropSource(); }

HRESULT YdDropSource::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
    *out = static_cast<IDropSource*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG YdDropSource::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }

ULONG YdDropSource::Release() {
  const LONG left = ::InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT YdDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
  return DragContinuation(escapePressed != FALSE, keyState);
}

HRESULT YdDropSource::GiveFeedback(DWORD) { return DRAGDROP_S_USEDEFAULTCURSORS; }

}  // namespace ZEPHYRA_NAMESPACE
