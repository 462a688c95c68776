// scoped_com.h -- owning wrappers for COM: interface pointers (released once),
// the thread's apartment and OLE (uninitialised once) and BSTR strings.
#pragma once

#ifdef _WIN32

#include <objbase.h>
#include <ole2.h>
#include <oleauto.h>

#include <utility>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Owns one reference of an interface pointer.
template <typename T>
class ScopedComPtr {
 public:
  ScopedComPtr() = default;
  ScopedComPtr(const ScopedComPtr&) = delete;
  ScopedComPtr& operator=(const ScopedComPtr&) = delete;
  ScopedComPtr(ScopedComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  ScopedComPtr& operator=(ScopedComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      ptr_ = std::exchange(other.ptr_, nullptr);
    }
    return *this;
  }
  ~ScopedComPtr() { Reset(); }

  void Reset() {
    if (ptr_) ptr_->Release();
    ptr_ = nullptr;
  }
  T* Get() const { return ptr_; }
  T* operator->() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  // For calls that return an interface through a pointer; the old one is
  // released first.
  T** Receive() {
    Reset();
    return &ptr_;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

  // Asks this object for another interface.
  template <typename U>
  HRESULT QueryInto(REFIID iid, ScopedComPtr<U>* out) const {
    if (!ptr_) return E_POINTER;
    return ptr_->QueryInterface(iid, out->ReceiveVoid());
  }

 private:
  T* ptr_ = nullptr;
};

// Initialises COM for the calling thread; uninitialises it on destruction
// when the initialisation succeeded (S_OK or S_FALSE).
class ScopedComApartment {
 public:
  explicit ScopedComApartment(DWORD model = COINIT_APARTMENTTHREADED) : result_(::CoInitializeEx(nullptr, model)) {}
  ScopedComApartment(const ScopedComApartment&) = delete;
  ScopedComApartment& operator=(const ScopedComApartment&) = delete;
  ~ScopedComApartment() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  bool Succeeded() const { return SUCCEEDED(result_); }
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

// Initialises OLE for the calling thread (COM in a single-threaded apartment
// plus the clipboard, drag and drop and in-place activation); uninitialises
// it on destruction when the initialisation succeeded.
class ScopedOleInitialize {
 public:
  ScopedOleInitialize() : result_(::OleInitialize(nullptr)) {}
  ScopedOleInitialize(const ScopedOleInitialize&) = delete;
  ScopedOleInitialize& operator=(const ScopedOleInitialize&) = delete;
  ~ScopedOleInitialize() {
    if (SUCCEEDED(result_)) ::OleUninitialize();
  }
  bool Succeeded() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

// Owns a BSTR made from a wide string.
class ScopedBstr {
 public:
  explicit ScopedBstr(const wchar_t* text) : bstr_(::SysAllocString(text)) {}
  ScopedBstr(const ScopedBstr&) = delete;
  ScopedBstr& operator=(const ScopedBstr&) = delete;
  ~ScopedBstr() { ::SysFreeString(bstr_); }
  BSTR Get() const { return bstr_; }

 private:
  BSTR bstr_;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
