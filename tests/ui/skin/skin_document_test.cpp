// Skin loading: the code page comes from the XML declaration and only
// without one from the ANSI code page; UTF-16 text, files, bounded byte
// buffers, entities, and the failures (parse error, no root, unreadable
// file, undecodable code page).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ui/skin/code_page.h"
#include "ui/skin/skin_document.h"
#include "ui/skin/skin_encoding.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// "宋体" in GBK and in UTF-8.
const char kSongtiGbk[] = "\xCB\xCE\xCC\xE5";
const char kSongtiUtf8[] = "\xE5\xAE\x8B\xE4\xBD\x93";
const std::u16string kSongti = u"\u5B8B\u4F53";

std::string SkinWithFace(const std::string& declaration, const std::string& face) {
  return declaration + "<Root><Window name=\"w\"><Font font=\"\" name=\"" + face +
         "\" size=\"12\"/></Window></Root>";
}

std::u16string FaceOf(const YdSkinDocument& doc) {
  return doc.Root()->children.at(0).children.at(0).AttributeOr(u"name");
}

TEST(SkinEncoding, DeclaredNamesMapToCodePages) {
  EXPECT_EQ(CodePageOfEncodingName("utf-8"), 65001u);
  EXPECT_EQ(CodePageOfEncodingName("UTF-8"), 65001u);
  EXPECT_EQ(CodePageOfEncodingName("gb2312"), 936u);
  EXPECT_EQ(CodePageOfEncodingName("GBK"), 936u);
  EXPECT_EQ(CodePageOfEncodingName("big5"), 950u);
  EXPECT_EQ(CodePageOfEncodingName("Shift_JIS"), 932u);
  EXPECT_EQ(CodePageOfEncodingName("windows-1251"), 1251u);
  EXPECT_EQ(CodePageOfEncodingName("ISO-8859-1"), 28591u);
  EXPECT_EQ(CodePageOfEncodingName(""), std::nullopt);
  EXPECT_EQ(CodePageOfEncodingName("x-klingon"), std::nullopt);
  EXPECT_EQ(SkinCodePage("gb2312", 1252), 936u);
  EXPECT_EQ(SkinCodePage("", 1252), 1252u);
  EXPECT_EQ(SkinCodePage("x-klingon", 1252), 1252u);
}

TEST(SkinEncoding, CodePagesDecode) {
  EXPECT_EQ(DecodeCodePage(936, kSongtiGbk), kSongti);
  EXPECT_EQ(DecodeCodePage(65001, kSongtiUtf8), kSongti);
  EXPECT_EQ(DecodeCodePage(1252, "\x80\xE9"), u"\u20AC\u00E9");
  EXPECT_EQ(DecodeCodePage(936, ""), u"");
  EXPECT_FALSE(IsCodePageSupported(12345));
  EXPECT_EQ(DecodeCodePage(12345, "abc"), std::nullopt);
}

TEST(SkinDocument, DeclaredEncodingWinsOverTheAnsiCodePage) {
  YdSkinDocument doc;
  // A Chinese skin declared gb2312 reads right on a Western system.
  const std::string gbk = SkinWithFace("<?xml version=\"1.0\" encoding=\"gb2312\"?>", kSongtiGbk);
  ASSERT_EQ(doc.LoadBytes(gbk, 1252), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.CodePage(), 936u);
  EXPECT_EQ(FaceOf(doc), kSongti);

  const std::string utf8 = SkinWithFace("<?xml version=\"1.0\" encoding=\"utf-8\"?>", kSongtiUtf8);
  ASSERT_EQ(doc.LoadBytes(utf8, 936), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.CodePage(), 65001u);
  EXPECT_EQ(FaceOf(doc), kSongti);
}

TEST(SkinDocument, WithoutDeclaredEncodingTheAnsiCodePageDecides) {
  YdSkinDocument doc;
  const std::string bare = SkinWithFace("", kSongtiGbk);
  ASSERT_EQ(doc.LoadBytes(bare, 936), YdSkinLoadStatus::kOk);
  EXPECT_EQ(FaceOf(doc), kSongti);
  // The same bytes on a Western system give what they always gave.
  ASSERT_EQ(doc.LoadBytes(bare, 1252), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.CodePage(), 1252u);
  EXPECT_EQ(FaceOf(doc), u"\u00CB\u00CE\u00CC\u00E5");
  // A declaration without an encoding, or with an unknown one, likewise.
  ASSERT_EQ(doc.LoadBytes(SkinWithFace("<?xml version=\"1.0\"?>", kSongtiGbk), 1252), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.CodePage(), 1252u);
  ASSERT_EQ(doc.LoadBytes(SkinWithFace("<?xml version=\"1.0\" encoding=\"x-klingon\"?>", kSongtiGbk), 936),
            YdSkinLoadStatus::kOk);
  EXPECT_EQ(FaceOf(doc), kSongti);
}

TEST(SkinDocument, Utf16TextIsReadAsUnicodeWhateverItsDeclaration) {
  YdSkinDocument doc;
  const std::u16string text = u"<?xml version=\"1.0\" encoding=\"gb2312\"?><Window><Font name=\"" + kSongti +
                              u"\"/><Label text=\"\u00E9\u20AC &quot;q&quot;\"/></Window>";
  ASSERT_EQ(doc.LoadText(text), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.CodePage(), 65001u);
  EXPECT_EQ(doc.Root()->children.at(0).AttributeOr(u"name"), kSongti);
  EXPECT_EQ(doc.Root()->children.at(1).AttributeOr(u"text"), u"\u00E9\u20AC \"q\"");
}

TEST(SkinDocument, TreeKeepsDocumentOrderAndText) {
  YdSkinDocument doc;
  ASSERT_EQ(doc.LoadBytes("<A z=\"1\" y=\"2\"><!-- c --><B/>text<C k=\"v\"/></A>", 1252), YdSkinLoadStatus::kOk);
  const YdSkinElement& a = *doc.Root();
  EXPECT_EQ(a.name, u"A");
  ASSERT_EQ(a.attributes.size(), 2u);
  EXPECT_EQ(a.attributes[0].name, u"z");
  EXPECT_EQ(a.attributes[1].value, u"2");
  ASSERT_EQ(a.children.size(), 2u);
  EXPECT_EQ(a.children[0].name, u"B");
  EXPECT_EQ(a.children[1].name, u"C");
  EXPECT_EQ(a.text, u"text");
  EXPECT_EQ(a.Attribute(u"missing"), nullptr);
  EXPECT_EQ(a.children[1].AttributeOr(u"k"), u"v");
}

TEST(SkinDocument, FailuresAreReportedAndLeaveNoTree) {
  YdSkinDocument doc;
  ASSERT_EQ(doc.LoadBytes("<Root/>", 1252), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.LoadBytes("<Root><Window></Root>", 1252), YdSkinLoadStatus::kParseError);
  EXPECT_EQ(doc.Root(), nullptr);
  EXPECT_FALSE(doc.ErrorText().empty());
  EXPECT_EQ(doc.LoadBytes("", 1252), YdSkinLoadStatus::kNoRoot);
  EXPECT_EQ(doc.LoadBytes("<?xml version=\"1.0\"?><!-- only -->", 1252), YdSkinLoadStatus::kNoRoot);
  EXPECT_EQ(doc.LoadBytes("<Root/>", 12345), YdSkinLoadStatus::kUnsupportedEncoding);
  EXPECT_EQ(doc.Root(), nullptr);
  EXPECT_EQ(doc.LoadFile(u"no/such/skin.xml"), YdSkinLoadStatus::kUnreadable);
}

TEST(SkinDocument, ByteBufferIsReadOnlyUpToItsLength) {
  // A resource is not NUL-terminated: what follows it must not be parsed.
  const char buffer[] = "<Root a=\"1\"/><Broken";
  YdSkinDocument doc;
  EXPECT_EQ(doc.LoadBytes(std::string_view(buffer, 13), 1252), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.LoadBytes(std::string_view(buffer), 1252), YdSkinLoadStatus::kParseError);
}

TEST(SkinDocument, LoadsAFile) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "zephyra_skin_test.xml";
  {
    std::ofstream out(path, std::ios::binary);
    out << SkinWithFace("<?xml version=\"1.0\" encoding=\"gbk\"?>", kSongtiGbk);
  }
  YdSkinDocument doc;
  ASSERT_EQ(doc.LoadFile(path.u16string(), 1252), YdSkinLoadStatus::kOk);
  EXPECT_EQ(FaceOf(doc), kSongti);
  std::filesystem::remove(path);
}

TEST(SkinDocument, NestingBeyondTheLimitIsRefusedBeforeParsing) {
  // Comments, CDATA, processing instructions and quoted values hold no
  // levels; empty-element tags open none.
  EXPECT_EQ(SkinNestingBound("<a><b/><c x='>' y=\"<d>\"><!-- <e> --><![CDATA[<f>]]><?p <g>?></c></a>"), 2u);
  EXPECT_EQ(SkinNestingBound("<a x=\"/\"><b>"), 2u);
  std::string limit;
  for (size_t i = 0; i < kMaxSkinDepth; ++i) limit = "<a>" + limit + "</a>";
  YdSkinDocument doc;
  EXPECT_EQ(doc.LoadBytes(limit), YdSkinLoadStatus::kOk);
  EXPECT_EQ(doc.LoadBytes("<a>" + limit + "</a>"), YdSkinLoadStatus::kParseError);
  EXPECT_NE(doc.ErrorText().find("nested deeper"), std::string::npos);
  EXPECT_EQ(doc.Root(), nullptr);
  // Far deeper than any stack: refused, not followed.
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  EXPECT_EQ(doc.LoadBytes(deep), YdSkinLoadStatus::kParseError);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
