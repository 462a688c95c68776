// markup_text.cpp -- layout and drawing of markup text, one line at a time:
// a measuring walk finds the line's end and height, a drawing walk from the
// same state puts the runs on the line's bottom.
#include "ui/text/markup_text.h"

#include <algorithm>
#include <map>

#include "common/scoped_gdi.h"
#include "ui/render/alpha_surface.h"
#include "ui/render/bitmap_parts.h"
#include "ui/render/image_descriptor.h"
#include "ui/text/font_table.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

bool IsTagStart(wchar_t c) { return c == L'<' || c == L'{'; }
bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

struct FontState {
  HFONT font = nullptr;
  bool bold = false, underline = false, italic = false;
  int lineHeight = 0;  // height + external leading
  int maxCharWidth = 0;
};

// Drawing context of one DrawMarkupText call.
class MarkupLayout {
 public:
  MarkupLayout(HDC dc, IYdFontSource* manager, const std::wstring& text, UINT format)
      : dc_(dc), manager_(manager), text_(text), format_(format) {}

  FontState Font(const std::wstring& id) {
    YdFontInfo* info = manager_ != nullptr ? manager_->GetFont(id) : nullptr;
    FontState state;
    if (info != nullptr) {
      state.font = info->font.Get();
      state.bold = info->bold;
      state.underline = info->underline;
      state.italic = info->italic;
    }
    auto cached = metrics_.find(state.font);
    if (cached == metrics_.end()) {
      TEXTMETRICW tm{};
      ScopedSelectObject select(dc_, state.font);
      ::GetTextMetricsW(dc_, &tm);
      cached = metrics_.emplace(state.font, tm).first;
    }
    state.lineHeight = cached->second.tmHeight + cached->second.tmExternalLeading;
    state.maxCharWidth = std::max<int>(1, cached->second.tmMaxCharWidth);
    return state;
  }

  // State carried from line to line.
  struct Walk {
    size_t pos = 0;
    FontState font;
    COLORREF colour = 0;
    bool selected = false;
    bool raw = false;
  };

  struct LineResult {
    int height = 0;
    int right = 0;  // pen position at the line's end
  };

  // Walks one line from `walk`; draws when `draw` is set (then the line's
  // height `line_height` and top are known). Returns the line's height and
  // width and leaves `walk` at the next line's start.
  LineResult RunLine(Walk* walk, int left, int right, int top, int start_height, bool draw, int line_height) {
    const size_t n = text_.size();
    int x = left;
    int height = start_height;
    bool empty = true;
    ::SelectObject(dc_, walk->font.font);
    auto draw_run = [&](const wchar_t* s, int count, int width) {
      if (draw && count > 0) {
        const int y = top + line_height - walk->font.lineHeight;
        ::SetTextColor(dc_, walk->colour);
        ::SetBkMode(dc_, walk->selected ? OPAQUE : TRANSPARENT);
        ::TextOutW(dc_, x, y, s, count);
      }
      x += width;
      empty = false;
    };
    while (walk->pos < n) {
      const wchar_t c = text_[walk->pos];
      if (c == L'\r' && walk->pos + 1 < n && text_[walk->pos + 1] == L'\n') {
        ++walk->pos;
        continue;
      }
      if (c == L'\n') {
        ++walk->pos;
        break;
      }
      size_t run_end;
      if (walk->raw) {
        const MarkupToken token = ReadMarkupToken(text_, walk->pos);
        if (token.kind == MarkupToken::kCloseTag && token.letter == L'r') {
          walk->raw = false;
          walk->pos += token.length;
          continue;
        }
        run_end = walk->pos + 1;
        while (run_end < n && text_[run_end] != L'\n') {
          const MarkupToken t = ReadMarkupToken(text_, run_end);
          if (t.kind == MarkupToken::kCloseTag && t.letter == L'r') break;
          ++run_end;
        }
      } else {
        const MarkupToken token = ReadMarkupToken(text_, walk->pos);
        if (token.kind == MarkupToken::kEscape) {
          const int width = Width(&token.literal, 1);
          if (!empty && x + width > right) break;
          draw_run(&token.literal, 1, width);
          walk->pos += token.length;
          continue;
        }
        if (token.kind == MarkupToken::kOpenTag || token.kind == MarkupToken::kCloseTag) {
          if (!ApplyTag(token, walk, &x, &height, empty)) break;  // the tag ends the line
          continue;
        }
        if (c == L' ') {
          run_end = walk->pos + 1;
        } else {
          run_end = walk->pos + 1;
          while (run_end < n && text_[run_end] != L'\n' && !IsTagStart(text_[run_end])) ++run_end;
        }
      }
      // A text run [pos, run_end).
      const wchar_t* s = text_.c_str() + walk->pos;
      int count = static_cast<int>(run_end - walk->pos);
      int width = 0;
      bool fits = true;
      if (x + count * walk->font.maxCharWidth >= right) {
        width = Width(s, count);
        fits = x + width <= right;
      } else {
        width = Width(s, count);
      }
      if (fits) {
        draw_run(s, count, width);
        walk->pos = run_end;
        continue;
      }
      // Cut the run at the right edge; the line ends after it.
      int fit = 0;
      SIZE unused{};
      ::GetTextExtentExPointW(dc_, s, count, std::max(0, right - x), &fit, nullptr, &unused);
      if (format_ & DT_WORDBREAK) {
        int cut = -1;
        for (int i = fit; i > 0; --i) {
          if (!IsAsciiLetter(s[i - 1])) {
            cut = i;
            break;
          }
        }
        if (cut > 0) fit = cut;
        else if (!empty) fit = 0;
      }
      if (fit == 0 && empty) fit = 1;  // every line takes at least one character
      if (format_ & DT_END_ELLIPSIS) {
        fit = std::max(0, fit - 2);
        draw_run(s, fit, Width(s, fit));
        draw_run(L"...", 3, Width(L"...", 3));
      } else {
        draw_run(s, fit, Width(s, fit));
      }
      walk->pos += fit;
      if (walk->pos < n && text_[walk->pos] == L' ' && (format_ & DT_WORDBREAK)) ++walk->pos;
      break;
    }
    return LineResult{height, x};
  }

  int Width(const wchar_t* s, int count) {
    if (count <= 0) return 0;
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, s, count, &size);
    return size.cx;
  }

  // Applies a tag; false when the tag ends the line first (it is then read
  // again at the next line's start).
  bool ApplyTag(const MarkupToken& token, Walk* walk, int* x, int* height, bool empty) {
    const bool close = token.kind == MarkupToken::kCloseTag;
    switch (token.letter) {
      case L'b':
      case L'u':
      case L'f':
        if (close) {
          if (walk->font.italic && !base_.italic) {
            ABC abc{};
            if (::GetCharABCWidthsW(dc_, L' ', L' ', &abc)) *x += static_cast<int>(abc.abcC) / 2;
          }
          walk->font = base_;
        } else if ((token.letter == L'b' && !base_.bold) || (token.letter == L'u' && !base_.underline) ||
                   token.letter == L'f') {
          walk->font = Font(token.argument);
          *height = std::max(*height, walk->font.lineHeight);
        }
        ::SelectObject(dc_, walk->font.font);
        break;
      case L'c':
        if (close) {
          walk->colour = base_colour_;
        } else {
          const uint32_t rgb = ParseDescriptorColour(token.argument);
          walk->colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        }
        break;
      case L'x':
        if (!close) *x = AddMarkupExtent(*x, ParseDescriptorNumber(token.argument));
        break;
      case L'y':
        if (!close) *height = AddMarkupExtent(0, ParseDescriptorNumber(token.argument));
        break;
      case L'p':
        if (!empty) return false;
        if (!close) {
          *height = std::max(*height, AddMarkupExtent(ParseDescriptorNumber(token.argument), walk->font.lineHeight));
        }
        break;
      case L'n':
        if (!(format_ & DT_SINGLELINE)) {
          walk->pos += token.length;
          return false;
        }
        break;
      case L's':
        walk->selected = !walk->selected;
        break;
      case L'r':
        if (!close) walk->raw = true;
        break;
      default:
        break;
    }
    walk->pos += token.length;
    return true;
  }

  void SetBase(const FontState& font, COLORREF colour) {
    base_ = font;
    base_colour_ = colour;
  }

 private:
  HDC dc_;
  IYdFontSource* manager_;
  const std::wstring& text_;
  UINT format_;
  FontState base_;
  COLORREF base_colour_ = 0;
  std::map<HFONT, TEXTMETRICW> metrics_;
};

void DrawMarkupDirect(HDC dc, IYdFontSource* manager, RECT* rect, const std::wstring& text, uint32_t colour,
                      const std::wstring& font, UINT format);

void AlignMarkupRect(HDC dc, IYdFontSource* manager, RECT* rect, const std::wstring& text, uint32_t colour,
                     const std::wstring& font, UINT format) {
  RECT measured{0, 0, 9999, 100};
  DrawMarkupDirect(dc, manager, &measured, text, colour, font, format | DT_CALCRECT);
  const int mw = measured.right - measured.left, mh = measured.bottom - measured.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_CENTER) {
      rect->left += (rect->right - rect->left - mw) / 2;
      rect->right = rect->left + mw;
    } else if (format & DT_RIGHT) {
      rect->left = rect->right - mw;
    }
  }
  if (format & DT_VCENTER) {
    rect->top += (rect->bottom - rect->top - mh) / 2;
    rect->bottom = rect->top + mh;
  } else if (format & DT_BOTTOM) {
    rect->top = rect->bottom - mh;
  }
}

void DrawMarkupDirect(HDC dc, IYdFontSource* manager, RECT* rect, const std::wstring& text, uint32_t colour,
                      const std::wstring& font, UINT format) {
  const bool calc = (format & DT_CALCRECT) != 0;
  ScopedRegion old_clip;
  if (!calc) {
    RECT box{};
    ::GetClipBox(dc, &box);
    old_clip.Set(::CreateRectRgnIndirect(&box));
    ::IntersectClipRect(dc, rect->left, rect->top, rect->right, rect->bottom);
  }
  if (!calc && (format & (DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM))) {
    AlignMarkupRect(dc, manager, rect, text, colour, font, format);
  }
  HGDIOBJ old_font = ::GetCurrentObject(dc, OBJ_FONT);
  const int old_mode = ::GetBkMode(dc);
  const COLORREF old_colour = ::GetTextColor(dc);

  MarkupLayout layout(dc, manager, text, format);
  MarkupLayout::Walk walk;
  walk.font = layout.Font(font);
  walk.colour = ArgbToColorRef(colour);
  layout.SetBase(walk.font, walk.colour);

  int top = rect->top;
  int height = walk.font.lineHeight;
  int widest = rect->left;
  int last_bottom = top;
  while (walk.pos < text.size()) {
    const MarkupLayout::Walk start = walk;
    const MarkupLayout::LineResult measured =
        layout.RunLine(&walk, rect->left, rect->right, top, height, false, 0);
    if (walk.pos == start.pos) break;  // nothing fits and nothing was consumed
    if (!calc) {
      // Whole lines are aligned when the text is not one centred line.
      int left = rect->left;
      const int free = rect->right - measured.right;
      if ((format & DT_CENTER) && !(format & DT_SINGLELINE)) left += free / 2;
      else if ((format & DT_RIGHT) && !(format & DT_SINGLELINE)) left += free;
      walk = start;
      layout.RunLine(&walk, left, rect->right + (left - rect->left), top, height, true, measured.height);
    }
    widest = std::max(widest, measured.right);
    last_bottom = top + measured.height;
    top += measured.height;
    if (top > rect->bottom || (format & DT_SINGLELINE)) break;
    height = walk.font.lineHeight;
  }
  ::SelectObject(dc, old_font);
  ::SetBkMode(dc, old_mode);
  ::SetTextColor(dc, old_colour);
  if (calc) {
    rect->bottom = std::max(0, last_bottom);
    rect->right = std::min<LONG>(rect->right, widest);
  } else if (old_clip) {
    ::SelectClipRgn(dc, old_clip.Get());
  }
}

}  // namespace

void DrawMarkupText(HDC dc, IYdFontSource* manager, RECT* rect, const std::wstring& text, uint32_t colour,
                    const std::wstring& font, UINT format, bool alpha) {
  if (dc == nullptr || rect == nullptr) return;
  if (!alpha || (format & DT_CALCRECT)) {
    DrawMarkupDirect(dc, manager, rect, text, colour, font, format);
    return;
  }
  const int w = rect->right - rect->left, h = rect->bottom - rect->top;
  if (w <= 0 || h <= 0) return;
  GdiAlphaSurface surface(dc, w, h);
  if (!surface.IsValid()) return;
  surface.MarkAlpha();
  RECT local{0, 0, w, h};
  DrawMarkupDirect(surface.dc(), manager, &local, text, colour, font, format);
  surface.FixUpAlpha();
  surface.BlendOnto(dc, rect->left, rect->top, 255);
}

}  // namespace ZEPHYRA_NAMESPACE
