// The setup's module resources besides the skin: window title (string 103),
// application icon (105) and the manifest asking for administrator rights.
#include <gtest/gtest.h>

#include <tinyxml.h>

#include <set>
#include <string>

#include "common/scoped_handle.h"
#include "tests/resources/resource_test_util.h"

namespace {

using namespace resource_test;

struct IconTraits {
  using Handle = HICON;
  static HICON Null() { return nullptr; }
  static bool IsValid(HICON h) { return h != nullptr; }
  static void Close(HICON h) { ::DestroyIcon(h); }
};
using ScopedIcon = zephyra::ScopedGeneric<IconTraits>;

struct BitmapTraits {
  using Handle = HBITMAP;
  static HBITMAP Null() { return nullptr; }
  static bool IsValid(HBITMAP h) { return h != nullptr; }
  static void Close(HBITMAP h) { ::DeleteObject(h); }
};
using ScopedBitmap = zephyra::ScopedGeneric<BitmapTraits>;

TEST(ModuleResources, WindowTitleString) {
  wchar_t title[64] = {};
  const int length = ::LoadStringW(::GetModuleHandleW(nullptr), 103, title, 64);
  EXPECT_EQ(length, 11);
  EXPECT_EQ(std::wstring(title), L"ydWifiSetup");
}

// Width of an icon's colour bitmap (or, for a monochrome icon, its mask).
int IconWidth(HICON icon) {
  ICONINFO info = {};
  if (!::GetIconInfo(icon, &info)) return -1;
  ScopedBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bm = {};
  ::GetObjectW(colour ? colour.Get() : mask.Get(), sizeof(bm), &bm);
  return bm.bmWidth;
}

TEST(ModuleResources, IconLoadsInEverySize) {
  const HMODULE module = ::GetModuleHandleW(nullptr);
  // Shared system icon: not destroyed.
  EXPECT_NE(::LoadIconW(module, MAKEINTRESOURCEW(105)), nullptr);

  // The icon group lists 32-bit images of 16, 24, 32, 48 and 256 pixels.
#pragma pack(push, 2)
  struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bit_count;
    DWORD bytes;
    WORD id;
  };
#pragma pack(pop)
  const Bytes group = Find(MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, 105);
  ASSERT_GE(group.size, 6u);
  const WORD count = *reinterpret_cast<const WORD*>(group.data + 4);
  ASSERT_EQ(group.size, 6u + count * sizeof(GroupEntry));
  std::set<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const auto* e = reinterpret_cast<const GroupEntry*>(group.data + 6 + i * sizeof(GroupEntry));
    sizes.insert(e->width == 0 ? 256 : e->width);
    EXPECT_EQ(e->width, e->height);
    EXPECT_EQ(e->bit_count, 32);
    EXPECT_FALSE(Find(MAKEINTRESOURCEW(3) /* RT_ICON */, e->id).empty()) << "image " << e->id;
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));

  for (int size : {16, 32, 48}) {
    ScopedIcon icon(static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(105), IMAGE_ICON, size, size, 0)));
    ASSERT_TRUE(icon) << size;
    EXPECT_EQ(IconWidth(icon.Get()), size);
  }
}

TEST(ModuleResources, ManifestRequestsAdministrator) {
  const Bytes manifest = Find(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, 1);
  ASSERT_FALSE(manifest.empty());
  const std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
  TiXmlDocument doc;
  doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
  ASSERT_FALSE(doc.Error()) << doc.ErrorDesc();
  TiXmlHandle root(doc.RootElement());
  ASSERT_STREQ(doc.RootElement()->Value(), "assembly");
  const TiXmlElement* level = root.FirstChild("trustInfo")
                                  .FirstChild("security")
                                  .FirstChild("requestedPrivileges")
                                  .FirstChild("requestedExecutionLevel")
                                  .ToElement();
  ASSERT_NE(level, nullptr);
  ASSERT_NE(level->Attribute("level"), nullptr);
  EXPECT_STREQ(level->Attribute("level"), "requireAdministrator");
  ASSERT_NE(level->Attribute("uiAccess"), nullptr);
  EXPECT_STREQ(level->Attribute("uiAccess"), "false");
  // Common controls 6 are bound.
  const TiXmlElement* dep = root.FirstChild("dependency")
                                .FirstChild("dependentAssembly")
                                .FirstChild("assemblyIdentity")
                                .ToElement();
  ASSERT_NE(dep, nullptr);
  EXPECT_STREQ(dep->Attribute("name"), "Microsoft.Windows.Common-Controls");
  EXPECT_STREQ(dep->Attribute("version"), "6.0.0.0");
}

}  // namespace
