// file_system_win32.cpp -- the file-system backend of the setup: files are
// created with the sequential-scan hint, times are set through the open
// handle, directories are opened with backup semantics for their times and
// the read-only attribute is cleared before a file is deleted; renames stay
// on their volume and a delayed delete goes through MoveFileEx.
#include <windows.h>

#include "archive/file_system.h"
#include "common/scoped_handle.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Fills `out` from a FILETIME value; returns null (leave unchanged) for 0.
const FILETIME* ToFileTime(YdFileTime time, FILETIME& out) {
  if (time == 0) return nullptr;
  out.dwLowDateTime = static_cast<DWORD>(time);
  out.dwHighDateTime = static_cast<DWORD>(time >> 32);
  return &out;
}

bool SetHandleTimes(HANDLE handle, const YdEntryTimesValue& times) {
  FILETIME creation, access, write;
  return ::SetFileTime(handle, ToFileTime(times.creation, creation), ToFileTime(times.lastAccess, access),
                       ToFileTime(times.lastWrite, write)) != FALSE;
}

class Win32OutputFile : public YdOutputFile {
 public:
  explicit Win32OutputFile(HANDLE handle) : handle_(handle) {}

  bool Write(const uint8_t* data, uint32_t length, int* error) override {
    while (length != 0) {
      DWORD written = 0;
      if (!::WriteFile(handle_.Get(), data, length, &written, nullptr)) {
        *error = static_cast<int>(::GetLastError());
        return false;
      }
      if (written == 0) {
        *error = ERROR_WRITE_FAULT;
        return false;
      }
      data += written;
      length -= written;
    }
    return true;
  }

  bool SetTimes(const YdEntryTimesValue& times) override { return SetHandleTimes(handle_.Get(), times); }

 private:
  ScopedHandle handle_;
};

class Win32FileSystem : public YdFileSystem {
 public:
  YdPathKind Probe(const std::u16string& path) override {
    const DWORD attributes = ::GetFileAttributesW(WideCStr(StripProbePath(path)));
    if (attributes == INVALID_FILE_ATTRIBUTES) return YdPathKind::kNone;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? YdPathKind::kDirectory : YdPathKind::kFile;
  }

  bool MakeDirectory(const std::u16string& path, int* error) override {
    if (::CreateDirectoryW(WideCStr(path), nullptr)) return true;
    *error = static_cast<int>(::GetLastError());
    return false;
  }

  bool RemoveFile(const std::u16string& path, int* error) override {
    const std::u16string stripped = StripProbePath(path);
    const DWORD attributes = ::GetFileAttributesW(WideCStr(stripped));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
      ::SetFileAttributesW(WideCStr(stripped), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    }
    if (::DeleteFileW(WideCStr(stripped))) return true;
    *error = static_cast<int>(::GetLastError());
    return false;
  }

  std::unique_ptr<YdOutputFile> CreateOutputFile(const std::u16string& path, uint32_t attributes,
                                                 int* error) override {
    HANDLE handle = ::CreateFileW(WideCStr(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  SettableAttributes(attributes) | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      *error = static_cast<int>(::GetLastError());
      return nullptr;
    }
    ::SetFilePointer(handle, 0, nullptr, FILE_BEGIN);
    return std::make_unique<Win32OutputFile>(handle);
  }

  void SetDirectoryMetadata(const std::u16string& path, uint32_t attributes,
                            const YdEntryTimesValue& times) override {
    ::SetFileAttributesW(WideCStr(path), SettableAttributes(attributes));
    ScopedHandle directory(::CreateFileW(WideCStr(path), FILE_WRITE_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (directory.IsValid()) SetHandleTimes(directory.Get(), times);
  }

  // No copy across volumes: a backup must stay a rename.
  bool RenamePath(const std::u16string& from, const std::u16string& to, int* error) override {
    if (::MoveFileExW(WideCStr(from), WideCStr(to), 0)) return true;
    *error = static_cast<int>(::GetLastError());
    return false;
  }

  bool RemoveEmptyDirectory(const std::u16string& path, int* error) override {
    if (::RemoveDirectoryW(WideCStr(StripProbePath(path)))) return true;
    *error = static_cast<int>(::GetLastError());
    return false;
  }

  bool DeleteAtRestart(const std::u16string& path) override {
    return ::MoveFileExW(WideCStr(path), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
  }

  bool FreeBytes(const std::u16string& path, uint64_t* bytes) override {
    ULARGE_INTEGER available{};
    if (!::GetDiskFreeSpaceExW(WideCStr(WithTrailingBackslash(path)), &available, nullptr, nullptr)) return false;
    *bytes = available.QuadPart;
    return true;
  }

 private:
  static std::u16string WithTrailingBackslash(const std::u16string& path) {
    std::u16string out = StripProbePath(path);
    if (out.empty() || out.back() != u'\\') out.push_back(u'\\');
    return out;
  }
};

}  // namespace

YdFileSystem& NativeFileSystem() {
  static Win32FileSystem file_system;
  return file_system;
}

}  // namespace ZEPHYRA_NAMESPACE
