// Resource cache: resource images keyed by id alone, a 1x image reduced from
// a 2x set, the recently-used bound of file images, retries after failures,
// automatic keys, the title.
#include <gtest/gtest.h>

#include "tests/ui/render/canvas.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

const std::vector<uint8_t> kPixel = {1, 2, 3, 255};

class ResourceCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test::MakeTempFolder(L"cache");
    cache_.SetResourceModule(::GetModuleHandleW(nullptr));
    cache_.SetResourceFolder(folder_);
  }
  void TearDown() override { test::RemoveFolder(folder_); }
  void WriteImage(const std::wstring& name) {
    ASSERT_TRUE(test::WriteFileBytes(folder_ + L"\\" + name, test::EncodePng(1, 1, kPixel)));
  }
  std::wstring folder_;
  YdResourceCache cache_;
};

TEST_F(ResourceCacheTest, ResourceImagesAreKeyedByIdAlone) {
  YdDecodedImage* first = cache_.GetResourceImage(102, L"PNG", 0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(cache_.GetResourceImage(102, L"PNG", 0xFF052840), first);
  EXPECT_EQ(cache_.GetResourceImage(102, L"BMP", 0), first);
  EXPECT_EQ(cache_.GetResourceImage(999, L"PNG", 0), nullptr);
  EXPECT_EQ(cache_.ResourceImageCount(), 1u);
}

TEST_F(ResourceCacheTest, AnImageWithOnlyATwoTimesPictureIsItReducedByAreaAverage) {
  YdDecodedImage* large = cache_.GetResourceImage(102, L"PNG", 0);  // the same picture as 104's 2x
  YdDecodedImage* small = cache_.GetResourceImage(104, L"PNG", 0);
  ASSERT_NE(large, nullptr);
  ASSERT_NE(small, nullptr);
  ASSERT_EQ(small->width, 70);
  ASSERT_EQ(small->height, 38);
  const std::vector<uint32_t> in = ReadBitmapPixels(large->bitmap.Get(), 140, 76);
  const std::vector<uint32_t> out = ReadBitmapPixels(small->bitmap.Get(), 70, 38);
  ASSERT_EQ(out.size(), 70u * 38u);
  for (int y = 0; y < 38; y += 5) {
    for (int x = 0; x < 70; x += 3) {
      for (int shift : {0, 8, 16, 24}) {
        int sum = 0;
        for (int dy = 0; dy < 2; ++dy)
          for (int dx = 0; dx < 2; ++dx) sum += (in[(2 * y + dy) * 140 + 2 * x + dx] >> shift) & 0xFF;
        const int got = (out[y * 70 + x] >> shift) & 0xFF;
        EXPECT_NEAR(got, sum / 4.0, 0.51) << x << "," << y << " bits " << shift;
      }
    }
  }
  EXPECT_EQ(cache_.GetResourceImageAt(104, L"PNG", 0, YdDpiScale(96)).image, small);
  EXPECT_EQ(cache_.GetResourceImageAt(104, L"PNG", 0, YdDpiScale(192)).percent, 200);
}

TEST_F(ResourceCacheTest, FailuresAreNotCached) {
  EXPECT_EQ(cache_.GetFileImage(L"late.png", 0, false), nullptr);
  WriteImage(L"late.png");
  EXPECT_NE(cache_.GetFileImage(L"late.png", 0, false), nullptr);
}

TEST_F(ResourceCacheTest, LeastRecentlyUsedBeyondAThousandNames) {
  const int kCount = static_cast<int>(YdResourceCache::kMaxRecentFiles) + 1;
  for (int i = 0; i < kCount; ++i) WriteImage(std::to_wstring(i) + L".png");
  for (int i = 0; i < kCount - 1; ++i) ASSERT_NE(cache_.GetFileImage(std::to_wstring(i) + L".png", 0, false), nullptr);
  YdDecodedImage* zero = cache_.GetFileImage(L"0.png", 0, false);  // a hit moves it to the recent end
  EXPECT_EQ(cache_.RecentFileNames().back(), L"0.png");
  EXPECT_EQ(cache_.RecentFileNames().front(), L"1.png");
  ASSERT_NE(cache_.GetFileImage(std::to_wstring(kCount - 1) + L".png", 0, false), nullptr);
  EXPECT_FALSE(cache_.HoldsFileImage(L"1.png"));
  EXPECT_TRUE(cache_.HoldsFileImage(L"0.png"));
  EXPECT_EQ(cache_.GetFileImage(L"0.png", 0, false), zero);
  EXPECT_EQ(cache_.RecentFileNames().size(), YdResourceCache::kMaxRecentFiles);
  // The evicted one loads again, evicting the next least recent.
  EXPECT_NE(cache_.GetFileImage(L"1.png", 0, false), nullptr);
  EXPECT_FALSE(cache_.HoldsFileImage(L"2.png"));
}

TEST_F(ResourceCacheTest, AutomaticKeysAndAddedImages) {
  EXPECT_EQ(cache_.AddFileImage(L"", test::MakeSolidImage(1, 1, 0, false)), L"0");
  EXPECT_EQ(cache_.AddFileImage(L"", test::MakeSolidImage(1, 1, 0, false)), L"1");
  EXPECT_EQ(cache_.AddResourceImage(0, test::MakeSolidImage(1, 1, 0, false)), 2);
  EXPECT_EQ(cache_.AddResourceImage(77, test::MakeSolidImage(1, 1, 0, false)), 77);
  EXPECT_TRUE(cache_.RecentFileNames().empty());
  // An added image replaces a cached one of that name and leaves the
  // recently-used list, so it is never evicted.
  WriteImage(L"a.png");
  YdDecodedImage* loaded = cache_.GetFileImage(L"a.png", 0, false);
  ASSERT_NE(loaded, nullptr);
  YdDecodedImagePtr replacement = test::MakeSolidImage(3, 3, 0, false);
  YdDecodedImage* expected = replacement.get();
  EXPECT_EQ(cache_.AddFileImage(L"a.png", std::move(replacement)), L"a.png");
  EXPECT_EQ(cache_.GetFileImage(L"a.png", 0, false), expected);
  EXPECT_TRUE(cache_.RecentFileNames().empty());
  // The replaced record stays valid for painters that still borrow it.
  EXPECT_EQ(loaded->width, 1);
  YdDecodedImagePtr resource = test::MakeSolidImage(5, 5, 0, false);
  YdDecodedImage* resource_expected = resource.get();
  cache_.AddResourceImage(102, std::move(resource));
  EXPECT_EQ(cache_.GetResourceImage(102, L"PNG", 0), resource_expected);
}

TEST_F(ResourceCacheTest, AppTitleFromTheStringTable) {
  EXPECT_EQ(cache_.GetAppTitle(), L"Zephyra \x5B89\x88C5");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
