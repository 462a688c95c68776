// Image loaders: premultiplication, the mask rule, the alpha flag, top-down
// rows, relative paths, enciphered files, and resources of both kinds.
#include <gtest/gtest.h>

#include "tests/ui/render/canvas.h"
#include "ui/render/gost_cipher.h"
#include "ui/render/image_decoder.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using test::EncodePng;

class ImageDecoderTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = test::MakeTempFolder(L"decoder"); }
  void TearDown() override { test::RemoveFolder(folder_); }
  std::wstring Write(const wchar_t* name, const std::vector<uint8_t>& bytes) {
    const std::wstring path = folder_ + L"\\" + name;
    EXPECT_TRUE(test::WriteFileBytes(path, bytes));
    return path;
  }
  std::wstring folder_;
};

// 2 x 2: opaque red-ish, half-transparent (200, 10, 20, 128), opaque magenta,
// opaque black.
const std::vector<uint8_t> kFour = {10, 20, 30, 255, 200, 10, 20, 128, 255, 0, 255, 255, 0, 0, 0, 255};

std::vector<uint32_t> Pixels(const YdDecodedImage& image) {
  return ReadBitmapPixels(image.bitmap.Get(), image.width, image.height);
}

TEST(PremultiplyTest, ConvertsAndKeys) {
  uint32_t out[4];
  EXPECT_TRUE(ConvertRgbaToPremultiplied(kFour.data(), 4, 0, out));
  EXPECT_EQ(out[0], 0xFF0A141Eu);             // opaque: unchanged
  EXPECT_EQ(out[1], 0x8064050Au);             // 200*128/255 = 100, 10 -> 5, 20 -> 10
  EXPECT_EQ(out[2], 0xFFFF00FFu);
  EXPECT_EQ(out[3], 0xFF000000u);             // mask 0 keys only transparent black
  const uint8_t opaque[8] = {1, 2, 3, 255, 255, 0, 255, 255};
  EXPECT_FALSE(ConvertRgbaToPremultiplied(opaque, 1, 0xFFFF00FF, out));
  EXPECT_TRUE(ConvertRgbaToPremultiplied(opaque, 2, 0xFFFF00FF, out));
  EXPECT_EQ(out[1], 0u);
  const uint8_t clear[4] = {9, 9, 9, 0};
  EXPECT_TRUE(ConvertRgbaToPremultiplied(clear, 1, 0x12345678, out));
  EXPECT_EQ(out[0], 0u);
}

TEST_F(ImageDecoderTest, DecodesAFileIntoATopDownPremultipliedDib) {
  const std::wstring path = Write(L"four.png", EncodePng(2, 2, kFour));
  YdDecodedImagePtr image = DecodeImageFile(path, 0, false, L"");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(image->height, 2);
  EXPECT_TRUE(image->alpha);
  DIBSECTION section{};
  ASSERT_EQ(::GetObjectW(image->bitmap.Get(), sizeof(section), &section), static_cast<int>(sizeof(section)));
  EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
  const uint32_t* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
  EXPECT_EQ(bits[0], 0xFF0A141Eu);
  EXPECT_EQ(bits[1], 0x8064050Au);
  EXPECT_EQ(bits[2], 0xFFFF00FFu);  // the second row follows the first: top-down
}

TEST_F(ImageDecoderTest, AlphaFlagAndMask) {
  const std::vector<uint8_t> opaque = {10, 20, 30, 255, 255, 0, 255, 255};
  const std::wstring path = Write(L"opaque.png", EncodePng(2, 1, opaque));
  YdDecodedImagePtr plain = DecodeImageFile(path, 0, false, L"");
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->alpha);
  YdDecodedImagePtr keyed = DecodeImageFile(path, 0xFFFF00FF, false, L"");
  ASSERT_TRUE(keyed);
  EXPECT_TRUE(keyed->alpha);
  EXPECT_EQ(Pixels(*keyed), (std::vector<uint32_t>{0xFF0A141Eu, 0u}));
}

TEST_F(ImageDecoderTest, RelativePathsAndFailures) {
  Write(L"rel.png", EncodePng(2, 2, kFour));
  EXPECT_TRUE(DecodeImageFile(L"rel.png", 0, false, folder_));
  EXPECT_TRUE(DecodeImageFile(L"rel.png", 0, false, folder_ + L"\\"));
  EXPECT_FALSE(DecodeImageFile(L"missing.png", 0, false, folder_));
  EXPECT_FALSE(DecodeImageFile(Write(L"empty.png", {}), 0, false, L""));
  EXPECT_FALSE(DecodeImageFile(Write(L"junk.png", {1, 2, 3, 4, 5, 6, 7, 8, 9}), 0, false, L""));
}

TEST_F(ImageDecoderTest, EncipheredFileRoundTrip) {
  std::vector<uint8_t> bytes = EncodePng(2, 2, kFour);
  ASSERT_NE(bytes.size() % 8, 0u) << "the test wants an unaligned tail";
  GostEncipherEcb(ImageFileKey(), bytes.data(), bytes.size());
  const std::wstring path = Write(L"secret.png", bytes);
  YdDecodedImagePtr image = DecodeImageFile(path, 0, true, L"");
  ASSERT_TRUE(image);
  EXPECT_EQ(Pixels(*image), (std::vector<uint32_t>{0xFF0A141Eu, 0x8064050Au, 0xFFFF00FFu, 0xFF000000u}));
  // Read as plain, the enciphered bytes do not decode.
  EXPECT_FALSE(DecodeImageFile(path, 0, false, L""));
  EXPECT_FALSE(DecodeImageFile(Write(L"short.png", {1, 2, 3}), 0, true, L""));
}

TEST(ImageResourceTest, PngResource) {
  YdDecodedImagePtr image = DecodeImageResource(::GetModuleHandleW(nullptr), L"PNG", 102, 0);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 140);
  EXPECT_EQ(image->height, 76);
  EXPECT_FALSE(image->alpha);
  const std::vector<uint32_t> pixels = Pixels(*image);
  ASSERT_EQ(pixels.size(), 140u * 76u);
  EXPECT_EQ(pixels[40 * 140 + 5], 0xFF052840u);
}

TEST(ImageResourceTest, BmpResourceIsLoadedBySystemAndNeverKeyed) {
  YdDecodedImagePtr image = DecodeImageResource(::GetModuleHandleW(nullptr), L"BMP", 201, 0xFFFF00FF);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 3);
  EXPECT_EQ(image->height, 2);
  EXPECT_FALSE(image->alpha);
  const std::vector<uint32_t> pixels = Pixels(*image);
  ASSERT_EQ(pixels.size(), 6u);
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(pixels[2] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(pixels[5] & 0xFFFFFF, 0xFF00FFu);  // magenta stays
}

TEST(ImageResourceTest, MissingEmptyAndUndecodable) {
  HINSTANCE self = ::GetModuleHandleW(nullptr);
  EXPECT_FALSE(DecodeImageResource(self, L"PNG", 999, 0));
  EXPECT_FALSE(DecodeImageResource(self, L"PNG", 301, 0));
  EXPECT_FALSE(DecodeImageResource(self, L"PNG", 302, 0));
  EXPECT_FALSE(DecodeImageResource(self, L"BMP", 999, 0));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
