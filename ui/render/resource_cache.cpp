// resource_cache.cpp -- image tables, the recently-used bound and the title.
#include "ui/render/resource_cache.h"

#include <algorithm>

#include "common/format.h"
#include "ui/render/image_decoder.h"
#include "ui/render/image_resample.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// `base`, drawn at `fromPercent`, resampled to `toPercent` (bicubic when
// enlarging, area average when reducing; sides rounded to the nearest
// pixel); null when the pixels cannot be read or the bitmap cannot be made.
YdDecodedImagePtr ResampledImage(const YdDecodedImage& base, int fromPercent, int toPercent) {
  const int width = (base.width * toPercent + fromPercent / 2) / fromPercent;
  const int height = (base.height * toPercent + fromPercent / 2) / fromPercent;
  const std::vector<uint32_t> pixels =
      ResamplePixels(ReadBitmapPixels(base.bitmap.Get(), base.width, base.height), base.width, base.height, width,
                     height);
  uint32_t* bits = nullptr;
  HBITMAP bitmap = pixels.empty() ? nullptr : CreateDib32(width, height, true, &bits);
  if (bitmap == nullptr) return nullptr;
  std::copy(pixels.begin(), pixels.end(), bits);
  auto image = std::make_unique<YdDecodedImage>();
  image->bitmap.Set(bitmap);
  image->width = width;
  image->height = height;
  image->alpha = base.alpha;
  return image;
}

}  // namespace

void YdResourceCache::Retire(YdDecodedImagePtr image) {
  if (image) retired_.push_back(std::move(image));
}

YdDecodedImage* YdResourceCache::GetResourceImage(int id, const std::wstring& type, uint32_t mask) {
  auto found = resources_.find(id);
  if (found != resources_.end()) return found->second.get();
  if (id < 0 || id > 0xFFFF) return nullptr;
  YdDecodedImagePtr image = DecodeImageResource(module_, type, static_cast<uint16_t>(id), mask);
  if (!image) image = ReducedFromLargerSet(id, type, mask);
  if (!image) return nullptr;
  YdDecodedImage* result = image.get();
  resources_[id] = std::move(image);
  return result;
}

YdDecodedImagePtr YdResourceCache::ReducedFromLargerSet(int id, const std::wstring& type, uint32_t mask) const {
  for (int set : {200, 150}) {
    YdDecodedImagePtr large =
        DecodeImageResource(module_, ImageSetResourceType(type, set), static_cast<uint16_t>(id), mask);
    if (large) return ResampledImage(*large, set, 100);
  }
  return nullptr;
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

YdScaledImage YdResourceCache::Scaled(const std::wstring& key, YdDecodedImage* base, int basePercent,
                                      YdDpiScale scale) {
  const int wanted = scale.Percent();
  if (base == nullptr || basePercent >= wanted) return {base, basePercent};
  const std::wstring at = key + L"|" + WideDecimal(wanted);
  auto found = scaled_.find(at);
  if (found != scaled_.end()) return {found->second.get(), wanted};
  YdDecodedImagePtr image = ResampledImage(*base, basePercent, wanted);
  if (!image) return {base, basePercent};  // drawn stretched instead
  YdDecodedImage* result = image.get();
  scaled_[at] = std::move(image);
  return {result, wanted};
}

YdScaledImage YdResourceCache::GetResourceImageAt(int id, const std::wstring& type, uint32_t mask,
                                                  YdDpiScale scale) {
  if (scale.IsOne() || id < 0 || id > 0xFFFF) return {GetResourceImage(id, type, mask), 100};
  std::vector<int> sets{100};
  for (int set : {150, 200}) {
    const std::wstring setType = ImageSetResourceType(type, set);
    if (::FindResourceW(module_, MAKEINTRESOURCEW(id), setType.c_str()) != nullptr) sets.push_back(set);
  }
  const int set = ChooseImageSet(sets, scale);
  const std::wstring key = L"res:" + WideDecimal(id) + L":" + ImageSetResourceType(type, set) + L":" +
                           WideDecimal(mask);
  YdDecodedImage* base = nullptr;
  if (set == 100) {
    base = GetResourceImage(id, type, mask);
  } else {
    auto found = scaled_.find(key);
    if (found == scaled_.end()) {
      YdDecodedImagePtr image =
          DecodeImageResource(module_, ImageSetResourceType(type, set), static_cast<uint16_t>(id), mask);
      if (image) found = scaled_.emplace(key, std::move(image)).first;
    }
    if (found != scaled_.end()) base = found->second.get();
  }
  if (base == nullptr) return {GetResourceImage(id, type, mask), 100};
  return Scaled(key, base, set, scale);
}

YdScaledImage YdResourceCache::GetFileImageAt(const std::wstring& name, uint32_t mask, bool encrypt,
                                              YdDpiScale scale) {
  if (scale.IsOne()) return {GetFileImage(name, mask, encrypt), 100};
  // A file's sets are files of their own: the sets at or above the scale
  // from the smallest, then those below from the largest, then 1×. A set
  // file that does not load is not tried again.
  const int wanted = scale.Percent();
  std::vector<int> order;
  for (int set : {150, 200}) {
    if (set >= wanted) order.push_back(set);
  }
  for (int set : {200, 150}) {
    if (set < wanted) order.push_back(set);
  }
  for (int set : order) {
    const std::wstring setName = ImageSetFileName(name, set);
    if (missing_sets_.count(setName) != 0) continue;
    if (YdDecodedImage* image = GetFileImage(setName, mask, encrypt)) {
      return Scaled(L"file:" + setName, image, set, scale);
    }
    missing_sets_.insert(setName);
  }
  return Scaled(L"file:" + name, GetFileImage(name, mask, encrypt), 100, scale);
}

std::wstring YdResourceCache::AddFileImage(const std::wstring& name, YdDecodedImagePtr image) {
  std::wstring key = name;
  if (key.empty()) key = WideDecimal(next_key_++);
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
