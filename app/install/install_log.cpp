// install_log.cpp -- formats, rotation and appending of the install log.
#include "app/install/install_log.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

std::string Stamp(const LogTime& at) {
  char text[40];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d.%03d", at.year, at.month, at.day, at.hour,
                at.minute, at.second, at.millisecond);
  return text;
}

LogTime Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
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
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

std::string FormatLogHeader(const LogTime& at, const LogRunFacts& facts) {
  char mode[16];
  std::snprintf(mode, sizeof(mode), "0x%X", static_cast<unsigned>(facts.mode));
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

bool YdInstallLog::Begin(const std::filesystem::path& path, const LogRunFacts& facts, size_t limit) {
  std::lock_guard<std::mutex> hold(lock_);
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size + limit / 2 > limit) {
    const std::string existing = ReadAll(path);
    const std::string kept = existing.substr(LogKeepFrom(existing, limit));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << kept;
  }
  std::ofstream out(path, std::ios::binary | std::ios::app);
  if (!out) return false;
  out << FormatLogHeader(Now(), facts);
  path_ = path;
  on_ = static_cast<bool>(out);
  start_ = std::chrono::steady_clock::now();
  return on_;
}

void YdInstallLog::Write(const std::string& text) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!on_) return;
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  out << FormatLogLine(Now(), static_cast<uint64_t>(elapsed), text);
}

bool YdInstallLog::IsOn() const {
  std::lock_guard<std::mutex> hold(lock_);
  return on_;
}

void YdInstallLog::End() {
  std::lock_guard<std::mutex> hold(lock_);
  on_ = false;
}

YdInstallLog& InstallLog() {
  static YdInstallLog log;
  return log;
}

}  // namespace ZEPHYRA_NAMESPACE
