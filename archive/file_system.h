// file_system.h -- the file-system effects of an extraction behind one thin
// interface: a Win32 backend (the setup), a POSIX backend (host tools and
// tests) and an in-memory one (verification, fuzzing, fault injection).
// Paths are UTF-16; errors are the platform's system error numbers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "archive/yd_toc_node.h"

namespace ZEPHYRA_NAMESPACE {

#ifdef _WIN32
constexpr char16_t kYdPathSeparator = u'\\';
#else
constexpr char16_t kYdPathSeparator = u'/';
#endif

// System error given for a target directory that is an existing file
// (ERROR_ALREADY_EXISTS), on every platform.
constexpr int kYdErrorAlreadyExists = 183;
// System errors of a missing folder (ERROR_PATH_NOT_FOUND) and of a full
// volume (ERROR_DISK_FULL), on every platform.
constexpr int kYdErrorPathNotFound = 3;
constexpr int kYdErrorDiskFull = 112;

// Windows file attribute bits the archive may carry.
enum YdFileAttribute : uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrNormal = 0x80,
  kAttrTemporary = 0x100,
  kAttrOffline = 0x1000,
  kAttrNotContentIndexed = 0x2000,
};

// The attribute bits of an entry that may be given to a file or directory.
// An archive's attribute word is otherwise passed as creation flags, where
// bits such as overlapped I/O, no buffering or delete-on-close would break
// the writing or remove the file; those are dropped.
uint32_t SettableAttributes(uint32_t attributes);

struct YdEntryTimesValue {
  YdFileTime creation = 0;
  YdFileTime lastAccess = 0;
  YdFileTime lastWrite = 0;
};

enum class YdPathKind { kNone, kFile, kDirectory };

// One file open for writing; closed by its destructor.
class YdOutputFile {
 public:
  virtual ~YdOutputFile() = default;
  // Writes all of [data, data + length). False with *error on failure.
  virtual bool Write(const uint8_t* data, uint32_t length, int* error) = 0;
  // Sets the times through the open handle; 0 leaves a time unchanged.
  virtual bool SetTimes(const YdEntryTimesValue& times) = 0;
};

class YdFileSystem {
 public:
  virtual ~YdFileSystem() = default;
  // What the path names. A symbolic link counts as a file, never followed.
  virtual YdPathKind Probe(const std::u16string& path) = 0;
  virtual bool MakeDirectory(const std::u16string& path, int* error) = 0;
  // Clears the read-only attribute, then deletes the file.
  virtual bool RemoveFile(const std::u16string& path, int* error) = 0;
  // Creates (or truncates) a file for writing with the given attributes.
  // Null with *error on failure.
  virtual std::unique_ptr<YdOutputFile> CreateOutputFile(const std::u16string& path, uint32_t attributes,
                                                   int* error) = 0;
  // Sets a directory's attributes and times; failures are ignored.
  virtual void SetDirectoryMetadata(const std::u16string& path, uint32_t attributes,
                                    const YdEntryTimesValue& times) = 0;
  // Renames a file within its volume; fails when `to` exists. The file keeps
  // its bytes, times and attributes.
  virtual bool RenamePath(const std::u16string& from, const std::u16string& to, int* error) = 0;
  // Removes a folder that is empty.
  virtual bool RemoveEmptyDirectory(const std::u16string& path, int* error) = 0;
  // Has the file or empty folder deleted at the next restart; false where
  // the platform cannot.
  virtual bool DeleteAtRestart(const std::u16string& path) = 0;
  // The bytes the caller may still write on the volume of the existing
  // folder `path`.
  virtual bool FreeBytes(const std::u16string& path, uint64_t* bytes) = 0;
};

// The backend of the platform the program runs on (process-wide, stateless).
YdFileSystem& NativeFileSystem();

// Path as the probes see it: surrounding double quotes and trailing '\\' and
// '/' removed (a lone "/" stays).
std::u16string StripProbePath(const std::u16string& path);

}  // namespace ZEPHYRA_NAMESPACE
