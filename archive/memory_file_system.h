// memory_file_system.h -- a file system held in memory, for verification,
// fuzzing and tests: records what an extraction would create, can keep file
// contents up to a limit, and fails chosen operations on chosen paths.
#pragma once

#include <map>
#include <vector>

#include "archive/file_system.h"

namespace ZEPHYRA_NAMESPACE {

class YdMemoryFileSystem : public YdFileSystem {
 public:
  struct Node {
    YdPathKind kind = YdPathKind::kNone;
    uint32_t attributes = 0;
    YdEntryTimesValue times;
    uint64_t size = 0;             // bytes written
    std::vector<uint8_t> content;  // at most the content limit
    bool open = false;             // an output file is open on it
  };

  // Keeps up to `content_limit` bytes of every file (0: sizes only).
  explicit YdMemoryFileSystem(uint64_t content_limit = 0) : content_limit_(content_limit) {}

  YdPathKind Probe(const std::u16string& path) override;
  bool MakeDirectory(const std::u16string& path, int* error) override;
  bool RemoveFile(const std::u16string& path, int* error) override;
  std::unique_ptr<YdOutputFile> CreateOutputFile(const std::u16string& path, uint32_t attributes,
                                                 int* error) override;
  void SetDirectoryMetadata(const std::u16string& path, uint32_t attributes,
                            const YdEntryTimesValue& times) override;
  bool RenamePath(const std::u16string& from, const std::u16string& to, int* error) override;
  bool RemoveEmptyDirectory(const std::u16string& path, int* error) override;
  // Recorded in restart_deletes(); always true.
  bool DeleteAtRestart(const std::u16string& path) override;
  // The capacity less the bytes of all files; a large figure without one.
  bool FreeBytes(const std::u16string& path, uint64_t* bytes) override;

  // Fault injection: the operation on exactly this path fails with `error`.
  void FailMakeDirectory(const std::u16string& path, int error) { fail_mkdir_[path] = error; }
  void FailRemove(const std::u16string& path, int error) { fail_remove_[path] = error; }
  void FailCreate(const std::u16string& path, int error) { fail_create_[path] = error; }
  // Writing to this path fails once `after` bytes have been written.
  void FailWrite(const std::u16string& path, uint64_t after, int error) { fail_write_[path] = {after, error}; }
  // Renaming (and so moving aside) this file fails with `error`, as for a
  // file held open without delete sharing.
  void FailRename(const std::u16string& path, int error) { fail_rename_[path] = error; }
  // A volume of `bytes`: a write beyond it fails with ERROR_DISK_FULL.
  void SetCapacity(uint64_t bytes) { capacity_ = bytes; }
  // Creating this folder answers success, yet nothing is there afterwards
  // (another program removed it at once).
  void VanishDirectory(const std::u16string& path) { vanish_mkdir_[path] = 0; }
  // Places a file or directory as if it existed before the extraction.
  void Put(const std::u16string& path, YdPathKind kind, uint32_t attributes = 0);

  const std::map<std::u16string, Node>& nodes() const { return nodes_; }
  const Node* Find(const std::u16string& path) const;
  uint64_t total_written() const { return total_written_; }
  int open_files() const { return open_files_; }
  const std::vector<std::u16string>& restart_deletes() const { return restart_deletes_; }

 private:
  friend class MemoryOutputFile;
  std::map<std::u16string, Node> nodes_;
  uint64_t UsedBytes() const;

  std::map<std::u16string, int> fail_mkdir_, fail_remove_, fail_create_, fail_rename_, vanish_mkdir_;
  std::vector<std::u16string> restart_deletes_;
  uint64_t capacity_ = 0;
  std::map<std::u16string, std::pair<uint64_t, int>> fail_write_;
  uint64_t content_limit_;
  uint64_t total_written_ = 0;
  int open_files_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
