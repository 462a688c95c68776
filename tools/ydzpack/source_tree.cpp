// source_tree.cpp -- folder walking for the packer, POSIX and Win32.
#include "tools/ydzpack/source_tree.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace ZEPHYRA_NAMESPACE {
namespace {

constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrArchive = 0x20;

// SOURCE_DATE_EPOCH, when set, replaces every time so that packing is
// reproducible.
bool FixedTimes(YdEntryTimes& times) {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr || *epoch == '\0') return false;
  const YdFileTime t = FileTimeFromUnix(std::strtoll(epoch, nullptr, 10));
  times = {t, t, t};
  return true;
}

bool ReadAttributesAndTimes(SourceEntry& entry) {
  YdEntryTimes fixed;
  const bool use_fixed = FixedTimes(fixed);
#ifdef _WIN32
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(entry.path.c_str(), GetFileExInfoStandard, &data)) return false;
  auto ticks = [](const FILETIME& t) { return (YdFileTime{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
  entry.times = {ticks(data.ftCreationTime), ticks(data.ftLastAccessTime), ticks(data.ftLastWriteTime)};
  const bool read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
  struct stat info {};
  if (::stat(entry.path.c_str(), &info) != 0) return false;
  auto ticks = [](const struct timespec& t) {
    return FileTimeFromUnix(t.tv_sec) + static_cast<YdFileTime>(t.tv_nsec / 100);
  };
  // POSIX keeps no creation time; the last-write time stands in for it.
  entry.times = {ticks(info.st_mtim), ticks(info.st_atim), ticks(info.st_mtim)};
  const bool read_only = (info.st_mode & S_IWUSR) == 0;
#endif
  if (use_fixed) entry.times = fixed;
  entry.attributes = entry.isDirectory ? kAttrDirectory : kAttrArchive;
  if (read_only && !entry.isDirectory) entry.attributes |= kAttrReadOnly;
  return true;
}

}  // namespace

bool ListSourceFolder(const std::filesystem::path& folder, std::vector<SourceEntry>& entries, std::string& error) {
  entries.clear();
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    SourceEntry entry;
    entry.path = it->path();
    entry.name = entry.path.filename().u16string();
    entry.isDirectory = it->is_directory(ec);
    if (ec) break;
    if (!entry.isDirectory && !it->is_regular_file(ec)) continue;  // sockets, devices, broken links
    if (!ReadAttributesAndTimes(entry)) {
      error = "cannot read the attributes of " + entry.path.string();
      return false;
    }
    entries.push_back(std::move(entry));
  }
  if (ec) {
    error = "cannot read folder " + folder.string() + ": " + ec.message();
    return false;
  }
  std::sort(entries.begin(), entries.end(), [](const SourceEntry& a, const SourceEntry& b) { return a.name < b.name; });
  return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteWholeFile(const std::filesystem::path& path, const std::vector<uint8_t>& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace ZEPHYRA_NAMESPACE
