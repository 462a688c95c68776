// scoped_handle.h -- owning wrappers of Windows handles, one type per release
// rule. Owning wrappers close exactly once; borrowed handles stay raw.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <utility>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Traits: Null() is the empty value, IsValid() tells an owned handle,
// Close() releases it.
template <typename Traits>
class ScopedGeneric {
 public:
  using Handle = typename Traits::Handle;

  ScopedGeneric() = default;
  explicit ScopedGeneric(Handle handle) { Set(handle); }
  ScopedGeneric(const ScopedGeneric&) = delete;
  ScopedGeneric& operator=(const ScopedGeneric&) = delete;
  ScopedGeneric(ScopedGeneric&& other) noexcept : handle_(other.Take()) {}
  ScopedGeneric& operator=(ScopedGeneric&& other) noexcept {
    if (this != &other) Set(other.Take());
    return *this;
  }
  ~ScopedGeneric() { Close(); }

  // Takes ownership of `handle`, closing the previous one; the thread's last
  // error survives, so callers may still read the error of the call that
  // produced `handle`.
  void Set(Handle handle) {
    if (handle == handle_) return;
    const DWORD error = ::GetLastError();
    Close();
    handle_ = Traits::IsValid(handle) ? handle : Traits::Null();
    ::SetLastError(error);
  }
  [[nodiscard]] Handle Take() { return std::exchange(handle_, Traits::Null()); }
  void Close() {
    if (Traits::IsValid(handle_)) Traits::Close(handle_);
    handle_ = Traits::Null();
  }

  Handle Get() const { return handle_; }
  bool IsValid() const { return Traits::IsValid(handle_); }
  explicit operator bool() const { return IsValid(); }
  // For APIs that return a handle through a pointer; the old one is closed.
  Handle* Receive() {
    Close();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Null();
};

// Kernel handles: NULL and INVALID_HANDLE_VALUE both mean none.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
using ScopedHandle = ScopedGeneric<KernelHandleTraits>;

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::RegCloseKey(h); }
};
using ScopedRegKey = ScopedGeneric<RegKeyTraits>;

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Null() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::FindClose(h); }
};
using ScopedFindHandle = ScopedGeneric<FindHandleTraits>;

// A module loaded with LoadLibrary; released with FreeLibrary.
struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::FreeLibrary(h); }
};
using ScopedModule = ScopedGeneric<ModuleTraits>;

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
