// font_table.h -- the fonts of one window: created fonts by table name, the
// default, default bold and default link fonts, and installed-face lookups.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/scoped_gdi.h"
#include "common/yd_namespace.h"
#include "ui/values/dpi_scale.h"

namespace ZEPHYRA_NAMESPACE {

struct YdFontInfo {
  ScopedFont font;
  std::wstring face;
  int size = 0;  // 96-DPI pixels; the font height is -size at the table's scale
  bool bold = false;
  bool underline = false;
  bool italic = false;
  TEXTMETRICW metrics{};  // all zero when no window DC was bound
  int installed = 0;      // 0 not looked up, 1 face exists, 2 it does not
};

// Where text drawing finds a window's fonts by name: the paint manager
// answers with its font table.
class IYdFontSource {
 public:
  virtual YdFontInfo* GetFont(const std::wstring& name) = 0;

 protected:
  ~IYdFontSource() = default;
};

class YdFontTable {
 public:
  YdFontTable() = default;
  YdFontTable(const YdFontTable&) = delete;
  YdFontTable& operator=(const YdFontTable&) = delete;

  // DC used to read text metrics and enumerate faces (borrowed; may be null).
  void SetMetricsDC(HDC dc) { dc_ = dc; }
  HDC GetMetricsDC() const { return dc_; }

  // The display scale fonts are created at. SetScale applies to fonts added
  // from now on; Rescale also recreates every font of the table in place
  // (the records stay where they are, so pointers to them stay good).
  void SetScale(YdDpiScale scale) { scale_ = scale; }
  YdDpiScale GetScale() const { return scale_; }
  void Rescale(YdDpiScale scale);

  // Creates a font; null when it cannot be created (nothing is registered).
  // An existing entry of the same name stays in the table; the new font is
  // still returned and kept alive by the table.
  YdFontInfo* AddFont(const std::wstring& name, const std::wstring& face, int size, bool bold,
                      bool underline, bool italic);
  YdFontInfo* GetFont(const std::wstring& name);
  YdFontInfo* GetDefaultFont();
  bool IsFontInstalled(const std::wstring& name);
  // Fonts of the table that carry `name`; null when absent.
  YdFontInfo* FindFont(const std::wstring& name) const;

  void SetDefaultFont(YdFontInfo* font) { default_ = font; }
  void SetDefaultBoldFont(YdFontInfo* font) { default_bold_ = font; }
  void SetDefaultLinkFont(YdFontInfo* font) { default_link_ = font; }
  YdFontInfo* GetDefaultBoldFont() const { return default_bold_; }
  YdFontInfo* GetDefaultLinkFont() const { return default_link_; }
  size_t size() const { return fonts_.size(); }
  // Gives this table fonts like every font of `from` (names this table has
  // already keep their own) and the same default, bold and link fonts: a
  // popup window shows controls of its owner's skin in the owner's fonts.
  void CopyFrom(const YdFontTable& from);

 private:
  // Creates the font of `info` at the table's scale and reads its metrics.
  bool Realize(YdFontInfo& info);

  HDC dc_ = nullptr;
  YdDpiScale scale_;
  std::map<std::wstring, std::unique_ptr<YdFontInfo>> fonts_;
  // Fonts whose name was taken already: owned here, reachable only through
  // the pointer AddFont returned (e.g. made a default by the skin).
  std::vector<std::unique_ptr<YdFontInfo>> unnamed_;
  YdFontInfo* default_ = nullptr;
  YdFontInfo* default_bold_ = nullptr;
  YdFontInfo* default_link_ = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE
