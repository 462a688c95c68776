// enum_format_etc.h -- YdEnumFormatEtc: the IEnumFORMATETC a data object
// hands out for its formats. It holds its own copy of the format list (the
// target-device records included) and a cursor; Clone copies both, so a
// clone goes on from where the original stands.
#pragma once

#include <objidl.h>
#include <windows.h>

#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdEnumFormatEtc final : public IEnumFORMATETC {
 public:
  // A new enumerator with one reference, positioned at `position` (null
  // when memory runs out).
  static YdEnumFormatEtc* Create(const std::vector<FORMATETC>& formats, ULONG position = 0);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IEnumFORMATETC: Next fills up to `count` records (S_FALSE when fewer
  // were left; `fetched` may be null only when `count` is 1); Skip moves
  // on (S_FALSE, at the end, when fewer were left); Reset goes back to the
  // first; Clone makes an independent enumerator at the same position.
  HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* out, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override;

 private:
  YdEnumFormatEtc(const std::vector<FORMATETC>& formats, ULONG position);
  ~YdEnumFormatEtc();

  LONG refs_ = 1;
  std::vector<FORMATETC> formats_;  // each ptd owned (CoTaskMemAlloc)
  ULONG position_ = 0;
};

// A copy of `format` whose target-device record (when there is one) is a
// fresh CoTaskMemAlloc copy the caller frees with CoTaskMemFree.
FORMATETC CopyFormatEtc(const FORMATETC& format);

}  // namespace ZEPHYRA_NAMESPACE
