// drop_source.h -- YdDropSource: the IDropSource of a list row's drag. The
// drag goes on while the left button is held; Escape (or a press of the
// right button) cancels it and releasing the left button drops. The
// system's default cursors show the effect.
#pragma once

#include <oleidl.h>
#include <windows.h>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// The answer to QueryContinueDrag for the Escape key and the key state
// (MK_* bits): DRAGDROP_S_CANCEL, DRAGDROP_S_DROP or S_OK.
HRESULT DragContinuation(bool escapePressed, DWORD keyState);

class YdDropSource final : public IDropSource {
 public:
  // A new drop source with one reference (null when memory runs out).
  static YdDropSource* Create();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDropSource
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

 private:
  YdDropSource() = default;
  ~YdDropSource() = default;

  LONG refs_ = 1;
};

}  // namespace ZEPHYRA_NAMESPACE
