// data_object.cpp -- YdDataObject: formats held as bytes, handed out as
// fresh global memory; format matching; reference counting.
#include "ui/controls/list_tab/data_object.h"

#include <cstring>
#include <new>

#include "ui/controls/list_tab/enum_format_etc.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

FORMATETC HGlobalFormat(CLIPFORMAT format) { return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

CLIPFORMAT ListElementFormat() {
  static const CLIPFORMAT format = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(kListElementFormatName));
  return format;
}

HRESULT MatchFormatRequest(const FORMATETC& format, bool held) {
  if (!held) return DV_E_FORMATETC;
  if (format.dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (format.lindex != -1) return DV_E_LINDEX;
  if ((format.tymed & TYMED_HGLOBAL) == 0) return DV_E_TYMED;
  return S_OK;
}

YdDataObject* YdDataObject::Create() { return new (std::nothrow) YdDataObject(); }

YdDataObject* YdDataObject::ForListElement(const std::wstring& text, const std::wstring& name) {
  YdDataObject* object = Create();
  if (object == nullptr) return nullptr;
  const CLIPFORMAT own = ListElementFormat();
  const bool ok = object->SetBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t)) &&
                  (own == 0 || object->SetBytes(own, name.c_str(), (name.size() + 1) * sizeof(wchar_t)));
  if (!ok) {
    object->Release();
    return nullptr;
  }
  return object;
}

bool YdDataObject::SetBytes(CLIPFORMAT format, const void* bytes, size_t size) {
  if (format == 0 || (bytes == nullptr && size != 0)) return false;
  const auto* first = static_cast<const uint8_t*>(bytes);
  for (Entry& e : entries_) {
    if (e.format == format) {
      e.bytes.assign(first, first + size);
      return true;
    }
  }
  entries_.push_back(Entry{format, std::vector<uint8_t>(first, first + size)});
  return true;
}

std::vector<FORMATETC> YdDataObject::Formats() const {
  std::vector<FORMATETC> out;
  out.reserve(entries_.size());
  for (const Entry& e : entries_) out.push_back(HGlobalFormat(e.format));
  return out;
}

const YdDataObject::Entry* YdDataObject::Find(CLIPFORMAT format) const {
  for (const Entry& e : entries_) {
    if (e.format == format) return &e;
  }
  return nullptr;
}

HRESULT YdDataObject::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
    *out = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG YdDataObject::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }

ULONG YdDataObject::Release() {
  const LONG left = ::InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT YdDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (format == nullptr || medium == nullptr) return E_POINTER;
  const Entry* entry = Find(format->cfFormat);
  const HRESULT match = MatchFormatRequest(*format, entry != nullptr);
  if (FAILED(match)) return match;
  // A zero-size block still gets one byte: GlobalAlloc(0) hands out a
  // discarded handle that GlobalLock refuses.
  HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, entry->bytes.empty() ? 1 : entry->bytes.size());
  if (copy == nullptr) return E_OUTOFMEMORY;
  void* target = ::GlobalLock(copy);
  if (target == nullptr) {
    ::GlobalFree(copy);
    return E_OUTOFMEMORY;
  }
  if (!entry->bytes.empty()) std::memcpy(target, entry->bytes.data(), entry->bytes.size());
  ::GlobalUnlock(copy);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = copy;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT YdDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT YdDataObject::QueryGetData(FORMATETC* format) {
  if (format == nullptr) return E_POINTER;
  return MatchFormatRequest(*format, Find(format->cfFormat) != nullptr);
}

HRESULT YdDataObject::GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) {
  if (in == nullptr || out == nullptr) return E_POINTER;
  *out = *in;
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT YdDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
  if (format == nullptr || medium == nullptr) return E_POINTER;
  if (format->dwAspect != DVASPECT_CONTENT || format->lindex != -1) return DV_E_FORMATETC;
  if (medium->tymed != TYMED_HGLOBAL || format->cfFormat == 0) return DV_E_TYMED;
  const SIZE_T size = ::GlobalSize(medium->hGlobal);
  const void* bytes = size != 0 ? ::GlobalLock(medium->hGlobal) : nullptr;
  if (size != 0 && bytes == nullptr) return E_INVALIDARG;
  const bool stored = SetBytes(format->cfFormat, bytes, size);
  if (bytes != nullptr) ::GlobalUnlock(medium->hGlobal);
  if (!stored) return E_OUTOFMEMORY;
  // The object now holds its own copy: a medium handed over is released.
  if (release) ::ReleaseStgMedium(medium);
  return S_OK;
}

HRESULT YdDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  *out = YdEnumFormatEtc::Create(Formats());
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT YdDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT YdDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT YdDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

}  // namespace ZEPHYRA_NAMESPACE
