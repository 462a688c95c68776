// Image descriptor grammar: pair parsing, deviations that end the parse,
// value forms, placement, and single-key reads.
#include <gtest/gtest.h>

#include <utility>

#include "ui/render/image_descriptor.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
#define EXPECT_RECT(r, l, t, rr, b) EXPECT_TRUE(SameRect((r), RECT{l, t, rr, b})) \
  << (r).left << "," << (r).top << "," << (r).right << "," << (r).bottom

TEST(ImageDescriptorTest, ReadsTheSkinsUsualDescriptor) {
  const ImageDescriptor d = ParseImageDescriptor(L"res='102' restype='PNG' source='0,38,140,76'");
  EXPECT_EQ(d.name, L"102");
  EXPECT_EQ(d.resType, L"PNG");
  EXPECT_RECT(d.source, 0, 38, 140, 76);
  EXPECT_RECT(d.dest, 0, 0, 0, 0);
  EXPECT_EQ(d.fade, 255);
  EXPECT_FALSE(d.right);
}

TEST(ImageDescriptorTest, PlainTextNamesAFile) {
  const ImageDescriptor d = ParseImageDescriptor(L"skin\\bk.png");
  EXPECT_EQ(d.name, L"skin\\bk.png");
  EXPECT_TRUE(d.resType.empty());
}

TEST(ImageDescriptorTest, DeviationsEndTheParseKeepingEarlierPairs) {
  struct Case {
    const wchar_t* text;
    const wchar_t* name;
    int fade;
    int source_right;
  };
  const Case cases[] = {
      // Two spaces: the second pair's key begins with a space and matches
      // nothing; the pairs after it still apply.
      {L"file='a.png'  fade='10' source='0,0,5,5'", L"a.png", 255, 5},
      // A value without its closing quote ends parsing.
      {L"file='a.png' fade='10' source='0,0,5,5", L"a.png", 10, 0},
      // No opening quote.
      {L"file='a.png' fade=10 source='0,0,5,5'", L"a.png", 255, 0},
      // No '=' at all after the first pair.
      {L"file='a.png' fade", L"a.png", 255, 0},
      // A character other than a space after a pair.
      {L"file='a.png',fade='10'", L"a.png", 255, 0},
      // A trailing single space ends cleanly.
      {L"file='a.png' fade='10' ", L"a.png", 10, 0},
      // Empty values are skipped; the earlier file stays.
      {L"file='a.png' file='' fade=''", L"a.png", 255, 0},
      // Later keys win.
      {L"file='a.png' fade='10' file='b.png' fade='20'", L"b.png", 20, 0},
      // Keys compare with case.
      {L"file='a.png' Fade='10' FILE='c.png'", L"a.png", 255, 0},
  };
  for (const Case& c : cases) {
    const ImageDescriptor d = ParseImageDescriptor(c.text);
    EXPECT_EQ(d.name, c.name) << c.text;
    EXPECT_EQ(d.fade, c.fade) << c.text;
    EXPECT_EQ(d.source.right, c.source_right) << c.text;
  }
}

TEST(ImageDescriptorTest, ValueForms) {
  const ImageDescriptor d = ParseImageDescriptor(
      L"file='x' dest=' -3;+4x5,6' mask='#FFff00FF' rgnmask='a0b0c0d0' fade='300' rotate='-12.5' "
      L"round='8,3' iconsize='32px' hole='true' gray='TRUE' alphaClose='true' encrypt='true' icon='true' "
      L"reverse='true' right='yes' rgnimage='r.png' rgnrestype='BMP' corner='1,2,3'");
  EXPECT_RECT(d.dest, -3, 4, 5, 6);
  EXPECT_EQ(d.mask, 0xFFFF00FFu);
  EXPECT_EQ(d.regionColour, 0xA0B0C0D0u);
  EXPECT_EQ(d.fade, 300 % 256);
  EXPECT_DOUBLE_EQ(d.rotate, -12.5);
  EXPECT_EQ(d.roundX, 8);
  EXPECT_EQ(d.roundY, 8);  // the first number serves as both
  EXPECT_EQ(d.iconSize, 32);
  EXPECT_TRUE(d.hole);
  EXPECT_FALSE(d.gray);  // flags are exactly "true"
  EXPECT_TRUE(d.alphaClose);
  EXPECT_TRUE(d.encrypt);
  EXPECT_TRUE(d.icon);
  EXPECT_TRUE(d.reverse);
  EXPECT_FALSE(d.right);
  EXPECT_EQ(d.regionImage, L"r.png");
  EXPECT_EQ(d.regionResType, L"BMP");
  EXPECT_RECT(d.corner, 1, 2, 3, 0);  // a missing fourth number reads 0
}

TEST(ImageDescriptorTest, FadeIsTakenModulo256) {
  EXPECT_EQ(ParseImageDescriptor(L"file='a' fade='256'").fade, 0);
  EXPECT_EQ(ParseImageDescriptor(L"file='a' fade='128'").fade, 128);
  EXPECT_EQ(ParseImageDescriptor(L"file='a' fade='0'").fade, 0);
}

TEST(ImageDescriptorTest, ModifierOverridesTheDescriptor) {
  const ImageDescriptor d =
      ParseImageDescriptor(L"res='102' restype='PNG' source='0,0,140,38'", L"source='0,38,140,76' fade='64'");
  EXPECT_EQ(d.name, L"102");
  EXPECT_RECT(d.source, 0, 38, 140, 76);
  EXPECT_EQ(d.fade, 64);
}

TEST(ImageDescriptorTest, Destination) {
  const RECT item{100, 50, 300, 90};
  EXPECT_RECT(ComputeImageDestination(ParseImageDescriptor(L"file='a'"), item), 100, 50, 300, 90);
  EXPECT_RECT(ComputeImageDestination(ParseImageDescriptor(L"file='a' dest='10,5,0,0'"), item), 110, 55, 300, 90);
  EXPECT_RECT(ComputeImageDestination(ParseImageDescriptor(L"file='a' dest='10,5,30,25'"), item), 110, 55, 130, 75);
  // right: measured from the item's right edge; dest.left is not used.
  EXPECT_RECT(ComputeImageDestination(ParseImageDescriptor(L"file='a' right='true' dest='77,5,20,25'"), item),
              280, 55, 300, 75);
}

TEST(ReadDescriptorValueTest, FirstOccurrenceAnywhere) {
  const DescriptorValue type =
      ReadDescriptorValue(L"rgnimage='7' rgnrestype='BMP' restype='PNG'", DescriptorKey::kResType);
  EXPECT_TRUE(type.found);
  EXPECT_EQ(type.text, L"BMP");
  EXPECT_FALSE(ReadDescriptorValue(L"file='a.png'", DescriptorKey::kRes).found);
}

TEST(ReadDescriptorValueTest, TypedValues) {
  const std::wstring d =
      L"res='102' mask='ff00ff' source='1,2,3,4' round='6,9' gray='True' rotate='45.5' rolltext='-12' fade='77' "
      L"hole='tRUE' right='false' file='a b.png";
  EXPECT_EQ(ReadDescriptorValue(d, DescriptorKey::kRes).number, 102);
  EXPECT_EQ(ReadDescriptorValue(d, DescriptorKey::kMask).colour, 0xFF00FFu);
  EXPECT_TRUE(SameRect(ReadDescriptorValue(d, DescriptorKey::kSource).rect, RECT{1, 2, 3, 4}));
  const DescriptorValue round = ReadDescriptorValue(d, DescriptorKey::kRound);
  EXPECT_EQ(round.number, 6);
  EXPECT_EQ(round.second, 9);
  EXPECT_TRUE(ReadDescriptorValue(d, DescriptorKey::kGray).flag);  // any case
  EXPECT_TRUE(ReadDescriptorValue(d, DescriptorKey::kHole).flag);
  EXPECT_FALSE(ReadDescriptorValue(d, DescriptorKey::kRight).flag);
  EXPECT_TRUE(ReadDescriptorValue(d, DescriptorKey::kRight).found);
  EXPECT_DOUBLE_EQ(ReadDescriptorValue(d, DescriptorKey::kRotate).real, 45.5);
  EXPECT_EQ(ReadDescriptorValue(d, DescriptorKey::kRollText).number, -12);
  EXPECT_EQ(ReadDescriptorValue(d, DescriptorKey::kFade).number, 77);
  // Without a closing quote the value runs to the end.
  EXPECT_EQ(ReadDescriptorValue(d, DescriptorKey::kFile).text, L"a b.png");
  EXPECT_FALSE(ReadDescriptorValue(d, DescriptorKey::kCorner).found);
}

TEST(ImageDescriptorNumbers, RotationIsAFiniteAngleAndPlacementSaturates) {
  // nan and the infinities are no angle: the image is drawn unturned.
  for (const wchar_t* angle : {L"nan", L"inf", L"-infinity", L"1e999"}) {
    const std::wstring text = std::wstring(L"file='a.png' rotate='") + angle + L"'";
    EXPECT_EQ(ParseImageDescriptor(text).rotate, 0.0) << angle;
    EXPECT_EQ(ReadDescriptorValue(text, DescriptorKey::kRotate).real, 0.0) << angle;
  }
  // Written angles, read up to the first character that is not part of one.
  const std::pair<const wchar_t*, double> written[] = {
      {L" 45.5", 45.5}, {L"+90", 90.0}, {L"-12.25deg", -12.25}, {L"1.5e2", 150.0}, {L"25e-1", 2.5}, {L".5", 0.5}, {L"7e", 7.0},
      {L"abc", 0.0},    {L"-", 0.0}};
  for (const auto& [angle, degrees] : written) {
    EXPECT_DOUBLE_EQ(ParseImageDescriptor(std::wstring(L"file='a.png' rotate='") + angle + L"'").rotate, degrees)
        << angle;
  }
  // Destinations at the int range's ends stay there instead of wrapping.
  const ImageDescriptor distant = ParseImageDescriptor(L"file='a.png' dest='2147483647,0,2147483647,-2147483647'");
  const RECT at = ComputeImageDestination(distant, RECT{100, 100, 300, 300});
  EXPECT_EQ(at.left, 2147483647);
  EXPECT_EQ(at.right, 2147483647);
  EXPECT_EQ(at.bottom, 100 - 2147483647);
  ImageDescriptor right = ParseImageDescriptor(L"file='a.png' right='true' dest='0,0,-2147483647,10'");
  EXPECT_EQ(ComputeImageDestination(right, RECT{100, 100, 300, 300}).left, 2147483647);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
