// resource_cache.h -- the process-wide cache of the resource module and of
// decoded images: resource images by id (kept for the process's life) and
// file images by name (the least recently used beyond 1000 names is evicted).
// Images for a display scale come from the image set that suits it, or are
// resampled once from a smaller set and kept.
#pragma once

#include <windows.h>

#include <cstdint>
#include <list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/render/decoded_image.h"
#include "ui/values/dpi_scale.h"

namespace ZEPHYRA_NAMESPACE {

// An image for a display scale and the factor, in hundredths, at which it
// was drawn: descriptor rectangles in 1× units are scaled by `percent`.
struct YdScaledImage {
  YdDecodedImage* image = nullptr;
  int percent = 100;
};

class YdResourceCache {
 public:
  static constexpr size_t kMaxRecentFiles = 1000;

  YdResourceCache() = default;
  YdResourceCache(const YdResourceCache&) = delete;
  YdResourceCache& operator=(const YdResourceCache&) = delete;

  HINSTANCE GetResourceModule() const { return module_; }
  void SetResourceModule(HINSTANCE module) { module_ = module; }
  const std::wstring& GetResourceFolder() const { return folder_; }
  void SetResourceFolder(const std::wstring& folder) { folder_ = folder; }

  // Borrowed records; null when the image cannot be loaded (nothing negative
  // is cached, so the next request tries again). A resource image that has
  // no picture of `type` itself but one in a larger set (the 2x, else the
  // 1.5x) is that picture reduced once by area average: a skin may ship
  // large pictures at 2x only.
  YdDecodedImage* GetResourceImage(int id, const std::wstring& type, uint32_t mask);
  YdDecodedImage* GetFileImage(const std::wstring& name, uint32_t mask, bool encrypt);
  // The same images at a display scale: the smallest set at or above the
  // scale (resources of type ImageSetResourceType, files named by
  // ImageSetFileName); a set below it is resampled once to the scale and
  // kept. At scale 1 these are GetResourceImage / GetFileImage.
  YdScaledImage GetResourceImageAt(int id, const std::wstring& type, uint32_t mask, YdDpiScale scale);
  YdScaledImage GetFileImageAt(const std::wstring& name, uint32_t mask, bool encrypt, YdDpiScale scale);

  // Enter an image made elsewhere; an empty name / id 0 takes the next
  // automatic key. Returns the key used. Such images are never evicted.
  std::wstring AddFileImage(const std::wstring& name, YdDecodedImagePtr image);
  int AddResourceImage(int id, YdDecodedImagePtr image);

  std::wstring GetAppTitle() const;

  // Names of the file images subject to eviction, least recently used first.
  std::vector<std::wstring> RecentFileNames() const;
  bool HoldsFileImage(const std::wstring& name) const { return files_.count(name) != 0; }
  size_t ResourceImageCount() const { return resources_.size(); }

 private:
  struct FileEntry {
    YdDecodedImagePtr image;
    bool recent = false;  // in recent_ (a loaded file, subject to eviction)
    std::list<std::wstring>::iterator position;
  };

  void Retire(YdDecodedImagePtr image);
  // The 1x picture of resource `id` reduced from its 2x set, else from its
  // 1.5x set; null when it has neither.
  YdDecodedImagePtr ReducedFromLargerSet(int id, const std::wstring& type, uint32_t mask) const;
  // Resampled or set images by key (name, set or scale); kept for the
  // process's life like resource images.
  YdScaledImage Scaled(const std::wstring& key, YdDecodedImage* base, int basePercent, YdDpiScale scale);

  // Members are destroyed bottom up: file images, resource images, then the
  // recently-used list and the folder.
  std::wstring folder_;
  std::list<std::wstring> recent_;
  HINSTANCE module_ = nullptr;
  int next_key_ = 0;
  // An image replaced by Add*Image may still be borrowed by a painter; it is
  // kept until the cache goes away instead of being freed under it.
  std::vector<YdDecodedImagePtr> retired_;
  std::map<int, YdDecodedImagePtr> resources_;
  std::map<std::wstring, FileEntry> files_;
  std::map<std::wstring, YdDecodedImagePtr> scaled_;
  std::set<std::wstring> missing_sets_;
};

// The process-wide cache, created on first use.
YdResourceCache& GetResourceCache();
HINSTANCE GetResourceModule();
YdDecodedImage* GetResourceImage(int id, const std::wstring& type, uint32_t mask);
YdDecodedImage* GetFileImage(const std::wstring& name, uint32_t mask, bool encrypt);
std::wstring AddFileImage(const std::wstring& name, YdDecodedImagePtr image);
int AddResourceImage(int id, YdDecodedImagePtr image);
std::wstring GetAppTitle();

// The window title from string 103 of `module`: when the string is missing,
// the empty string if the module has string block 7, otherwise "103".
std::wstring LoadAppTitle(HINSTANCE module);

}  // namespace ZEPHYRA_NAMESPACE
