// render_bench -- drawing costs against a plain BitBlt of the same size, and
// the alpha fix-up pass with SSE2 against the plain loop. Prints ratios
// measured side by side in one run (wall-clock figures on shared machines
// are noisy; the ratios are what to compare).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "tests/ui/render/canvas.h"
#include "ui/render/alpha_surface.h"
#include "ui/render/bitmap_parts.h"
#include "ui/manager/paint_manager.h"
#include "ui/text/text_render.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

double Now() {
  LARGE_INTEGER counter, frequency;
  ::QueryPerformanceCounter(&counter);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Best of five rounds of `iterations` calls, in microseconds per call.
double Time(int iterations, const std::function<void()>& body) {
  double best = 1e300;
  for (int round = 0; round < 5; ++round) {
    const double start = Now();
    for (int i = 0; i < iterations; ++i) body();
    ::GdiFlush();
    best = std::min(best, (Now() - start) / iterations * 1e6);
  }
  return best;
}

void Report(const char* name, double micros, double floor_micros) {
  std::printf("%-44s %9.2f us   floor %8.2f us   ratio %6.2f\n", name, micros, floor_micros, micros / floor_micros);
}

YdDecodedImagePtr Gradient(int w, int h, uint8_t alpha) {
  std::vector<uint32_t> p(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t r = (x * alpha / 255) & 0xFF, g = (y * alpha / 255) & 0xFF;
      p[static_cast<size_t>(y) * w + x] = (static_cast<uint32_t>(alpha) << 24) | (r << 16) | (g << 8);
    }
  return test::MakeImage(w, h, p, alpha != 255);
}

int Run() {
  test::Canvas target(600, 320, 0xFF202020u);
  const RECT paint = target.Bounds();
  auto floor_blit = [&](const YdDecodedImage& image, int w, int h) {
    ScopedCreateDC memory(::CreateCompatibleDC(target.dc()));
    HGDIOBJ old = ::SelectObject(memory.Get(), image.bitmap.Get());
    const double t = Time(2000, [&] { ::BitBlt(target.dc(), 10, 10, w, h, memory.Get(), 0, 0, SRCCOPY); });
    ::SelectObject(memory.Get(), old);
    return t;
  };

  YdDecodedImagePtr button = Gradient(140, 38, 200);
  const double button_floor = floor_blit(*button, 140, 38);
  const double button_time = Time(2000, [&] {
    PaintBitmapParts(button->bitmap.Get(), paint, RECT{0, 0, 140, 38}, target.dc(), RECT{10, 10, 150, 48},
                     RECT{4, 4, 4, 4}, true, 255, false);
  });
  Report("button 140x38, nine parts, blended", button_time, button_floor);

  YdDecodedImagePtr background = Gradient(500, 280, 255);
  const double background_floor = floor_blit(*background, 500, 280);
  const double background_copy = Time(500, [&] {
    PaintBitmapParts(background->bitmap.Get(), paint, RECT{0, 0, 500, 280}, target.dc(), RECT{10, 10, 510, 290},
                     RECT{}, false, 255, false);
  });
  Report("background 500x280, opaque at its size", background_copy, background_floor);
  // The same call with a paint rectangle that misses the image: only the
  // memory DC set-up and selection remain.
  const double setup_only = Time(500, [&] {
    PaintBitmapParts(background->bitmap.Get(), RECT{590, 310, 600, 320}, RECT{0, 0, 500, 280}, target.dc(),
                     RECT{10, 10, 510, 290}, RECT{}, false, 255, false);
  });
  Report("  of which memory DC set-up (nothing drawn)", setup_only, background_floor);
  YdDecodedImagePtr soft_background = Gradient(500, 280, 230);
  const double background_parts = Time(200, [&] {
    PaintBitmapParts(soft_background->bitmap.Get(), paint, RECT{0, 0, 500, 280}, target.dc(), RECT{10, 10, 510, 290},
                     RECT{10, 10, 10, 10}, true, 255, false);
  });
  Report("background 500x280, nine parts, blended", background_parts, background_floor);

  YdPaintManager manager;
  manager.AddFont(L"cjk", L"SimSun", 14, false, false, false);
  const std::wstring line = L"\x6B22\x8FCE\x4F7F\x7528\x5B89\x88C5\x5411\x5BFC\xFF0C\x4E00\x952E\x5B89\x88C5";
  const RECT text_rect{10, 10, 310, 30};
  YdDecodedImagePtr strip = Gradient(300, 20, 255);
  const double text_floor = floor_blit(*strip, 300, 20);
  const double text_direct = Time(300, [&] {
    DrawPlainText(line, L"cjk", target.dc(), &manager, text_rect, 0xFF000000u, DT_SINGLELINE, 0, false);
  });
  Report("CJK line 300x20, straight GDI", text_direct, text_floor);
  const double text_alpha = Time(300, [&] {
    DrawPlainText(line, L"cjk", target.dc(), &manager, text_rect, 0xFF000000u, DT_SINGLELINE, 0, true);
  });
  Report("CJK line 300x20, through the alpha surface", text_alpha, text_floor);

  std::vector<uint32_t> pixels(500 * 280);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint32_t>(i * 2654435761u);
  std::vector<uint32_t> work = pixels;
  const double plain = Time(200, [&] {
    work = pixels;
    FixUpAlphaPlain(work.data(), work.size());
  });
  const double sse2 = Time(200, [&] {
    work = pixels;
    FixUpAlphaSse2(work.data(), work.size());
  });
  const double copy_only = Time(200, [&] { work = pixels; });
  std::printf("alpha fix-up 500x280: plain %.2f us, SSE2 %.2f us (each including a %.2f us copy); "
              "plain / SSE2 = %.2f, without the copy = %.2f\n",
              plain, sse2, copy_only, plain / sse2, (plain - copy_only) / std::max(0.01, sse2 - copy_only));
  return 0;
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE

int main() { return ZEPHYRA_NAMESPACE::Run(); }
