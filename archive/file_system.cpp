// file_system.cpp -- the portable helpers of the file-system seam.
#include "archive/file_system.h"

namespace ZEPHYRA_NAMESPACE {

uint32_t SettableAttributes(uint32_t attributes) {
  constexpr uint32_t kSettable = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive | kAttrNormal |
                                 kAttrTemporary | kAttrOffline | kAttrNotContentIndexed;
  return attributes & kSettable;
}

std::u16string StripProbePath(const std::u16string& path) {
  std::u16string out = path;
  if (out.size() >= 2 && out.front() == u'"' && out.back() == u'"') out = out.substr(1, out.size() - 2);
  while (out.size() > 1 && (out.back() == u'\\' || out.back() == u'/')) out.pop_back();
  return out;
}

}  // namespace ZEPHYRA_NAMESPACE
