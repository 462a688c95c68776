// data_object.h -- YdDataObject: the IDataObject a list row hands to a
// drag-and-drop operation. It holds a small set of formats, each a block of
// bytes delivered in global memory (TYMED_HGLOBAL, content aspect); GetData
// gives the caller a fresh copy every time, so the receiver owns and frees
// what it gets. SetData stores further HGLOBAL formats (a drop target or
// the shell may attach its own); advises are not supported.
#pragma once

#include <objidl.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// The registered format naming a dragged list row: the row's name as
// UTF-16 text with its terminating zero.
constexpr wchar_t kListElementFormatName[] = L"Zephyra.ListElement";
// The clipboard format number of kListElementFormatName (registered on
// first use; 0 when registration fails).
CLIPFORMAT ListElementFormat();

class YdDataObject final : public IDataObject {
 public:
  // An empty data object with one reference (null when memory runs out).
  static YdDataObject* Create();
  // The data object of a dragged row: `text` as CF_UNICODETEXT and `name`
  // in the list element format.
  static YdDataObject* ForListElement(const std::wstring& text, const std::wstring& name);

  // Adds or replaces the bytes of `format` (global memory, content aspect).
  bool SetBytes(CLIPFORMAT format, const void* bytes, size_t size);
  // The formats held, in the order they were first set.
  std::vector<FORMATETC> Formats() const;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDataObject
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override;

 private:
  YdDataObject() = default;
  ~YdDataObject() = default;

  struct Entry {
    CLIPFORMAT format;
    std::vector<uint8_t> bytes;
  };
  // The entry of `format`, or null.
  const Entry* Find(CLIPFORMAT format) const;

  LONG refs_ = 1;
  std::vector<Entry> entries_;
};

// Whether `format` asks for data this object can give in `held` (same
// format number, content aspect, whole-object index, global memory); the
// IDataObject result: S_OK, DV_E_FORMATETC, DV_E_DVASPECT, DV_E_LINDEX or
// DV_E_TYMED.
HRESULT MatchFormatRequest(const FORMATETC& format, bool held);

}  // namespace ZEPHYRA_NAMESPACE
