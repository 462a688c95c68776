// text_render.cpp -- plain text, line breaking, measuring and shadows.
#include "ui/text/text_render.h"

#include <algorithm>

#include "common/scoped_gdi.h"
#include "ui/render/alpha_surface.h"
#include "ui/render/bitmap_parts.h"
#include "ui/text/font_table.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

class GdiLineDevice : public LineTextDevice {
 public:
  GdiLineDevice(HDC dc, UINT format) : dc_(dc), extra_(format & DT_NOPREFIX) {}
  SIZE Measure(const wchar_t* text, int length) override {
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc_, text, length, &r, DT_CALCRECT | DT_SINGLELINE | extra_);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
  void Draw(const wchar_t* text, int length, RECT* rect, UINT format) override {
    ::DrawTextW(dc_, text, length, rect, format);
  }

 private:
  HDC dc_;
  UINT extra_;
};

HFONT FontHandle(IYdFontSource* manager, const std::wstring& font) {
  if (manager == nullptr) return nullptr;
  YdFontInfo* info = manager->GetFont(font);
  return info != nullptr ? info->font.Get() : nullptr;
}

// Draws `text` on `dc` with the current font and colour settings.
void DrawTextBody(HDC dc, const std::wstring& text, RECT rect, UINT format, int row_spacing) {
  if (format & DT_WORDBREAK) {
    BreakAndDrawLines(text, dc, &rect, format & ~static_cast<UINT>(DT_WORDBREAK), row_spacing);
  } else {
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  }
}

}  // namespace

std::vector<std::wstring> SplitParagraphs(const std::wstring& text) {
  std::vector<std::wstring> paragraphs;
  size_t start = 0;
  while (true) {
    const size_t at = text.find(L"\r\n", start);
    const std::wstring piece = text.substr(start, at == std::wstring::npos ? std::wstring::npos : at - start);
    if (!piece.empty()) paragraphs.push_back(piece);
    if (at == std::wstring::npos) break;
    start = at + 2;
  }
  return paragraphs;
}

int FitLinePrefix(LineTextDevice& device, const wchar_t* text, int length, int width, int* height) {
  // Widths grow with the prefix, so the longest fitting prefix is found by
  // bisection instead of measuring every shorter prefix in turn.
  SIZE full = device.Measure(text, length);
  if (full.cx <= width) {
    *height = full.cy;
    return length;
  }
  int low = 1, high = length - 1, best = 1;
  SIZE best_size = device.Measure(text, 1);
  while (low <= high) {
    const int mid = (low + high) / 2;
    const SIZE size = device.Measure(text, mid);
    if (size.cx <= width) {
      best = mid;
      best_size = size;
      low = mid + 1;
    } else {
      high = mid - 1;
    }
  }
  *height = best_size.cy;
  return best;
}

void BreakAndDrawLinesOn(LineTextDevice& device, const std::wstring& text, RECT* rect, UINT format,
                         int row_spacing) {
  const std::vector<std::wstring> paragraphs = SplitParagraphs(text);
  int width = rect->right - rect->left;
  if (format & (DT_VCENTER | DT_CENTER | DT_CALCRECT)) {
    if ((format & DT_CALCRECT) && width == 0) width = 9999;
    int total = 0, widest = 0;
    for (const std::wstring& p : paragraphs) {
      int pos = 0;
      const int n = static_cast<int>(p.size());
      while (pos < n) {
        int height = 0;
        const int count = FitLinePrefix(device, p.c_str() + pos, n - pos, width, &height);
        widest = std::max<int>(widest, device.Measure(p.c_str() + pos, count).cx);
        total += height + row_spacing;
        pos += count;
      }
    }
    if (format & DT_CALCRECT) {
      rect->right = widest;
      rect->bottom = total;
      return;
    }
    if (format & DT_VCENTER) {
      rect->top += (rect->bottom - rect->top - total) / 2;
      format &= ~static_cast<UINT>(DT_VCENTER);
    }
    if (format & DT_CENTER) {
      rect->left += (rect->right - rect->left - widest) / 2;
      format &= ~static_cast<UINT>(DT_CENTER);
    }
    width = rect->right - rect->left;
  }
  for (const std::wstring& p : paragraphs) {
    int pos = 0;
    const int n = static_cast<int>(p.size());
    while (pos < n) {
      int height = 0;
      const int count = FitLinePrefix(device, p.c_str() + pos, n - pos, width, &height);
      RECT line = *rect;
      if (rect->bottom < rect->top + 2 * (height + row_spacing)) {
        device.Draw(p.c_str() + pos, n - pos, &line, format | DT_SINGLELINE | DT_END_ELLIPSIS);
        return;
      }
      device.Draw(p.c_str() + pos, count, &line, format | DT_SINGLELINE);
      rect->top += height + row_spacing;
      pos += count;
    }
  }
}

void BreakAndDrawLines(const std::wstring& text, HDC dc, RECT* rect, UINT format, int row_spacing) {
  GdiLineDevice device(dc, format);
  BreakAndDrawLinesOn(device, text, rect, format, row_spacing);
}

void DrawPlainText(const std::wstring& text, const std::wstring& font, HDC dc, IYdFontSource* manager,
                   const RECT& rect, uint32_t colour, UINT format, int row_spacing, bool force_alpha) {
  if (dc == nullptr || text.empty()) return;
  HFONT handle = FontHandle(manager, font);
  const uint8_t alpha = static_cast<uint8_t>(colour >> 24);
  if (alpha < 0xFF || force_alpha) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    GdiAlphaSurface surface(dc, w, h);
    if (!surface.IsValid()) return;
    surface.MarkAlpha();
    ::SetBkMode(surface.dc(), TRANSPARENT);
    ::SetTextColor(surface.dc(), ArgbToColorRef(colour));
    {
      ScopedSelectObject select(surface.dc(), handle);
      DrawTextBody(surface.dc(), text, RECT{0, 0, w, h}, format, row_spacing);
    }
    surface.FixUpAlpha();
    surface.BlendOnto(dc, rect.left, rect.top, alpha);
    return;
  }
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ArgbToColorRef(colour));
  ScopedSelectObject select(dc, handle);
  DrawTextBody(dc, text, rect, format, row_spacing);
}

RECT MeasurePlainText(IYdFontSource* manager, RECT* out, HDC dc, const std::wstring& text,
                      const std::wstring& font, UINT format) {
  RECT r{0, 0, 0, 0};
  {
    ScopedSelectObject select(dc, FontHandle(manager, font));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
  }
  if (out != nullptr) *out = r;
  return r;
}

void BlurAlphaInPlace(uint32_t* pixels, int width, int height) {
  for (int y = 1; y + 1 < height; ++y) {
    for (int x = 1; x + 1 < width; ++x) {
      uint32_t sum = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) sum += pixels[static_cast<size_t>(y + dy) * width + x + dx] >> 24;
      }
      uint32_t& p = pixels[static_cast<size_t>(y) * width + x];
      p = (p & 0x00FFFFFFu) | ((sum / 9) << 24);
    }
  }
}

void DrawTextShadow(const std::wstring& text, const std::wstring& font, HDC dc, IYdFontSource* manager,
                    const RECT& rect, UINT format) {
  if (dc == nullptr || text.empty()) return;
  const int w = rect.right - rect.left + 6, h = rect.bottom - rect.top + 6;
  if (w <= 0 || h <= 0) return;
  GdiAlphaSurface surface(dc, w, h);
  if (!surface.IsValid()) return;
  surface.MarkAlpha();
  ::SetBkMode(surface.dc(), TRANSPARENT);
  ::SetTextColor(surface.dc(), RGB(10, 10, 10));
  {
    ScopedSelectObject select(surface.dc(), FontHandle(manager, font));
    RECT target{0, 1, w, h};
    if (format & DT_WORDBREAK) {
      const UINT line_format =
          (format & ~static_cast<UINT>(DT_WORDBREAK | DT_VCENTER | DT_SINGLELINE)) | DT_SINGLELINE | DT_VCENTER;
      BreakAndDrawLines(text, surface.dc(), &target, line_format, 0);
    } else {
      ::DrawTextW(surface.dc(), text.c_str(), static_cast<int>(text.size()), &target,
                  format | DT_SINGLELINE | DT_VCENTER);
    }
  }
  surface.FixUpAlpha();
  BlurAlphaInPlace(surface.bits(), w, h);
  surface.BlendOnto(dc, rect.left - 1, rect.top - 4, 255);
}

}  // namespace ZEPHYRA_NAMESPACE
