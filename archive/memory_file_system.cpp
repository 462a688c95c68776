// memory_file_system.cpp -- the in-memory file system.
#include "archive/memory_file_system.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {
namespace {
constexpr int kMemoryErrorNotFound = 2;       // ERROR_FILE_NOT_FOUND
constexpr int kMemoryErrorPathNotFound = 3;   // ERROR_PATH_NOT_FOUND
constexpr int kMemoryErrorAccessDenied = 5;   // ERROR_ACCESS_DENIED
constexpr int kMemoryErrorSharing = 32;       // ERROR_SHARING_VIOLATION
constexpr int kMemoryErrorDirectoryNotEmpty = 145;  // ERROR_DIR_NOT_EMPTY

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
    if (owner_.capacity_ != 0 && owner_.UsedBytes() + length > owner_.capacity_) {
      *error = kYdErrorDiskFull;
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
  if (vanish_mkdir_.count(key) != 0) return true;
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

bool YdMemoryFileSystem::RenamePath(const std::u16string& from, const std::u16string& to, int* error) {
  const std::u16string source = StripProbePath(from);
  const std::u16string target = StripProbePath(to);
  const auto fail = fail_rename_.find(source);
  if (fail != fail_rename_.end()) {
    *error = fail->second;
    return false;
  }
  const auto it = nodes_.find(source);
  if (it == nodes_.end()) {
    *error = kMemoryErrorNotFound;
    return false;
  }
  if (it->second.kind != YdPathKind::kFile || it->second.open) {
    *error = it->second.open ? kMemoryErrorSharing : kMemoryErrorAccessDenied;
    return false;
  }
  const std::u16string parent = ParentOf(target);
  if (!parent.empty() && Probe(parent) != YdPathKind::kDirectory) {
    *error = kMemoryErrorPathNotFound;
    return false;
  }
  if (nodes_.count(target) != 0) {
    *error = kYdErrorAlreadyExists;
    return false;
  }
  Node moved = it->second;
  nodes_.erase(it);
  nodes_[target] = std::move(moved);
  return true;
}

bool YdMemoryFileSystem::RemoveEmptyDirectory(const std::u16string& path, int* error) {
  const std::u16string key = StripProbePath(path);
  const auto it = nodes_.find(key);
  if (it == nodes_.end() || it->second.kind != YdPathKind::kDirectory) {
    *error = kMemoryErrorNotFound;
    return false;
  }
  for (const auto& entry : nodes_) {
    if (ParentOf(entry.first) == key) {
      *error = kMemoryErrorDirectoryNotEmpty;
      return false;
    }
  }
  nodes_.erase(it);
  return true;
}

bool YdMemoryFileSystem::DeleteAtRestart(const std::u16string& path) {
  restart_deletes_.push_back(StripProbePath(path));
  return true;
}

bool YdMemoryFileSystem::FreeBytes(const std::u16string&, uint64_t* bytes) {
  const uint64_t used = UsedBytes();
  *bytes = capacity_ == 0 ? (uint64_t{1} << 62) : (capacity_ > used ? capacity_ - used : 0);
  return true;
}

uint64_t YdMemoryFileSystem::UsedBytes() const {
  uint64_t used = 0;
  for (const auto& entry : nodes_) used += entry.second.size;
  return used;
}

}  // namespace ZEPHYRA_NAMESPACE
