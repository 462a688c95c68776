// The alpha passes: SSE2 and plain paths give identical bytes, the fix-up
// rule on boundary values, and a real GDI line on a surface.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/ui/render/canvas.h"
#include "ui/render/alpha_surface.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

std::vector<uint32_t> Sample(size_t n) {
  std::mt19937 random(12345);
  std::vector<uint32_t> v(n);
  for (size_t i = 0; i < n; ++i) {
    switch (random() % 4) {
      case 0: v[i] = random() & 0x00FFFFFFu; break;  // alpha 0: "written by GDI"
      case 1: v[i] = 0x01000000u | (random() & 0xFFFFFFu); break;
      default: v[i] = random(); break;
    }
  }
  v[0] = 0x00FFFFFFu;
  v[1] = 0x01000000u;
  v[2] = 0;
  v[3] = 0xFFFFFFFFu;
  return v;
}

TEST(AlphaPassTest, Sse2AndPlainAgreeByteForByte) {
  ASSERT_TRUE(ProcessorHasSse2());
  for (size_t n : {0u, 1u, 3u, 4u, 5u, 16u, 1031u}) {
    std::vector<uint32_t> plain = Sample(n + 4), sse2 = plain;
    plain.resize(n);
    sse2.resize(n);
    MarkAlphaPlain(plain.data(), n);
    MarkAlphaSse2(sse2.data(), n);
    EXPECT_EQ(plain, sse2) << n;
    std::vector<uint32_t> fix_plain = Sample(n + 4), fix_sse2 = fix_plain;
    fix_plain.resize(n);
    fix_sse2.resize(n);
    FixUpAlphaPlain(fix_plain.data(), n);
    FixUpAlphaSse2(fix_sse2.data(), n);
    EXPECT_EQ(fix_plain, fix_sse2) << n;
  }
}

TEST(AlphaPassTest, FixUpRule) {
  std::vector<uint32_t> v = {0x00123456u, 0x00000000u, 0x01000000u, 0x01FFFFFFu, 0x80FFFFFFu, 0x00FFFFFFu};
  FixUpAlphaPass(v.data(), v.size());
  EXPECT_EQ(v, (std::vector<uint32_t>{0xFF123456u, 0xFF000000u, 0u, 0u, 0u, 0xFFFFFFFFu}));
  std::vector<uint32_t> m = {0u, 0x00ABCDEFu, 0xFE000000u};
  MarkAlphaPass(m.data(), m.size());
  EXPECT_EQ(m, (std::vector<uint32_t>{0x01000000u, 0x01ABCDEFu, 0xFF000000u}));
}

TEST(GdiAlphaSurfaceTest, GdiOutputBecomesOpaqueTheRestTransparent) {
  test::Canvas target(10, 10, 0x00000000u);
  GdiAlphaSurface surface(target.dc(), 10, 10);
  ASSERT_TRUE(surface.IsValid());
  surface.MarkAlpha();
  ScopedPen pen(::CreatePen(PS_SOLID, 1, RGB(0, 255, 0)));
  HGDIOBJ old = ::SelectObject(surface.dc(), pen.Get());
  ::MoveToEx(surface.dc(), 0, 4, nullptr);
  ::LineTo(surface.dc(), 10, 4);
  ::SelectObject(surface.dc(), old);
  surface.FixUpAlpha();
  surface.BlendOnto(target.dc(), 0, 0, 255);
  EXPECT_EQ(target.At(5, 4), 0xFF00FF00u);
  EXPECT_EQ(target.At(5, 5), 0u);
  EXPECT_EQ(target.CountNot(RECT{0, 0, 10, 4}, 0u), 0);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
