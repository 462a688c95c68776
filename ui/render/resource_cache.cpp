// resource_cache.cpp -- image tables, the recently-used bound and the title.
#include "ui/render/resource_cache.h"

#include "ui/render/image_decoder.h"

namespace ZEPHYRA_NAMESPACE {

void YdResourceCache::Retire(YdDecodedImagePtr image) {
  if (image) retired_.push_back(std::move(image));
}

YdDecodedImage* YdResourceCache::GetResourceImage(int id, const std::wstring& type, uint32_t mask) {
  auto found = resources_.find(id);
  if (found != resources_.end()) return found->second.get();
  if (id < 0 || id > 0xFFFF) return nullptr;
  YdDecodedImagePtr image = DecodeImageResource(module_, type, static_cast<uint16_t>(id), mask);
  if (!image) return nullptr;
  YdDecodedImage* result = image.get();
  resources_[id] = std::move(image);
  return result;
}

YdDecodedImage* YdResourceCache::GetFileImage(const std::wstring& name, uint32_t mask, bool encrypt) {
  auto found = files_.find(name);
  if (found != files_.end()) {
    if (found->second.recent) recent_.splice(recent_.end(), recent_, found->second.position);
    return found->second.image.get();
  }
  if (recent_.size() >= kMaxRecentFiles) {
    // Nothing borrows an evicted image past the paint that asked for it.
    files_.erase(recent_.front());
    recent_.pop_front();
  }
  YdDecodedImagePtr image = DecodeImageFile(name, mask, encrypt, folder_);
  if (!image) return nullptr;
  YdDecodedImage* result = image.get();
  FileEntry& entry = files_[name];
  entry.image = std::move(image);
  entry.recent = true;
  entry.position = recent_.insert(recent_.end(), name);
  return result;
}

std::wstring YdResourceCache::AddFileImage(const std::wstring& name, YdDecodedImagePtr image) {
  std::wstring key = name;
  if (key.empty()) key = std::to_wstring(next_key_++);
  FileEntry& entry = files_[key];
  Retire(std::move(entry.image));
  entry.image = std::move(image);
  if (entry.recent) {
    recent_.erase(entry.position);
    entry.recent = false;
  }
  return key;
}

int YdResourceCache::AddResourceImage(int id, YdDecodedImagePtr image) {
  if (id == 0) id = next_key_++;
  YdDecodedImagePtr& slot = resources_[id];
  Retire(std::move(slot));
  slot = std::move(image);
  return id;
}

std::wstring YdResourceCache::GetAppTitle() const { return LoadAppTitle(module_); }

std::vector<std::wstring> YdResourceCache::RecentFileNames() const {
  return std::vector<std::wstring>(recent_.begin(), recent_.end());
}

std::wstring LoadAppTitle(HINSTANCE module) {
  wchar_t buffer[512] = {};
  const int length = ::LoadStringW(module, 103, buffer, 512);
  if (length > 0) return std::wstring(buffer, static_cast<size_t>(length));
  if (::FindResourceW(module, MAKEINTRESOURCEW(7), MAKEINTRESOURCEW(6) /* RT_STRING */) != nullptr) {
    return std::wstring();
  }
  return L"103";
}

YdResourceCache& GetResourceCache() {
  static YdResourceCache cache;
  return cache;
}

HINSTANCE GetResourceModule() { return GetResourceCache().GetResourceModule(); }
YdDecodedImage* GetResourceImage(int id, const std::wstring& type, uint32_t mask) {
  return GetResourceCache().GetResourceImage(id, type, mask);
}
YdDecodedImage* GetFileImage(const std::wstring& name, uint32_t mask, bool encrypt) {
  return GetResourceCache().GetFileImage(name, mask, encrypt);
}
std::wstring AddFileImage(const std::wstring& name, YdDecodedImagePtr image) {
  return GetResourceCache().AddFileImage(name, std::move(image));
}
int AddResourceImage(int id, YdDecodedImagePtr image) {
  return GetResourceCache().AddResourceImage(id, std::move(image));
}
std::wstring GetAppTitle() { return GetResourceCache().GetAppTitle(); }

}  // namespace ZEPHYRA_NAMESPACE
