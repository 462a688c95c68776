// menu_navigation.cpp -- hot-entry stepping, accelerator matching and
// scrolling to the hot entry of the popup lists.
#include "ui/controls/popup/menu_navigation.h"

#include <algorithm>
#include <cwctype>

namespace ZEPHYRA_NAMESPACE {

YdRect KeepMenuOnScreen(const YdRect& want, const YdRect& work, int leftEdge, int bottomEdge) {
  const int w = want.Width(), h = want.Height();
  int x = want.left, y = want.top;
  if (x + w > work.right) x = leftEdge - w;
  if (y + h > work.bottom) y = bottomEdge - h;
  x = std::max(work.left, std::min(x, work.right - w));
  y = std::max(work.top, std::min(y, work.bottom - h));
  return {x, y, x + w, y + h};
}

namespace {

bool Usable(const std::vector<YdNavEntry>& entries, int i) {
  const YdNavEntry& e = entries[static_cast<size_t>(i)];
  return e.visible && e.enabled && e.selectable;
}

// First usable index from `from` stepping by `step` (no wrap), or -1.
int Scan(const std::vector<YdNavEntry>& entries, int from, int step) {
  const int count = static_cast<int>(entries.size());
  for (int i = from; i >= 0 && i < count; i += step) {
    if (Usable(entries, i)) return i;
  }
  return -1;
}

wchar_t Lower(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }

}  // namespace

int NextHotEntry(const std::vector<YdNavEntry>& entries, int current, YdNavKey key, const YdNavOptions& options) {
  const int count = static_cast<int>(entries.size());
  const int first = Scan(entries, 0, 1);
  if (first < 0) return -1;
  const int last = Scan(entries, count - 1, -1);
  const bool none = current < 0 || current >= count;
  switch (key) {
    case YdNavKey::kFirst: return first;
    case YdNavKey::kLast: return last;
    case YdNavKey::kNext: {
      if (none) return first;
      const int next = Scan(entries, current + 1, 1);
      if (next >= 0) return next;
      return options.wrap ? first : (Usable(entries, current) ? current : last);
    }
    case YdNavKey::kPrevious: {
      if (none) return last;
      const int prev = Scan(entries, current - 1, -1);
      if (prev >= 0) return prev;
      return options.wrap ? last : (Usable(entries, current) ? current : first);
    }
    case YdNavKey::kPageNext: {
      if (none) return first;
      const int page = options.page < 1 ? 1 : options.page;
      const int target = current + page >= count ? count - 1 : current + page;
      // The usable entry at or before the target, but never behind `current`.
      const int back = Scan(entries, target, -1);
      if (back > current) return back;
      const int next = Scan(entries, current + 1, 1);
      return next >= 0 ? next : (Usable(entries, current) ? current : last);
    }
    case YdNavKey::kPagePrevious: {
      if (none) return last;
      const int page = options.page < 1 ? 1 : options.page;
      const int target = current - page < 0 ? 0 : current - page;
      const int fwd = Scan(entries, target, 1);
      if (fwd >= 0 && fwd < current) return fwd;
      const int prev = Scan(entries, current - 1, -1);
      return prev >= 0 ? prev : (Usable(entries, current) ? current : first);
    }
  }
  return -1;
}

wchar_t AcceleratorOf(const std::wstring& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {
      ++i;  // a literal ampersand
      continue;
    }
    return Lower(text[i + 1]);
  }
  for (wchar_t c : text) {
    if (c == L'&') continue;
    if (!std::iswspace(static_cast<wint_t>(c))) return Lower(c);
  }
  return 0;
}

YdAccelMatch MatchAccelerator(const std::vector<YdNavEntry>& entries, const std::vector<std::wstring>& texts,
                              int current, wchar_t letter) {
  YdAccelMatch match;
  const int count = static_cast<int>(entries.size() < texts.size() ? entries.size() : texts.size());
  if (count == 0 || letter == 0) return match;
  const wchar_t want = Lower(letter);
  const int start = current >= 0 && current < count ? current : -1;
  int found = 0;
  for (int step = 1; step <= count; ++step) {
    const int i = (start + step) % count;
    if (!Usable(entries, i) || AcceleratorOf(texts[static_cast<size_t>(i)]) != want) continue;
    if (found++ == 0) match.index = i;
  }
  match.unique = found == 1;
  return match;
}

int ScrollToShow(int scroll, int top, int bottom, int viewTop, int viewBottom) {
  int next = scroll;
  if (top < viewTop) {
    next = scroll - (viewTop - top);
  } else if (bottom > viewBottom) {
    next = scroll + std::min(bottom - viewBottom, top - viewTop);
  }
  return next < 0 ? 0 : next;
}

}  // namespace ZEPHYRA_NAMESPACE
