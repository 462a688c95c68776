// threading.cpp -- starting and joining YdThread.
#include "common/threading.h"

#include <memory>
#include <new>
#include <system_error>
#include <utility>

namespace ZEPHYRA_NAMESPACE {

YdThread::~YdThread() { Join(); }

#ifdef _WIN32

bool YdThread::Start(std::function<void()> body) {
  if (handle_ != nullptr) return false;
  auto* owned = new (std::nothrow) std::function<void()>(std::move(body));
  if (owned == nullptr) return false;
  DWORD id = 0;
  HANDLE handle = CreateThread(nullptr, 0, &YdThread::Main, owned, 0, &id);
  if (handle == nullptr) {
    delete owned;
    return false;
  }
  handle_ = handle;
  id_ = id;
  return true;
}

bool YdThread::Joinable() const { return handle_ != nullptr; }

bool YdThread::IsCurrent() const { return handle_ != nullptr && GetCurrentThreadId() == id_; }

void YdThread::Join() {
  if (handle_ == nullptr || IsCurrent()) return;
  WaitForSingleObject(handle_, INFINITE);
  CloseHandle(handle_);
  handle_ = nullptr;
  id_ = 0;
}

DWORD WINAPI YdThread::Main(void* body) {
  std::unique_ptr<std::function<void()>> owned(static_cast<std::function<void()>*>(body));
  (*owned)();
  return 0;
}

#else

bool YdThread::Start(std::function<void()> body) {
  if (thread_.joinable()) return false;
  try {
    thread_ = std::thread(std::move(body));
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

bool YdThread::Joinable() const { return thread_.joinable(); }

bool YdThread::IsCurrent() const { return thread_.get_id() == std::this_thread::get_id(); }

void YdThread::Join() {
  if (thread_.joinable() && !IsCurrent()) thread_.join();
}

#endif

}  // namespace ZEPHYRA_NAMESPACE
