// file_system_posix.cpp -- the file-system backend of the host tools: the
// read-only attribute maps to the write bits, the last-write and last-access
// times are set (POSIX has no creation time), links are never followed; a
// delete at the next restart does not exist here.
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <cstdio>
#include <unistd.h>

#include "archive/file_system.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

std::string Native(const std::u16string& path) { return Utf16ToUtf8(path); }

// A FILETIME as a timespec; 0 leaves the time unchanged.
timespec ToTimespec(YdFileTime time) {
  timespec out{};
  if (time == 0) {
    out.tv_nsec = UTIME_OMIT;
    return out;
  }
  constexpr int64_t kUnixEpochTicks = 116444736000000000LL;
  constexpr int64_t kTicksPerSecond = 10000000;
  const int64_t ticks = static_cast<int64_t>(time) - kUnixEpochTicks;  // FILETIMEs above 2^63 wrap; harmless
  int64_t seconds = ticks / kTicksPerSecond;
  int64_t rest = ticks % kTicksPerSecond;
  if (rest < 0) {
    rest += kTicksPerSecond;
    --seconds;
  }
  out.tv_sec = static_cast<time_t>(seconds);
  out.tv_nsec = static_cast<long>(rest * 100);
  return out;
}

class PosixOutputFile : public YdOutputFile {
 public:
  explicit PosixOutputFile(int fd) : fd_(fd) {}
  ~PosixOutputFile() override { ::close(fd_); }

  bool Write(const uint8_t* data, uint32_t length, int* error) override {
    while (length != 0) {
      const ssize_t written = ::write(fd_, data, length);
      if (written < 0) {
        if (errno == EINTR) continue;
        *error = errno;
        return false;
      }
      data += written;
      length -= static_cast<uint32_t>(written);
    }
    return true;
  }

  bool SetTimes(const YdEntryTimesValue& times) override {
    const timespec values[2] = {ToTimespec(times.lastAccess), ToTimespec(times.lastWrite)};
    return ::futimens(fd_, values) == 0;
  }

 private:
  int fd_;
};

class PosixFileSystem : public YdFileSystem {
 public:
  YdPathKind Probe(const std::u16string& path) override {
    struct stat info;
    if (::lstat(Native(StripProbePath(path)).c_str(), &info) != 0) return YdPathKind::kNone;
    return S_ISDIR(info.st_mode) ? YdPathKind::kDirectory : YdPathKind::kFile;
  }

  bool MakeDirectory(const std::u16string& path, int* error) override {
    if (::mkdir(Native(path).c_str(), 0777) == 0) return true;
    *error = errno;
    return false;
  }

  bool RemoveFile(const std::u16string& path, int* error) override {
    const std::string native = Native(StripProbePath(path));
    struct stat info;
    if (::lstat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0) {
      ::chmod(native.c_str(), info.st_mode | S_IWUSR);
    }
    if (::unlink(native.c_str()) == 0) return true;
    *error = errno;
    return false;
  }

  std::unique_ptr<YdOutputFile> CreateOutputFile(const std::u16string& path, uint32_t attributes, int* error) override {
    const mode_t mode = (SettableAttributes(attributes) & kAttrReadOnly) ? 0444 : 0666;
    const int fd = ::open(Native(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
      *error = errno;
      return nullptr;
    }
    return std::make_unique<PosixOutputFile>(fd);
  }

  // The read-only bit of a directory is not applied: on Windows it does not
  // stop files from being created inside, on POSIX it would.
  void SetDirectoryMetadata(const std::u16string& path, uint32_t, const YdEntryTimesValue& times) override {
    const timespec values[2] = {ToTimespec(times.lastAccess), ToTimespec(times.lastWrite)};
    ::utimensat(AT_FDCWD, Native(path).c_str(), values, AT_SYMLINK_NOFOLLOW);
  }

  bool RenamePath(const std::u16string& from, const std::u16string& to, int* error) override {
    struct stat info;
    if (::lstat(Native(to).c_str(), &info) == 0) {
      *error = EEXIST;
      return false;
    }
    if (::rename(Native(from).c_str(), Native(to).c_str()) == 0) return true;
    *error = errno;
    return false;
  }

  bool RemoveEmptyDirectory(const std::u16string& path, int* error) override {
    if (::rmdir(Native(StripProbePath(path)).c_str()) == 0) return true;
    *error = errno;
    return false;
  }

  bool DeleteAtRestart(const std::u16string&) override { return false; }

  bool FreeBytes(const std::u16string& path, uint64_t* bytes) override {
    struct statvfs info;
    if (::statvfs(Native(StripProbePath(path)).c_str(), &info) != 0) return false;
    *bytes = static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
    return true;
  }
};

}  // namespace

YdFileSystem& NativeFileSystem() {
  static PosixFileSystem file_system;
  return file_system;
}

}  // namespace ZEPHYRA_NAMESPACE
