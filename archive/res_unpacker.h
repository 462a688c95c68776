// res_unpacker.h -- YdResUnpacker: opens the packed archive (the running
// module's resource "ZIP"/110 on Windows, or bytes in memory, or a file) and
// writes its tree into a target directory through a file-system backend,
// reporting percentages, entries and errors to a progress object.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "archive/codec/compress_converter.h"
#include "archive/compress_progress.h"
#include "archive/file_system.h"
#include "archive/replace_journal.h"
#include "archive/yd_toc_node.h"

namespace ZEPHYRA_NAMESPACE {

constexpr int kArchiveResourceId = 110;

class YdResUnpacker {
 public:
  // `file_system` (not owned) defaults to the platform's backend.
  explicit YdResUnpacker(YdFileSystem* file_system = nullptr);
  virtual ~YdResUnpacker();
  YdResUnpacker(const YdResUnpacker&) = delete;
  YdResUnpacker& operator=(const YdResUnpacker&) = delete;

  // Opens the archive resource of the running module. False when already
  // open, when the resource is missing (reported, code 0x10000002) or when
  // the archive is malformed (format errors reported).
  virtual bool Open();
  virtual bool Unpack(const std::u16string& target);
  // Stops the extraction at its next check; callable from any thread.
  virtual void Cancel();
  virtual bool ExtractEntry(YdTocNode& node, const std::u16string& parent);
  virtual std::shared_ptr<YdCompressConverter> GetConverter(int id);
  // Entries that share one converter stream are not produced by this
  // system's packer; always false.
  virtual bool ExtractSharedStream(YdTocNode& node);
  // May rename the entry or skip it; the base keeps it.
  virtual bool FilterEntry(YdTocNode& node, const std::u16string& parent, std::u16string& name, bool& skip);
  virtual void ReportProgress(const YdTocNode& node, uint64_t processed);
  virtual bool AfterEntry(YdTocNode& node);
  virtual bool CreateDirectoryPath(const std::u16string& path);
  virtual bool ShouldSkipError(int system_error, const std::u16string& path);
  virtual bool ReportFileError(int code, const std::u16string& path, int system_error);
  virtual void ReportFormatError(int code, int detail1, int detail2);

  // Opens an archive held in memory; the bytes must outlive the unpacker.
  bool OpenMemory(const uint8_t* data, uint64_t size);
  // Reads an archive file into memory owned by the unpacker and opens it.
  // False without a report when the file cannot be read.
  bool OpenFile(const std::u16string& path);

  void SetProgress(YdCompressProgress* progress) { progress_ = progress; }
  void SetContinueOnError(bool on) { continue_on_error_ = on ? 1 : 0; }
  // With a journal (not owned; null for none) an existing file is moved
  // aside instead of deleted, and written files and created folders are
  // recorded, so that the caller can roll the extraction back.
  void SetJournal(YdReplaceJournal* journal) { journal_ = journal; }
  bool IsOpen() const { return open_; }
  const YdTocNode& Root() const { return root_; }
  uint64_t TotalStoredSize() const { return total_stored_size_; }
  uint64_t ProcessedStoredSize() const { return processed_stored_size_; }
  uint8_t Version() const { return version_; }
  const uint8_t* ArchiveData() const { return archive_base_; }
  uint64_t ArchiveSize() const { return archive_size_; }

 protected:
  bool IsCancelFlagSet() const { return cancel_.load() != 0; }
  YdFileSystem& FileSystem() { return *file_system_; }

 private:
  class FileSink;
  bool ExtractDirectory(YdTocNode& node);
  bool ExtractFile(YdTocNode& node);
  void FinishEntry(YdTocNode& node);

  int resource_id_ = kArchiveResourceId;
  const uint8_t* archive_base_ = nullptr;
  uint64_t read_position_ = 0;
  uint64_t archive_size_ = 0;
  YdTocNode root_;
  uint8_t version_ = 1;
  std::u16string target_;
  bool open_ = false;
  std::map<int, std::shared_ptr<YdCompressConverter>> converters_;
  std::atomic<uint8_t> cancel_{0};
  YdCompressProgress* progress_ = nullptr;
  uint64_t total_stored_size_ = 0;
  uint64_t processed_stored_size_ = 0;
  uint8_t continue_on_error_ = 0;
  int last_error_ = 0;  // system error of the last failed directory creation
  YdFileSystem* file_system_;
  YdReplaceJournal* journal_ = nullptr;
  std::vector<uint8_t> owned_bytes_;  // OpenFile only
};

}  // namespace ZEPHYRA_NAMESPACE
