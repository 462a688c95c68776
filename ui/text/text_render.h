// text_render.h -- plain text drawing with alpha-carrying colours, the
// character-level line breaker with row spacing, text measuring and the soft
// text shadow. Fonts are named by their paint-manager font table name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/text/font_table.h"

namespace ZEPHYRA_NAMESPACE {


// What the line breaker needs from a device: one-line measuring and drawing.
class LineTextDevice {
 public:
  virtual ~LineTextDevice() = default;
  virtual SIZE Measure(const wchar_t* text, int length) = 0;
  virtual void Draw(const wchar_t* text, int length, RECT* rect, UINT format) = 0;
};

// Splits `text` at "\r\n"; empty paragraphs produce no line.
std::vector<std::wstring> SplitParagraphs(const std::wstring& text);

// Longest prefix of text[0, length) not wider than `width`, at least one
// character. `height` receives that prefix's height.
int FitLinePrefix(LineTextDevice& device, const wchar_t* text, int length, int width, int* height);

// The line breaker on any device (the GDI one in BreakAndDrawLines).
void BreakAndDrawLinesOn(LineTextDevice& device, const std::wstring& text, RECT* rect, UINT format,
                         int row_spacing);

void BreakAndDrawLines(const std::wstring& text, HDC dc, RECT* rect, UINT format, int row_spacing);

void DrawPlainText(const std::wstring& text, const std::wstring& font, HDC dc, IYdFontSource* manager,
                   const RECT& rect, uint32_t colour, UINT format, int row_spacing, bool force_alpha);

RECT MeasurePlainText(IYdFontSource* manager, RECT* out, HDC dc, const std::wstring& text,
                      const std::wstring& font, UINT format);

void DrawTextShadow(const std::wstring& text, const std::wstring& font, HDC dc, IYdFontSource* manager,
                    const RECT& rect, UINT format);

// The shadow's blur: every pixel off the outer border gets the mean alpha of
// its 3 x 3 neighbourhood, in memory row order, in place.
void BlurAlphaInPlace(uint32_t* pixels, int width, int height);

}  // namespace ZEPHYRA_NAMESPACE
