// install_log.cpp -- formats, rotation and appending of the install log.
#include "app/install/install_log.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>

#include "common/format.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

std::string Stamp(const LogTime& at) {
  return FormatText("%04d-%02d-%02d %02d:%02d:%02d.%03d", at.year, at.month, at.day, at.hour, at.minute, at.second,
                    at.millisecond);
}

LogTime Now() {
#ifdef _WIN32
  // The system's local time directly: the C++ clocks go through a POSIX
  // layer the setup does not otherwise link.
  SYSTEMTIME local;
  GetLocalTime(&local);
  LogTime at;
  at.year = local.wYear;
  at.month = local.wMonth;
  at.day = local.wDay;
  at.hour = local.wHour;
  at.minute = local.wMinute;
  at.second = local.wSecond;
  at.millisecond = local.wMilliseconds;
  return at;
#else
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  LogTime at;
  at.year = local.tm_year + 1900;
  at.month = local.tm_mon + 1;
  at.day = local.tm_mday;
  at.hour = local.tm_hour;
  at.minute = local.tm_min;
  at.second = local.tm_sec;
  at.millisecond =
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return at;
#endif
}

// The log goes through the C runtime's files: the standard streams would
// link the stream classes and every locale facet into the setup.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// mode: "rb", "wb" or "ab".
File OpenLog(const LogPath& path, const char* mode) {
#ifdef _WIN32
  const std::wstring wide(mode, mode + std::char_traits<char>::length(mode));
  return File(::_wfopen(path.c_str(), wide.c_str()));
#else
  return File(std::fopen(path.c_str(), mode));
#endif
}

// The whole file when it holds more than `moreThan` bytes; false when it
// holds no more or cannot be read. Most runs start with a log that needs no
// trimming: only its size is read then.
bool ReadAllBeyond(const LogPath& path, size_t moreThan, std::string* bytes) {
  File in = OpenLog(path, "rb");
  if (!in || std::fseek(in.get(), 0, SEEK_END) != 0) return false;
  const long size = std::ftell(in.get());
  if (size < 0 || static_cast<unsigned long>(size) <= moreThan || std::fseek(in.get(), 0, SEEK_SET) != 0) {
    return false;
  }
  bytes->reserve(static_cast<size_t>(size));
  char block[16384];
  size_t got = 0;
  while ((got = std::fread(block, 1, sizeof(block), in.get())) > 0) bytes->append(block, got);
  return std::ferror(in.get()) == 0;
}

bool Append(const LogPath& path, const std::string& text) {
  File out = OpenLog(path, "ab");
  if (!out) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), out.get()) == text.size();
  return std::fclose(out.release()) == 0 && written;
}

}  // namespace

std::string FormatLogHeader(const LogTime& at, const LogRunFacts& facts) {
  const std::string mode = FormatText("0x%X", static_cast<unsigned>(facts.mode));
  return std::string(kLogRunMark) + Stamp(at) + " ZephyraSetup " + facts.setupVersion + " mode " + mode + " (" +
         facts.modeNames + ") Windows " + facts.windows + (facts.windows64Bit ? " 64-bit" : " 32-bit") + "\r\n";
}

std::string FormatLogLine(const LogTime& at, uint64_t elapsed_ms, const std::string& text) {
  std::string line = Stamp(at) + " +" + std::to_string(elapsed_ms) + " ms ";
  for (char c : text) line.push_back(c == '\r' || c == '\n' ? ' ' : c);
  return line + "\r\n";
}

size_t LogKeepFrom(const std::string& existing, size_t limit) {
  if (existing.size() + limit / 2 <= limit) return 0;
  // Runs start with the mark right after a line break; the first run, at
  // the file's start, is the oldest and never the one to keep from.
  const std::string mark = std::string("\n") + kLogRunMark;
  for (size_t at = existing.find(mark); at != std::string::npos; at = existing.find(mark, at + 1)) {
    if (existing.size() - (at + 1) <= limit / 2) return at + 1;
  }
  return existing.size();
}

std::string LogText(const std::wstring& text) {
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

bool YdInstallLog::Begin(const LogPath& path, const LogRunFacts& facts, size_t limit) {
  std::lock_guard<YdMutex> hold(lock_);
  std::string existing;
  if (ReadAllBeyond(path, limit - limit / 2, &existing)) {
    const size_t keep = LogKeepFrom(existing, limit);
    File out = OpenLog(path, "wb");
    if (out) std::fwrite(existing.data() + keep, 1, existing.size() - keep, out.get());
  }
  if (!Append(path, FormatLogHeader(Now(), facts))) return false;
  path_ = path;
  on_ = true;
  start_ = YdSteadyMilliseconds();
  return true;
}

void YdInstallLog::Write(const std::string& text) {
  std::lock_guard<YdMutex> hold(lock_);
  if (!on_) return;
  Append(path_, FormatLogLine(Now(), YdSteadyMilliseconds() - start_, text));
}

bool YdInstallLog::IsOn() const {
  std::lock_guard<YdMutex> hold(lock_);
  return on_;
}

void YdInstallLog::End() {
  std::lock_guard<YdMutex> hold(lock_);
  on_ = false;
}

YdInstallLog& InstallLog() {
  static YdInstallLog log;
  return log;
}

}  // namespace ZEPHYRA_NAMESPACE
