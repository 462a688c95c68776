// drag_objects_test.cpp -- the drag-and-drop objects of a list row, called
// directly: the format enumerator (Next, Skip, Reset, Clone, target-device
// copies), the data object (formats, QueryGetData answers, GetData handing
// out a fresh copy each time, SetData, unsupported parts), the drop source
// (Escape, buttons) and the drag distance rule; reference counts and
// QueryInterface on each.
#include <gtest/gtest.h>
#include <ole2.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/scoped_com.h"
#include "ui/controls/list_tab/data_object.h"
#include "ui/controls/list_tab/drop_source.h"
#include "ui/controls/list_tab/enum_format_etc.h"
#include "ui/controls/list_tab/list.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

FORMATETC Hg(CLIPFORMAT f) { return FORMATETC{f, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

std::vector<CLIPFORMAT> Drain(IEnumFORMATETC* e) {
  std::vector<CLIPFORMAT> out;
  FORMATETC f{};
  while (e->Next(1, &f, nullptr) == S_OK) {
    out.push_back(f.cfFormat);
    ::CoTaskMemFree(f.ptd);
  }
  return out;
}

// The wide text in a medium's global memory.
std::wstring TextOf(const STGMEDIUM& m) {
  const auto* p = static_cast<const wchar_t*>(::GlobalLock(m.hGlobal));
  if (p == nullptr) return L"<unlocked>";
  std::wstring s(p);
  ::GlobalUnlock(m.hGlobal);
  return s;
}

TEST(EnumFormatEtc, NextSkipResetAndItsEdges) {
  ScopedComPtr<IEnumFORMATETC> e;
  *e.Receive() = YdEnumFormatEtc::Create({Hg(CF_TEXT), Hg(CF_UNICODETEXT), Hg(CF_HDROP)});
  ASSERT_TRUE(e);
  FORMATETC out[5] = {};
  ULONG fetched = 99;
  EXPECT_EQ(e->Next(2, out, &fetched), S_OK);
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(out[0].cfFormat, CF_TEXT);
  EXPECT_EQ(out[1].cfFormat, CF_UNICODETEXT);
  EXPECT_EQ(out[1].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
  // Fewer left than asked: S_FALSE with the count fetched.
  EXPECT_EQ(e->Next(5, out, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 1u);
  EXPECT_EQ(out[0].cfFormat, CF_HDROP);
  EXPECT_EQ(e->Next(1, out, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
  // A null count is only allowed for one record.
  EXPECT_EQ(e->Next(2, out, nullptr), E_INVALIDARG);
  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(e->Skip(2), S_OK);
  EXPECT_EQ(Drain(e.Get()), (std::vector<CLIPFORMAT>{CF_HDROP}));
  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(e->Skip(0), S_OK);
  EXPECT_EQ(e->Skip(4), S_FALSE);  // past the end: stays at the end
  EXPECT_TRUE(Drain(e.Get()).empty());
  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(Drain(e.Get()), (std::vector<CLIPFORMAT>{CF_TEXT, CF_UNICODETEXT, CF_HDROP}));
  // An empty list.
  ScopedComPtr<IEnumFORMATETC> empty;
  *empty.Receive() = YdEnumFormatEtc::Create({});
  EXPECT_EQ(empty->Next(1, out, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
  EXPECT_EQ(empty->Skip(1), S_FALSE);
}

TEST(EnumFormatEtc, CloneKeepsThePositionAndMovesOnItsOwn) {
  ScopedComPtr<IEnumFORMATETC> e;
  *e.Receive() = YdEnumFormatEtc::Create({Hg(CF_TEXT), Hg(CF_UNICODETEXT), Hg(CF_HDROP)});
  ASSERT_EQ(e->Skip(1), S_OK);
  ScopedComPtr<IEnumFORMATETC> clone;
  ASSERT_EQ(e->Clone(clone.Receive()), S_OK);
  ASSERT_TRUE(clone);
  EXPECT_EQ(Drain(clone.Get()), (std::vector<CLIPFORMAT>{CF_UNICODETEXT, CF_HDROP}));
  // The original did not move with the clone.
  EXPECT_EQ(Drain(e.Get()), (std::vector<CLIPFORMAT>{CF_UNICODETEXT, CF_HDROP}));
  EXPECT_EQ(clone->Reset(), S_OK);
  EXPECT_EQ(Drain(clone.Get()).size(), 3u);
  EXPECT_EQ(e->Clone(nullptr), E_POINTER);
}

TEST(EnumFormatEtc, TargetDeviceRecordsAreCopied) {
  // A target-device record of 32 bytes with a recognisable tail.
  std::vector<BYTE> raw(32, 0);
  auto* td = reinterpret_cast<DVTARGETDEVICE*>(raw.data());
  td->tdSize = 32;
  raw[31] = 0x5A;
  FORMATETC withTd = Hg(CF_TEXT);
  withTd.ptd = td;
  ScopedComPtr<IEnumFORMATETC> e;
  *e.Receive() = YdEnumFormatEtc::Create({withTd});
  raw[31] = 0;  // the enumerator holds its own copy
  FORMATETC out{};
  ASSERT_EQ(e->Next(1, &out, nullptr), S_OK);
  ASSERT_NE(out.ptd, nullptr);
  EXPECT_NE(out.ptd, td);
  EXPECT_EQ(out.ptd->tdSize, 32u);
  EXPECT_EQ(reinterpret_cast<BYTE*>(out.ptd)[31], 0x5A);
  ::CoTaskMemFree(out.ptd);
}

TEST(EnumFormatEtc, ReferenceCountAndInterfaces) {
  YdEnumFormatEtc* e = YdEnumFormatEtc::Create({Hg(CF_TEXT)});
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->AddRef(), 2u);
  void* p = reinterpret_cast<void*>(1);
  EXPECT_EQ(e->QueryInterface(IID_IDataObject, &p), E_NOINTERFACE);
  EXPECT_EQ(p, nullptr);
  ASSERT_EQ(e->QueryInterface(IID_IEnumFORMATETC, &p), S_OK);
  EXPECT_EQ(p, static_cast<IEnumFORMATETC*>(e));
  ASSERT_EQ(e->QueryInterface(IID_IUnknown, &p), S_OK);
  EXPECT_EQ(e->Release(), 3u);
  EXPECT_EQ(e->Release(), 2u);
  EXPECT_EQ(e->Release(), 1u);
  EXPECT_EQ(e->Release(), 0u);
}

TEST(DataObject, ARowCarriesItsTextAndItsName) {
  const CLIPFORMAT own = ListElementFormat();
  ASSERT_NE(own, 0);
  EXPECT_EQ(own, static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(kListElementFormatName)));
  wchar_t name[64] = {};
  ASSERT_GT(::GetClipboardFormatNameW(own, name, 64), 0);
  EXPECT_STREQ(name, kListElementFormatName);

  ScopedComPtr<IDataObject> data;
  *data.Receive() = YdDataObject::ForListElement(L"Row text", L"r0");
  ASSERT_TRUE(data);
  ScopedComPtr<IEnumFORMATETC> e;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, e.Receive()), S_OK);
  FORMATETC f[3] = {};
  ULONG n = 0;
  EXPECT_EQ(e->Next(3, f, &n), S_FALSE);
  ASSERT_EQ(n, 2u);
  EXPECT_EQ(f[0].cfFormat, CF_UNICODETEXT);
  EXPECT_EQ(f[1].cfFormat, own);
  for (const FORMATETC& x : {f[0], f[1]}) {
    EXPECT_EQ(x.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(x.dwAspect, static_cast<DWORD>(DVASPECT_CONTENT));
    EXPECT_EQ(x.lindex, -1);
    EXPECT_EQ(x.ptd, nullptr);
  }
  ScopedComPtr<IEnumFORMATETC> none;
  EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, none.Receive()), E_NOTIMPL);
  EXPECT_FALSE(none);

  STGMEDIUM m{};
  FORMATETC ask = Hg(own);
  ASSERT_EQ(data->GetData(&ask, &m), S_OK);
  EXPECT_EQ(TextOf(m), L"r0");
  EXPECT_EQ(::GlobalSize(m.hGlobal), 3 * sizeof(wchar_t));
  ::ReleaseStgMedium(&m);
}

TEST(DataObject, QueryGetDataNamesWhatIsWrong) {
  ScopedComPtr<IDataObject> data;
  *data.Receive() = YdDataObject::ForListElement(L"t", L"n");
  FORMATETC f = Hg(CF_UNICODETEXT);
  EXPECT_EQ(data->QueryGetData(&f), S_OK);
  f.tymed = TYMED_HGLOBAL | TYMED_ISTREAM;  // any medium that includes global memory
  EXPECT_EQ(data->QueryGetData(&f), S_OK);
  f.tymed = TYMED_ISTREAM;
  EXPECT_EQ(data->QueryGetData(&f), DV_E_TYMED);
  f = Hg(CF_TEXT);
  EXPECT_EQ(data->QueryGetData(&f), DV_E_FORMATETC);
  f = Hg(CF_UNICODETEXT);
  f.dwAspect = DVASPECT_THUMBNAIL;
  EXPECT_EQ(data->QueryGetData(&f), DV_E_DVASPECT);
  f = Hg(CF_UNICODETEXT);
  f.lindex = 0;
  EXPECT_EQ(data->QueryGetData(&f), DV_E_LINDEX);
  EXPECT_EQ(data->QueryGetData(nullptr), E_POINTER);
  // GetData refuses the same requests and leaves the medium empty.
  STGMEDIUM m{};
  f = Hg(CF_TEXT);
  EXPECT_EQ(data->GetData(&f, &m), DV_E_FORMATETC);
  EXPECT_EQ(m.hGlobal, nullptr);
}

TEST(DataObject, GetDataHandsOutAFreshCopyEveryTime) {
  ScopedComPtr<IDataObject> data;
  *data.Receive() = YdDataObject::ForListElement(L"Row text", L"r0");
  FORMATETC f = Hg(CF_UNICODETEXT);
  STGMEDIUM first{}, second{};
  ASSERT_EQ(data->GetData(&f, &first), S_OK);
  ASSERT_EQ(data->GetData(&f, &second), S_OK);
  EXPECT_EQ(first.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
  EXPECT_EQ(first.pUnkForRelease, nullptr);
  EXPECT_NE(first.hGlobal, second.hGlobal);
  EXPECT_EQ(TextOf(first), L"Row text");
  // The receiver may write into its copy: the next copy is untouched.
  auto* p = static_cast<wchar_t*>(::GlobalLock(first.hGlobal));
  ASSERT_NE(p, nullptr);
  p[0] = L'X';
  ::GlobalUnlock(first.hGlobal);
  ::ReleaseStgMedium(&first);
  EXPECT_EQ(TextOf(second), L"Row text");
  ::ReleaseStgMedium(&second);
  STGMEDIUM third{};
  ASSERT_EQ(data->GetData(&f, &third), S_OK);
  EXPECT_EQ(TextOf(third), L"Row text");
  ::ReleaseStgMedium(&third);
}

HGLOBAL GlobalText(const wchar_t* text) {
  const size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(::GlobalLock(h), text, bytes);
  ::GlobalUnlock(h);
  return h;
}

// Counts the releases ReleaseStgMedium makes through pUnkForRelease.
struct CountingUnknown : IUnknown {
  int releases = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override {
    ++releases;
    return 1;
  }
};

TEST(DataObject, SetDataStoresACopyAndReleasesWhatIsHandedOver) {
  ScopedComPtr<IDataObject> data;
  *data.Receive() = YdDataObject::ForListElement(L"old", L"n");
  const CLIPFORMAT extra = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"Zephyra.TestExtra"));
  // Kept by the caller (release FALSE): still valid afterwards.
  FORMATETC f = Hg(CF_UNICODETEXT);
  CountingUnknown keptOwner;
  STGMEDIUM kept{};
  kept.tymed = TYMED_HGLOBAL;
  kept.hGlobal = GlobalText(L"new");
  kept.pUnkForRelease = &keptOwner;
  ASSERT_EQ(data->SetData(&f, &kept, FALSE), S_OK);
  EXPECT_EQ(keptOwner.releases, 0);
  EXPECT_EQ(TextOf(kept), L"new");
  ::GlobalFree(kept.hGlobal);
  // Handed over (release TRUE): the object releases it, once.
  FORMATETC g = Hg(extra);
  CountingUnknown givenOwner;
  STGMEDIUM given{};
  given.tymed = TYMED_HGLOBAL;
  given.hGlobal = GlobalText(L"extra");
  given.pUnkForRelease = &givenOwner;
  HGLOBAL givenMemory = given.hGlobal;
  ASSERT_EQ(data->SetData(&g, &given, TRUE), S_OK);
  EXPECT_EQ(givenOwner.releases, 1);
  // Its own copy: the caller's memory may go.
  ::GlobalFree(givenMemory);
  STGMEDIUM m{};
  ASSERT_EQ(data->GetData(&f, &m), S_OK);
  EXPECT_EQ(TextOf(m), L"new");
  ::ReleaseStgMedium(&m);
  ASSERT_EQ(data->GetData(&g, &m), S_OK);
  EXPECT_EQ(TextOf(m), L"extra");
  ::ReleaseStgMedium(&m);
  ScopedComPtr<IEnumFORMATETC> e;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, e.Receive()), S_OK);
  EXPECT_EQ(Drain(e.Get()), (std::vector<CLIPFORMAT>{CF_UNICODETEXT, ListElementFormat(), extra}));
  // Media other than global memory are refused.
  STGMEDIUM stream{};
  stream.tymed = TYMED_ISTREAM;
  EXPECT_EQ(data->SetData(&f, &stream, FALSE), DV_E_TYMED);
}

TEST(DataObject, UnsupportedPartsReferenceCountAndInterfaces) {
  YdDataObject* data = YdDataObject::Create();
  ASSERT_NE(data, nullptr);
  DWORD connection = 0;
  FORMATETC f = Hg(CF_TEXT);
  EXPECT_EQ(data->DAdvise(&f, 0, nullptr, &connection), OLE_E_ADVISENOTSUPPORTED);
  EXPECT_EQ(data->DUnadvise(1), OLE_E_ADVISENOTSUPPORTED);
  STGMEDIUM m{};
  EXPECT_EQ(data->GetDataHere(&f, &m), E_NOTIMPL);
  FORMATETC canon{};
  f.ptd = reinterpret_cast<DVTARGETDEVICE*>(&canon);  // never read
  EXPECT_EQ(data->GetCanonicalFormatEtc(&f, &canon), DATA_S_SAMEFORMATETC);
  EXPECT_EQ(canon.ptd, nullptr);
  EXPECT_EQ(canon.cfFormat, CF_TEXT);
  // An empty object has no formats.
  EXPECT_EQ(data->QueryGetData(&f), DV_E_FORMATETC);
  void* p = nullptr;
  EXPECT_EQ(data->QueryInterface(IID_IDropSource, &p), E_NOINTERFACE);
  ASSERT_EQ(data->QueryInterface(IID_IDataObject, &p), S_OK);
  EXPECT_EQ(p, static_cast<IDataObject*>(data));
  EXPECT_EQ(data->Release(), 1u);
  EXPECT_EQ(data->AddRef(), 2u);
  EXPECT_EQ(data->Release(), 1u);
  EXPECT_EQ(data->Release(), 0u);
}

TEST(DropSource, EscapeAndTheButtonsDecide) {
  YdDropSource* source = YdDropSource::Create();
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
  EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON | MK_SHIFT | MK_CONTROL), S_OK);
  EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
  EXPECT_EQ(source->QueryContinueDrag(TRUE, 0), DRAGDROP_S_CANCEL);  // Escape wins over the drop
  EXPECT_EQ(source->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
  EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_SHIFT), DRAGDROP_S_DROP);
  EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON | MK_RBUTTON), DRAGDROP_S_CANCEL);
  EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
  void* p = nullptr;
  EXPECT_EQ(source->QueryInterface(IID_IDataObject, &p), E_NOINTERFACE);
  ASSERT_EQ(source->QueryInterface(IID_IDropSource, &p), S_OK);
  EXPECT_EQ(source->Release(), 1u);
  EXPECT_EQ(source->Release(), 0u);
}

TEST(DragDistance, OnlyBeyondTheBoxAroundThePress) {
  const SIZE box{4, 3};
  EXPECT_FALSE(PassedDragDistance({10, 10}, {14, 13}, box));
  EXPECT_FALSE(PassedDragDistance({10, 10}, {6, 7}, box));
  EXPECT_TRUE(PassedDragDistance({10, 10}, {15, 10}, box));
  EXPECT_TRUE(PassedDragDistance({10, 10}, {5, 10}, box));
  EXPECT_TRUE(PassedDragDistance({10, 10}, {10, 14}, box));
  EXPECT_TRUE(PassedDragDistance({10, 10}, {10, 6}, box));
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
