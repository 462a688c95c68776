// threading.h -- the program's threads, locks, condition variables, sleeps
// and steady clock.
//
// On Windows they are the system's own (CreateThread, slim reader/writer
// locks, condition variables): the C++ library's threads go through a POSIX
// threads layer and report failures by exception, which the setup is built
// without. Elsewhere they are the standard ones. Both offer the standard
// names that std::lock_guard and std::unique_lock use, so callers write
//
//     std::lock_guard<YdMutex> hold(lock_);
//     changed_.wait(hold, [this] { return done_; });
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>

#ifdef _WIN32
#include <windows.h>
#else
#include <condition_variable>
#include <thread>
#endif

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

#ifdef _WIN32

class YdMutex {
 public:
  YdMutex() = default;
  YdMutex(const YdMutex&) = delete;
  YdMutex& operator=(const YdMutex&) = delete;

  void lock() { AcquireSRWLockExclusive(&lock_); }
  bool try_lock() { return TryAcquireSRWLockExclusive(&lock_) != 0; }
  void unlock() { ReleaseSRWLockExclusive(&lock_); }
  SRWLOCK* native_handle() { return &lock_; }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
};

class YdCondition {
 public:
  YdCondition() = default;
  YdCondition(const YdCondition&) = delete;
  YdCondition& operator=(const YdCondition&) = delete;

  void notify_one() { WakeConditionVariable(&condition_); }
  void notify_all() { WakeAllConditionVariable(&condition_); }

  template <typename Predicate>
  void wait(std::unique_lock<YdMutex>& hold, Predicate ready) {
    while (!ready()) Sleep(hold, INFINITE);
  }

  // True when `ready` holds, false when `limit` passed first.
  template <typename Rep, typename Period, typename Predicate>
  bool wait_for(std::unique_lock<YdMutex>& hold, std::chrono::duration<Rep, Period> limit, Predicate ready) {
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(limit).count();
    const ULONGLONG total = milliseconds < 0 ? 0 : static_cast<ULONGLONG>(milliseconds);
    const ULONGLONG start = GetTickCount64();
    while (!ready()) {
      const ULONGLONG spent = GetTickCount64() - start;
      if (spent >= total) return ready();
      const ULONGLONG left = total - spent;
      Sleep(hold, left >= INFINITE ? INFINITE - 1 : static_cast<DWORD>(left));
    }
    return true;
  }

 private:
  void Sleep(std::unique_lock<YdMutex>& hold, DWORD milliseconds) {
    SleepConditionVariableSRW(&condition_, hold.mutex()->native_handle(), milliseconds, 0);
  }

  CONDITION_VARIABLE condition_ = CONDITION_VARIABLE_INIT;
};

inline void YdSleepFor(std::chrono::milliseconds span) {
  ::Sleep(span.count() <= 0 ? 0 : static_cast<DWORD>(span.count()));
}

// Milliseconds of a clock that never goes back, from an arbitrary start.
inline uint64_t YdSteadyMilliseconds() { return GetTickCount64(); }

#else

using YdMutex = std::mutex;

using YdCondition = std::condition_variable;

inline void YdSleepFor(std::chrono::milliseconds span) { std::this_thread::sleep_for(span); }

inline uint64_t YdSteadyMilliseconds() {
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count());
}

#endif

// One thread, joined by its owner (at the latest when it is destroyed).
class YdThread {
 public:
  YdThread() = default;
  ~YdThread();
  YdThread(const YdThread&) = delete;
  YdThread& operator=(const YdThread&) = delete;

  // Runs `body` on a new thread; false (and nothing runs) when the system
  // cannot create one or this object already has a thread.
  bool Start(std::function<void()> body);
  bool Joinable() const;
  // True on the thread this object started.
  bool IsCurrent() const;
  // Waits for the thread to end; does nothing on the thread itself.
  void Join();

 private:
#ifdef _WIN32
  static DWORD WINAPI Main(void* body);

  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
#else
  std::thread thread_;
#endif
};

}  // namespace ZEPHYRA_NAMESPACE
