// enum_format_etc.cpp -- YdEnumFormatEtc: format list copy, cursor moves
// and reference counting.
#include "ui/controls/list_tab/enum_format_etc.h"

#include <cstring>
#include <new>

namespace ZEPHYRA_NAMESPACE {

FORMATETC CopyFormatEtc(const FORMATETC& format) {
  FORMATETC copy = format;
  if (format.ptd != nullptr) {
    const DWORD size = format.ptd->tdSize;
    copy.ptd = static_cast<DVTARGETDEVICE*>(::CoTaskMemAlloc(size));
    if (copy.ptd != nullptr) std::memcpy(copy.ptd, format.ptd, size);
  }
  return copy;
}

YdEnumFormatEtc* YdEnumFormatEtc::Create(const std::vector<FORMATETC>& formats, ULONG position) {
  return new (std::nothrow) YdEnumFormatEtc(formats, position);
}

YdEnumFormatEtc::YdEnumFormatEtc(const std::vector<FORMATETC>& formats, ULONG position) {
  formats_.reserve(formats.size());
  for (const FORMATETC& f : formats) formats_.push_back(CopyFormatEtc(f));
  position_ = position > formats_.size() ? static_cast<ULONG>(formats_.size()) : position;
}

YdEnumFormatEtc::~YdEnumFormatEtc() {
  for (FORMATETC& f : formats_) ::CoTaskMemFree(f.ptd);
}

HRESULT YdEnumFormatEtc::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumFORMATETC)) {
    *out = static_cast<IEnumFORMATETC*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG YdEnumFormatEtc::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }

ULONG YdEnumFormatEtc::Release() {
  const LONG left = ::InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT YdEnumFormatEtc::Next(ULONG count, FORMATETC* out, ULONG* fetched) {
  if (fetched != nullptr) *fetched = 0;
  if (out == nullptr) return E_POINTER;
  if (fetched == nullptr && count != 1) return E_INVALIDARG;
  ULONG n = 0;
  while (n < count && position_ < formats_.size()) out[n++] = CopyFormatEtc(formats_[position_++]);
  if (fetched != nullptr) *fetched = n;
  return n == count ? S_OK : S_FALSE;
}

HRESULT YdEnumFormatEtc::Skip(ULONG count) {
  const ULONG left = static_cast<ULONG>(formats_.size()) - position_;
  if (count > left) {
    position_ = static_cast<ULONG>(formats_.size());
    return S_FALSE;
  }
  position_ += count;
  return S_OK;
}

HRESULT YdEnumFormatEtc::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT YdEnumFormatEtc::Clone(IEnumFORMATETC** out) {
  if (out == nullptr) return E_POINTER;
  *out = new (std::nothrow) YdEnumFormatEtc(formats_, position_);
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace ZEPHYRA_NAMESPACE
