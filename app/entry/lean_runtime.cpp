// lean_runtime.cpp -- the parts of the C++ runtime the setup replaces to stay
// small.
//
// The setup is built without exceptions, and an exception nobody catches
// ends the process. So the library's throw points and a failed allocation
// end it here directly, and the library's exception machinery (exception
// classes with their message strings, the unwinder, the POSIX threads layer
// it locks with) is never linked. Allocation that may fail says so with
// std::nothrow and gets null.
//
// On 32 bits the library's string code, compiled with exceptions, names the
// entry points of the table-driven exception runtime in its clean-up paths.
// Nothing in the setup throws, so those paths are never taken; the entry
// points below end the process should one ever be reached, and defining
// them here keeps the unwinder out: linking it would now fail with a
// duplicate definition, so the build also drops the unwind tables, which
// nothing reads. On 64 bits the system's exception dispatch calls the
// runtime's handler for every exception passing a frame (the debug-output
// one too), so there the library's own stays.
//
// The default terminate handler names the uncaught exception's type on
// stderr, which a windowed program does not have, and for that links the
// whole symbol demangler; this one ends the process the same way, quietly.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

// Every throw point of the library that the setup's code can reach.
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_cast() { abort(); }
void __throw_bad_exception() { abort(); }
void __throw_bad_typeid() { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_domain_error(const char*) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
void __throw_runtime_error(const char*) { abort(); }
void __throw_range_error(const char*) { abort(); }
void __throw_overflow_error(const char*) { abort(); }
void __throw_underflow_error(const char*) { abort(); }
void __throw_bad_function_call() { abort(); }

}  // namespace std

void* operator new(std::size_t size) {
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size == 0 ? 1 : size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

// Function-local statics: the first thread to reach one runs its
// initialiser while later ones wait; a thrown initialiser cannot happen
// here. One lock and one condition for all of them, as the library does.
namespace {

SRWLOCK g_static_lock = SRWLOCK_INIT;
CONDITION_VARIABLE g_static_done = CONDITION_VARIABLE_INIT;

// Byte 0 of a guard: initialised; byte 1: a thread is initialising.
unsigned char* GuardBytes(long long* guard) { return reinterpret_cast<unsigned char*>(guard); }

}  // namespace

extern "C" int __cxa_guard_acquire(long long* guard) {
  unsigned char* bytes = GuardBytes(guard);
  if (__atomic_load_n(&bytes[0], __ATOMIC_ACQUIRE) != 0) return 0;
  AcquireSRWLockExclusive(&g_static_lock);
  while (bytes[0] == 0 && bytes[1] != 0) {
    SleepConditionVariableSRW(&g_static_done, &g_static_lock, INFINITE, 0);
  }
  const int mine = bytes[0] == 0;
  if (mine) bytes[1] = 1;
  ReleaseSRWLockExclusive(&g_static_lock);
  return mine;
}

extern "C" void __cxa_guard_release(long long* guard) {
  unsigned char* bytes = GuardBytes(guard);
  AcquireSRWLockExclusive(&g_static_lock);
  bytes[1] = 0;
  __atomic_store_n(&bytes[0], 1, __ATOMIC_RELEASE);
  ReleaseSRWLockExclusive(&g_static_lock);
  WakeAllConditionVariable(&g_static_done);
}

extern "C" void __cxa_guard_abort(long long* guard) {
  AcquireSRWLockExclusive(&g_static_lock);
  GuardBytes(guard)[1] = 0;
  ReleaseSRWLockExclusive(&g_static_lock);
  WakeAllConditionVariable(&g_static_done);
}

#if !defined(__SEH__)
// The exception runtime's entry points, never reached (see the top).
extern "C" void* __cxa_begin_catch(void*) { std::abort(); }
extern "C" void __cxa_end_catch() { std::abort(); }
extern "C" void __cxa_rethrow() { std::abort(); }
extern "C" void _Unwind_Resume(void*) { std::abort(); }
extern "C" int __gxx_personality_v0(int, int, unsigned long long, void*, void*) { std::abort(); }
#endif
