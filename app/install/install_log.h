// install_log.h -- the install log, "ZephyraSetup.log" in the user's
// temporary folder: UTF-8, appended per run under a header line, then one
// line per event with its local time and the milliseconds since the run
// began. The file stays below about 1 MB: before a run begins, the oldest
// runs are dropped. The line formats and the rotation are pure functions;
// YdInstallLog appends (portable; nothing is written before Begin).
#pragma once

#include <cstdint>
#include <string>

#include "common/threading.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

constexpr wchar_t kInstallLogName[] = L"ZephyraSetup.log";
constexpr size_t kInstallLogLimit = 1024 * 1024;
// Every run's header line starts with this.
constexpr char kLogRunMark[] = "=== ";

struct LogTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

struct LogRunFacts {
  std::string setupVersion;
  int32_t mode = 0;
  std::string modeNames;  // DescribeModeFlags
  std::string windows;     // e.g. "6.1.7601"
  bool windows64Bit = false;
};

// "=== 2026-12-09 00:23:07.123 ZephyraSetup 1.0.0 mode 0x10 (Unattended)
// Windows 6.1.7601 64-bit\r\n"
std::string FormatLogHeader(const LogTime& at, const LogRunFacts& facts);
// "2026-12-09 00:23:07.456 +333 ms <text>\r\n"; line breaks in the text
// become blanks.
std::string FormatLogLine(const LogTime& at, uint64_t elapsed_ms, const std::string& text);
// Where the part of `existing` to keep begins before a run of about
// `limit` / 2 bytes is appended: 0 when all fits below `limit`, else the
// start of the oldest run from which the rest takes at most half of it (the
// size of `existing` when not even the newest run does).
size_t LogKeepFrom(const std::string& existing, size_t limit);

// UTF-8 of a wide text (UTF-16 on Windows).
std::string LogText(const std::wstring& text);

// A file name as the system's file functions take it (a std::filesystem::path
// converts to it).
#ifdef _WIN32
using LogPath = std::wstring;
#else
using LogPath = std::string;
#endif

class YdInstallLog {
 public:
  // Rotates the file at `path`, appends the run's header and starts the
  // clock. False when the file cannot be written (the run goes on unlogged).
  bool Begin(const LogPath& path, const LogRunFacts& facts, size_t limit = kInstallLogLimit);
  // Any thread. Nothing happens before Begin.
  void Write(const std::string& text);
  void Write(const std::wstring& text) { Write(LogText(text)); }
  bool IsOn() const;
  // Ends logging (tests); the file stays.
  void End();

 private:
  mutable YdMutex lock_;
  LogPath path_;
  bool on_ = false;
  uint64_t start_ = 0;  // YdSteadyMilliseconds() at Begin
};

// The setup's log (process-wide).
YdInstallLog& InstallLog();
// Shorthand for InstallLog().Write.
inline void LogEvent(const std::string& text) { InstallLog().Write(text); }
inline void LogEvent(const std::wstring& text) { InstallLog().Write(text); }

}  // namespace ZEPHYRA_NAMESPACE
