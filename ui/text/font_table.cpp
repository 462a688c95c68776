// font_table.cpp -- font creation from the system GUI font and face lookups.
#include "ui/text/font_table.h"

#include <vector>

namespace ZEPHYRA_NAMESPACE {
namespace {

int CALLBACK CopyFaceName(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
  *reinterpret_cast<std::wstring*>(param) = font->lfFaceName;
  return 1;
}

}  // namespace

bool YdFontTable::Realize(YdFontInfo& info) {
  LOGFONTW log{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(log), &log);
  lstrcpynW(log.lfFaceName, info.face.c_str(), LF_FACESIZE);
  log.lfCharSet = DEFAULT_CHARSET;
  log.lfHeight = -scale_.Scale(info.size);
  if (info.bold) log.lfWeight += FW_BOLD;
  log.lfUnderline = info.underline ? TRUE : FALSE;
  log.lfItalic = info.italic ? TRUE : FALSE;
  HFONT font = ::CreateFontIndirectW(&log);
  if (font == nullptr) return false;
  info.font.Set(font);
  info.metrics = TEXTMETRICW{};
  if (dc_ != nullptr) {
    ScopedSelectObject select(dc_, font);
    ::GetTextMetricsW(dc_, &info.metrics);
  }
  return true;
}

void YdFontTable::Rescale(YdDpiScale scale) {
  if (scale == scale_) return;
  scale_ = scale;
  for (auto& named : fonts_) Realize(*named.second);
  for (auto& unnamed : unnamed_) Realize(*unnamed);
}

YdFontInfo* YdFontTable::AddFont(const std::wstring& name, const std::wstring& face, int size, bool bold,
                                 bool underline, bool italic) {
  auto info = std::make_unique<YdFontInfo>();
  info->face = face;
  info->size = size;
  info->bold = bold;
  info->underline = underline;
  info->italic = italic;
  if (!Realize(*info)) return nullptr;
  YdFontInfo* result = info.get();
  auto found = fonts_.find(name);
  if (found == fonts_.end()) {
    fonts_.emplace(name, std::move(info));
  } else {
    unnamed_.push_back(std::move(info));
  }
  return result;
}

void YdFontTable::CopyFrom(const YdFontTable& from) {
  if (&from == this) return;
  auto copy = [this](const YdFontInfo& f, const std::wstring& name) {
    return AddFont(name, f.face, f.size, f.bold, f.underline, f.italic);
  };
  std::map<const YdFontInfo*, YdFontInfo*> made;
  for (const auto& [name, info] : from.fonts_) {
    YdFontInfo* mine = FindFont(name);
    if (mine == nullptr) mine = copy(*info, name);
    if (mine != nullptr) made[info.get()] = mine;
  }
  // A default may be one of the named fonts or one owned without a name.
  auto counterpart = [&](const YdFontInfo* theirs) -> YdFontInfo* {
    if (theirs == nullptr) return nullptr;
    auto at = made.find(theirs);
    if (at != made.end()) return at->second;
    YdFontInfo* mine = copy(*theirs, L"Default");  // the name is taken: kept unnamed
    made[theirs] = mine;
    return mine;
  };
  if (YdFontInfo* f = counterpart(from.default_)) default_ = f;
  if (YdFontInfo* f = counterpart(from.default_bold_)) default_bold_ = f;
  if (YdFontInfo* f = counterpart(from.default_link_)) default_link_ = f;
}

YdFontInfo* YdFontTable::FindFont(const std::wstring& name) const {
  auto found = fonts_.find(name);
  return found == fonts_.end() ? nullptr : found->second.get();
}

YdFontInfo* YdFontTable::GetFont(const std::wstring& name) {
  if (!name.empty()) {
    if (YdFontInfo* font = FindFont(name)) return font;
  }
  return GetDefaultFont();
}

YdFontInfo* YdFontTable::GetDefaultFont() {
  if (default_ != nullptr) return default_;
  if (YdFontInfo* named = FindFont(L"Default")) return named;
  LOGFONTW log{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(log), &log);
  // The stock font's height is in pixels of the screen, which the system
  // may have scaled already; the table keeps sizes in 96-DPI pixels.
  default_ = AddFont(L"Default", log.lfFaceName, scale_.Unscale(-log.lfHeight), log.lfWeight >= FW_BOLD,
                     log.lfUnderline != 0, log.lfItalic != 0);
  return default_;
}

bool YdFontTable::IsFontInstalled(const std::wstring& name) {
  YdFontInfo* font = GetFont(name);
  if (font == nullptr) return false;
  if (font->installed == 1) return true;
  if (font->installed == 2) return false;
  std::wstring found;
  HDC dc = dc_;
  ScopedCreateDC own;
  if (dc == nullptr) {
    own.Set(::CreateCompatibleDC(nullptr));
    dc = own.Get();
  }
  ::EnumFontsW(dc, font->face.c_str(), CopyFaceName, reinterpret_cast<LPARAM>(&found));
  font->installed = found.empty() ? 2 : 1;
  return !found.empty();
}

}  // namespace ZEPHYRA_NAMESPACE
