// res_unpacker.cpp -- opening the archive and writing its tree: directories,
// files through their converters, attributes and times, progress, pause,
// cancellation and the error flow.
#include "archive/res_unpacker.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "archive/archive_resource.h"
#include "archive/codec/converter_registry.h"
#include "archive/debug_output.h"
#include "archive/entry_decoder.h"
#include "archive/progress_math.h"
#include "archive/toc_reader.h"
#include "archive/ydz_format.h"
#include "common/threading.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// System error given to a stream that fails to decode (ERROR_INVALID_DATA),
// so that a decoding failure is never passed over as "no error".
constexpr int kStreamErrorCode = 13;

bool IsSeparator(char16_t c) {
#ifdef _WIN32
  return c == u'\\' || c == u'/';
#else
  return c == u'/';
#endif
}

// `directory` with exactly one trailing separator (a root such as "/" keeps
// its own).
std::u16string WithTrailingSeparator(const std::u16string& directory) {
  std::u16string out = directory;
  while (out.size() > 1 && IsSeparator(out.back())) out.pop_back();
  if (out.empty() || !IsSeparator(out.back())) out.push_back(kYdPathSeparator);
  return out;
}

YdEntryTimesValue TimesOf(const YdTocNode& node) {
  return {node.creationTime, node.lastAccessTime, node.lastWriteTime};
}

}  // namespace

// Writes decoded output to the open file and runs the per-piece checks.
class YdResUnpacker::FileSink : public YdDecodeSink {
 public:
  FileSink(YdResUnpacker& owner, const YdTocNode& node, YdOutputFile* file)
      : owner_(owner), node_(node), file_(file) {}

  bool BeforePiece(uint64_t stored_done) override {
    if (owner_.IsCancelFlagSet()) return false;
    owner_.ReportProgress(node_, stored_done);
    return true;
  }

  void BeforeFeed() override {
    if (owner_.progress_ != nullptr && owner_.progress_->delay() != -1) {
      YdSleepFor(std::chrono::milliseconds(owner_.progress_->delay()));
    }
  }

  WriteAnswer Write(const uint8_t* data, uint32_t length) override {
    if (file_ == nullptr) return WriteAnswer::kWritten;
    int error = 0;
    if (file_->Write(data, length, &error)) return WriteAnswer::kWritten;
    if (owner_.ShouldSkipError(error, node_.fullPath)) return WriteAnswer::kStopKeep;
    return owner_.ReportFileError(kErrTargetOrWrite, node_.fullPath, error) ? WriteAnswer::kStopKeep
                                                                             : WriteAnswer::kAbort;
  }

 private:
  YdResUnpacker& owner_;
  const YdTocNode& node_;
  YdOutputFile* file_;
};

YdResUnpacker::YdResUnpacker(YdFileSystem* file_system)
    : file_system_(file_system != nullptr ? file_system : &NativeFileSystem()) {}

YdResUnpacker::~YdResUnpacker() = default;

bool YdResUnpacker::Open() {
  if (open_) return false;
  const uint8_t* data = nullptr;
  uint64_t size = 0;
  int error = 0;
  if (!LocateArchiveResource(resource_id_, &data, &size, &error)) {
    ReportFileError(kErrNoResource, std::u16string(), error);
    return false;
  }
  return OpenMemory(data, size);
}

bool YdResUnpacker::OpenMemory(const uint8_t* data, uint64_t size) {
  if (open_) return false;
  const TocReadResult result = ReadArchiveToc(data, size, root_);
  version_ = result.version;
  if (!result.ok()) {
    if (result.FormatDetail() != 0) ReportFormatError(kErrFormat, result.FormatDetail(), 0);
    return false;
  }
  archive_base_ = data;
  archive_size_ = size;
  read_position_ = 0;
  total_stored_size_ = result.totalStoredSize;
  open_ = true;
  return true;
}

bool YdResUnpacker::OpenFile(const std::u16string& path) {
  if (open_) return false;
  using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
#ifdef _WIN32
  File f(_wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"rb"), &std::fclose);
#else
  File f(std::fopen(Utf16ToUtf8(path).c_str(), "rb"), &std::fclose);
#endif
  if (!f) return false;
  std::vector<uint8_t> bytes;
  uint8_t buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
  if (std::ferror(f.get())) return false;
  owned_bytes_ = std::move(bytes);
  return OpenMemory(owned_bytes_.data(), owned_bytes_.size());
}

bool YdResUnpacker::Unpack(const std::u16string& target) {
  if (progress_ != nullptr) progress_->OnBegin();
  cancel_.store(0);
  if (progress_ != nullptr) progress_->SetCancelled(false);
  processed_stored_size_ = 0;

  const YdPathKind kind = file_system_->Probe(target);
  if (kind == YdPathKind::kFile) {
    WriteDebugMessage(u"目录中有文件存在,将忽略~继续压缩");
    ReportFileError(kErrTargetOrWrite, target, kYdErrorAlreadyExists);
    return false;
  }
  if (journal_ != nullptr) journal_->SetTarget(target);
  if (kind == YdPathKind::kNone && !CreateDirectoryPath(target)) {
    ReportFileError(kErrTargetOrWrite, target, last_error_);  // extraction goes on; files will report
  }
  target_ = target;
  if (!open_) return false;

  for (const auto& child : root_.children) {
    if (IsCancelFlagSet()) break;
    if (!ExtractEntry(*child, target_)) {
      if (IsCancelFlagSet() && progress_ != nullptr) progress_->OnFinished(true);
      return false;
    }
  }
  if (progress_ != nullptr) progress_->OnFinished(IsCancelFlagSet());
  return true;
}

void YdResUnpacker::Cancel() {
  cancel_.store(1);
  if (progress_ != nullptr) progress_->SetCancelled(true);
}

bool YdResUnpacker::ExtractEntry(YdTocNode& node, const std::u16string& parent) {
  const std::u16string folder = WithTrailingSeparator(parent);
  std::u16string name = node.name;
  bool skip = false;
  FilterEntry(node, folder, name, skip);
  if (skip) return true;
  node.name = name;
  node.fullPath = folder + name;
  if (progress_ != nullptr) progress_->OnEntryBegin(node);
  return node.type == kTocDirectory ? ExtractDirectory(node) : ExtractFile(node);
}

bool YdResUnpacker::ExtractDirectory(YdTocNode& node) {
  const YdPathKind kind = file_system_->Probe(node.fullPath);
  if (kind == YdPathKind::kFile) return false;
  if (kind == YdPathKind::kNone && !CreateDirectoryPath(node.fullPath)) {
    if (!ShouldSkipError(last_error_, node.fullPath)) return false;
    ReportProgress(node, 0);
    FinishEntry(node);  // counted as done, without its children
    return true;
  }
  ReportProgress(node, 0);
  for (const auto& child : node.children) {
    if (IsCancelFlagSet()) break;
    if (!ExtractEntry(*child, node.fullPath)) return false;
  }
  if (IsCancelFlagSet()) return false;
  // A staged update leaves the folders it found as they were, so that a
  // rollback has nothing of theirs to undo.
  if (kind == YdPathKind::kNone || journal_ == nullptr) {
    file_system_->SetDirectoryMetadata(node.fullPath, node.attributes, TimesOf(node));
  }
  FinishEntry(node);
  return true;
}

bool YdResUnpacker::ExtractFile(YdTocNode& node) {
  ReportProgress(node, 0);
  const std::shared_ptr<YdCompressConverter> converter = GetConverter(node.converter);
  if (!converter) return false;
  if (!converter->Reset()) return false;

  if (file_system_->Probe(node.fullPath) == YdPathKind::kFile) {
    int error = 0;
    const bool cleared = journal_ != nullptr ? journal_->MoveAside(node.fullPath, &error)
                                             : file_system_->RemoveFile(node.fullPath, &error);
    if (!cleared) {
      if (ShouldSkipError(error, node.fullPath)) {
        ReportProgress(node, node.storedSize);
        return true;
      }
      return ReportFileError(kErrDeleteFile, node.fullPath, error);
    }
  }
  if (node.type != kTocFile) {  // accounted or inline: nothing is written
    FinishEntry(node);
    return true;
  }

  int error = 0;
  std::unique_ptr<YdOutputFile> file = file_system_->CreateOutputFile(node.fullPath, node.attributes, &error);
  if (!file) {
    if (ShouldSkipError(error, node.fullPath)) {
      ReportProgress(node, node.storedSize);
      return true;
    }
    return ReportFileError(kErrCreateFile, node.fullPath, error);
  }
  if (journal_ != nullptr) journal_->WroteFile(node.fullPath);

  // An empty entry's offset is not checked against the archive size at
  // open, so it is only added to the base when bytes are to be read.
  read_position_ = node.storedSize != 0 ? node.dataOffset : 0;
  FileSink sink(*this, node, file.get());
  const YdDecodeOutcome outcome = DecodeStoredBytes(archive_base_ + read_position_, node.storedSize,
                                                    node.decodedSize, *converter, sink);
  read_position_ = node.dataOffset + node.storedSize;
  switch (outcome) {
    case YdDecodeOutcome::kComplete:
    case YdDecodeOutcome::kStoppedKept:
      break;
    case YdDecodeOutcome::kStreamError:
      if (!ShouldSkipError(kStreamErrorCode, node.fullPath)) return false;  // the partly written file stays
      break;
    case YdDecodeOutcome::kCancelled:
    case YdDecodeOutcome::kWriteAborted:
      return false;  // the partly written file stays
  }
  file->SetTimes(TimesOf(node));
  file.reset();
  FinishEntry(node);
  return true;
}

void YdResUnpacker::FinishEntry(YdTocNode& node) {
  AfterEntry(node);
  processed_stored_size_ += node.storedSize;
  if (progress_ != nullptr) progress_->OnEntryEnd(node);
}

std::shared_ptr<YdCompressConverter> YdResUnpacker::GetConverter(int id) {
  const auto found = converters_.find(id);
  if (found != converters_.end()) return found->second;
  std::shared_ptr<YdCompressConverter> converter = GetConverterForExtraction(id);
  converters_[id] = converter;
  return converter;
}

bool YdResUnpacker::ExtractSharedStream(YdTocNode&) { return false; }

bool YdResUnpacker::FilterEntry(YdTocNode&, const std::u16string&, std::u16string&, bool& skip) {
  skip = false;
  return true;
}

void YdResUnpacker::ReportProgress(const YdTocNode& node, uint64_t processed) {
  if (progress_ == nullptr) return;
  progress_->OnPercent(ProgressPercent(processed_stored_size_ + processed, total_stored_size_),
                       ProgressPercent(processed, node.storedSize));
  progress_->WaitWhilePaused();
}

bool YdResUnpacker::AfterEntry(YdTocNode&) { return true; }

bool YdResUnpacker::CreateDirectoryPath(const std::u16string& path) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (!IsSeparator(path[i])) continue;
    const std::u16string prefix = path.substr(0, i);
    int ignored = 0;
    if (file_system_->Probe(prefix) == YdPathKind::kNone && file_system_->MakeDirectory(prefix, &ignored) &&
        journal_ != nullptr) {
      journal_->CreatedFolder(prefix);
    }
  }
  const YdPathKind kind = file_system_->Probe(path);
  if (kind == YdPathKind::kNone) {
    int error = 0;
    if (!file_system_->MakeDirectory(path, &error)) {
      last_error_ = error != 0 ? error : kYdErrorPathNotFound;
      return false;
    }
    if (journal_ != nullptr) journal_->CreatedFolder(path);
  } else if (kind == YdPathKind::kFile) {
    last_error_ = kYdErrorAlreadyExists;
    return false;
  }
  if (file_system_->Probe(path) == YdPathKind::kDirectory) return true;
  // Created, yet not there: never a failure without its error, or it would
  // pass as "no error" and the folder would count as done.
  last_error_ = kYdErrorPathNotFound;
  return false;
}

bool YdResUnpacker::ShouldSkipError(int system_error, const std::u16string&) {
  return system_error == 0 || continue_on_error_ != 0;
}

bool YdResUnpacker::ReportFileError(int code, const std::u16string& path, int system_error) {
  if (progress_ == nullptr) return false;
  YdErrorRecord record;
  record.code = code;
  record.path = &path;
  record.systemError = system_error;
  return progress_->OnError(record);
}

void YdResUnpacker::ReportFormatError(int code, int detail1, int detail2) {
  if (progress_ == nullptr) return;
  YdErrorRecord record;
  record.code = code;
  record.detail1 = detail1;
  record.systemError = detail2;
  progress_->OnError(record);
}

}  // namespace ZEPHYRA_NAMESPACE
