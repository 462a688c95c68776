// memory_file_system.cpp -- the in-memory file system.
#include "archive/memory_file_system.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {
namespace {
constexpr int kMemoryErrorNotFound = 2;       // ERROR_FILE_NOT_FOUND
constexpr int kMemoryErrorPathNotFound = 3;   // ERROR_PATH_NOT_FOUND
constexpr int kMemoryErrorAccessDenied = 5;   // ERROR_ACCESS_DENIED
constexpr int kMemoryErrorSharing = 32;       // ERROR_SHARING_VIOLATION

// The folder part of a path, or empty for a path without separators.
std::u16string ParentOf(const std::u16string& path) {
  const size_t at = path.find_last_of(u"\\/");
  return at == std::u16string::npos || at == 0 ? std::u16string() : path.substr(0, at);
}
}  // namespace

class MemoryOutputFile : public YdOutputFile {
 public:
  MemoryOutputFile(YdMemoryFileSystem& owner, std::u16string path) : owner_(owner), path_(std::move(path)) {}
  ~MemoryOutputFile() override {
    owner_.nodes_[path_].open = false;
    --owner_.open_files_;
  }

  bool Write(const uint8_t* data, uint32_t length, int* error) override {
    YdMemoryFileSystem::Node& node = owner_.nodes_[path_];
    const auto fail = owner_.fail_write_.find(path_);
    if (fail != owner_.fail_write_.end() && node.size + length > fail->second.first) {
      *error = fail->second.second;
      return false;
    }
    node.size += length;
    owner_.total_written_ += length;
    const uint64_t room = owner_.content_limit_ > node.content.size() ? owner_.content_limit_ - node.content.size() : 0;
    const size_t kept = static_cast<size_t>(std::min<uint64_t>(room, length));
    node.content.insert(node.content.end(), data, data + kept);
    return true;
  }

  bool SetTimes(const YdEntryTimesValue& times) override {
    owner_.nodes_[path_].times = times;
    return true;
  }

 private:
  YdMemoryFileSystem& owner_;
  std::u16string path_;
};

const YdMemoryFileSystem::Node* YdMemoryFileSystem::Find(const std::u16string& path) const {
  const auto it = nodes_.find(StripProbePath(path));
  return it == nodes_.end() ? nullptr : &it->second;
}

void YdMemoryFileSystem::Put(const std::u16string& path, YdPathKind kind, uint32_t attributes) {
  Node& node = nodes_[StripProbePath(path)];
  node.kind = kind;
  node.attributes = attributes;
}

YdPathKind YdMemoryFileSystem::Probe(const std::u16string& path) {
  const Node* node = Find(path);
  return node ? node->kind : YdPathKind::kNone;
}

bool YdMemoryFileSystem::MakeDirectory(const std::u16string& path, int* error) {
  const std::u16string key = StripProbePath(path);
  const auto fail = fail_mkdir_.find(key);
  if (fail != fail_mkdir_.end()) {
    *error = fail->second;
    return false;
  }
  const std::u16string parent = ParentOf(key);
  if (!parent.empty() && Probe(parent) != YdPathKind::kDirectory) {
    *error = kMemoryErrorPathNotFound;
    return false;
  }
  if (Find(key) != nullptr) {
    *error = kYdErrorAlreadyExists;
    return false;
  }
  nodes_[key].kind = YdPathKind::kDirectory;
  return true;
}

bool YdMemoryFileSystem::RemoveFile(const std::u16string& path, int* error) {
  const std::u16string key = StripProbePath(path);
  const auto fail = fail_remove_.find(key);
  if (fail != fail_remove_.end()) {
    *error = fail->second;
    return false;
  }
  const auto it = nodes_.find(key);
  if (it == nodes_.end()) {
    *error = kMemoryErrorNotFound;
    return false;
  }
  if (it->second.kind != YdPathKind::kFile) {
    *error = kMemoryErrorAccessDenied;
    return false;
  }
  if (it->second.open) {
    *error = kMemoryErrorSharing;
    return false;
  }
  nodes_.erase(it);
  return true;
}

std::unique_ptr<YdOutputFile> YdMemoryFileSystem::CreateOutputFile(const std::u16string& path, uint32_t attributes,
                                                                   int* error) {
  const std::u16string key = StripProbePath(path);
  const auto fail = fail_create_.find(key);
  if (fail != fail_create_.end()) {
    *error = fail->second;
    return nullptr;
  }
  const std::u16string parent = ParentOf(key);
  if (!parent.empty() && Probe(parent) != YdPathKind::kDirectory) {
    *error = kMemoryErrorPathNotFound;
    return nullptr;
  }
  Node& node = nodes_[key];
  if (node.kind == YdPathKind::kDirectory || node.open || (node.kind == YdPathKind::kFile && (node.attributes & kAttrReadOnly))) {
    *error = kMemoryErrorAccessDenied;
    return nullptr;
  }
  node = Node{};
  node.kind = YdPathKind::kFile;
  node.attributes = SettableAttributes(attributes);
  node.open = true;
  ++open_files_;
  return std::make_unique<MemoryOutputFile>(*this, key);
}

void YdMemoryFileSystem::SetDirectoryMetadata(const std::u16string& path, uint32_t attributes,
                                              const YdEntryTimesValue& times) {
  const auto it = nodes_.find(StripProbePath(path));
  if (it == nodes_.end() || it->second.kind != YdPathKind::kDirectory) return;
  it->second.attributes = SettableAttributes(attributes) | kAttrDirectory;
  it->second.times = times;
}

}  // namespace ZEPHYRA_NAMESPACE
