// skin_encoding.cpp -- XML encoding names and their code pages.
#include "ui/skin/skin_encoding.h"

#include <string>

namespace ZEPHYRA_NAMESPACE {

namespace {

struct EncodingName {
  const char* name;
  unsigned codePage;
};

constexpr EncodingName kEncodings[] = {
    {"utf-8", 65001},       {"utf8", 65001},
    {"gb2312", 936},        {"gbk", 936},          {"cp936", 936},
    {"x-gbk", 936},         {"windows-936", 936},  {"gb18030", 54936},
    {"big5", 950},          {"cp950", 950},
    {"shift_jis", 932},     {"shift-jis", 932},    {"sjis", 932},
    {"windows-31j", 932},   {"cp932", 932},
    {"euc-kr", 949},        {"ks_c_5601-1987", 949}, {"cp949", 949},
    {"iso-8859-1", 28591},  {"latin1", 28591},
    {"us-ascii", 20127},    {"ascii", 20127},
    {"koi8-r", 20866},
    {"windows-874", 874},
    {"windows-1250", 1250}, {"windows-1251", 1251}, {"windows-1252", 1252},
    {"windows-1253", 1253}, {"windows-1254", 1254}, {"windows-1255", 1255},
    {"windows-1256", 1256}, {"windows-1257", 1257}, {"windows-1258", 1258},
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  std::string out;
  for (size_t i = b; i < e; ++i) out.push_back(Lower(s[i]));
  return out;
}

}  // namespace

std::optional<unsigned> CodePageOfEncodingName(std::string_view name) {
  const std::string key = Trimmed(name);
  if (key.empty()) return std::nullopt;
  for (const EncodingName& e : kEncodings) {
    if (key == e.name) return e.codePage;
  }
  return std::nullopt;
}

unsigned SkinCodePage(std::string_view declaredEncoding, unsigned ansiCodePage) {
  return CodePageOfEncodingName(declaredEncoding).value_or(ansiCodePage);
}

}  // namespace ZEPHYRA_NAMESPACE
