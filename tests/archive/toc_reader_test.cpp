// Table-of-contents parsing: the layout, the accepted variations and every
// kind of table that must be refused.
#include <gtest/gtest.h>

#include "archive/toc_reader.h"
#include "archive/ydz_format.h"
#include "tests/archive/archive_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_util;

TocReadResult Read(const std::vector<uint8_t>& archive, YdTocNode& root) {
  return ReadArchiveToc(archive.data(), archive.size(), root);
}

TEST(TocReader, ParsesWriterOutputWithAllFields) {
  YdArchiveWriter writer;
  YdTocNode& bin = writer.AddDirectory(writer.Root(), u"bin", 0x10, {1, 2, 3});
  writer.AddFile(bin, u"a.exe", 0x21, {11, 12, 13}, Bytes("hello"), kConverterStored, 0);
  writer.AddFile(writer.Root(), u"\u8bf4\u660e.txt", 0x20, {21, 22, 23}, PatternBytes(1000), kConverterZlib, 6);
  writer.AddInline(writer.Root(), u"note", Bytes("inline"));
  const auto archive = writer.Finish();

  YdTocNode root;
  const TocReadResult result = Read(archive, root);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.version, 1);
  ASSERT_EQ(root.children.size(), 3u);
  const YdTocNode& dir = *root.children[0];
  EXPECT_EQ(dir.name, u"bin");
  EXPECT_EQ(dir.attributes, 0x10u);
  EXPECT_EQ(dir.creationTime, 1u);
  EXPECT_EQ(dir.lastAccessTime, 2u);
  EXPECT_EQ(dir.lastWriteTime, 3u);
  EXPECT_EQ(dir.parent, &root);
  ASSERT_EQ(dir.children.size(), 1u);
  const YdTocNode& exe = *dir.children[0];
  EXPECT_EQ(exe.type, kTocFile);
  EXPECT_EQ(exe.attributes, 0x21u);
  EXPECT_EQ(exe.decodedSize, 5u);
  EXPECT_EQ(exe.storedSize, 5u);
  EXPECT_EQ(exe.parent, &dir);
  ASSERT_LE(exe.dataOffset + 5, archive.size());
  EXPECT_EQ(std::string(archive.begin() + static_cast<long>(exe.dataOffset),
                        archive.begin() + static_cast<long>(exe.dataOffset) + 5), "hello");
  const YdTocNode& text = *root.children[1];
  EXPECT_EQ(text.name, u"\u8bf4\u660e.txt");
  EXPECT_EQ(text.converter, kConverterZlib);
  EXPECT_EQ(text.decodedSize, 1000u);
  // Data follows the table directly, in table order, without gaps.
  EXPECT_EQ(exe.dataOffset, archive.size() - exe.storedSize - text.storedSize);
  EXPECT_EQ(text.dataOffset, exe.dataOffset + exe.storedSize);
  EXPECT_EQ(result.totalStoredSize, exe.storedSize + text.storedSize);
  const YdTocNode& note = *root.children[2];
  EXPECT_EQ(note.type, kTocInline);
  ASSERT_EQ(note.inlineData.Length(), 6u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(note.inlineData.Data()), 6), "inline");
}

TEST(TocReader, AcceptsVersionZeroAndAnyMagic) {
  auto archive = WrapTable(Record(kTocDirectory, u""), 0);
  archive[0] = 'Q';
  archive[1] = 0;
  archive[2] = 0xFF;
  YdTocNode root;
  const TocReadResult result = Read(archive, root);
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(result.version, 0);
}

TEST(TocReader, ChildCountIsBigEndianAndMayExceed65535) {
  // 65536 empty inline children keep the table small enough for a test.
  const uint32_t count = 65536;
  std::vector<uint8_t> table = Record(kTocDirectory, u"", count);
  std::vector<uint8_t> child = Record(kTocInline, u"x");
  for (uint32_t i = 0; i < count; ++i) table.insert(table.end(), child.begin(), child.end());
  YdTocNode root;
  ASSERT_TRUE(Read(WrapTable(table), root).ok());
  EXPECT_EQ(root.children.size(), count);
  EXPECT_EQ(table[1], 0x01);  // 0x010000, most significant byte first
  EXPECT_EQ(table[3], 0x00);
}

TEST(TocReader, EmptyDirectoryIsFollowedByItsSiblingAndFilesIgnoreChildBytes) {
  const auto table = Concat({Record(kTocDirectory, u"", 3), Record(kTocDirectory, u"empty", 0),
                             Record(kTocFile, u"f", /*children=*/0x030201), Record(kTocDirectory, u"d", 1),
                             Record(kTocInline, u"i")});
  YdTocNode root;
  ASSERT_TRUE(Read(WrapTable(table), root).ok());
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_TRUE(root.children[0]->children.empty());
  EXPECT_EQ(root.children[1]->type, kTocFile);
  EXPECT_TRUE(root.children[1]->children.empty());
  ASSERT_EQ(root.children[2]->children.size(), 1u);
  EXPECT_EQ(root.children[2]->children[0]->name, u"i");
}

TEST(TocReader, InlineDataLimitIs4096Bytes) {
  YdTocNode root;
  YdArchiveWriter fits;
  fits.AddInline(fits.Root(), u"max", std::vector<uint8_t>(4096, 7));
  EXPECT_TRUE(Read(fits.Finish(), root).ok());

  YdArchiveWriter over;
  over.AddInline(over.Root(), u"over", std::vector<uint8_t>(4097, 7));
  const TocReadResult result = Read(over.Finish(), root);
  EXPECT_EQ(result.status, TocStatus::kInvalidTable);
  EXPECT_EQ(result.FormatDetail(), kDetailInvalidTable);
  EXPECT_TRUE(root.children.empty());
}

TEST(TocReader, HeaderFailures) {
  YdTocNode root;
  const std::vector<uint8_t> seven = {'Y', 'D', 'Z', 1, 0, 0, 0};
  EXPECT_EQ(Read(seven, root).status, TocStatus::kTooShort);
  EXPECT_EQ(Read(seven, root).FormatDetail(), 0);

  auto v2 = WrapTable(Record(kTocDirectory, u""), 2);
  const TocReadResult bad_version = Read(v2, root);
  EXPECT_EQ(bad_version.status, TocStatus::kUnsupportedVersion);
  EXPECT_EQ(bad_version.FormatDetail(), kDetailUnsupportedVersion);

  auto truncated = WrapTable(Record(kTocDirectory, u""));
  truncated.pop_back();
  EXPECT_EQ(Read(truncated, root).status, TocStatus::kTableTruncated);
  EXPECT_EQ(ReadArchiveToc(nullptr, 0, root).status, TocStatus::kTooShort);
}

struct HostileCase {
  const char* what;
  std::vector<uint8_t> archive;
};

std::vector<HostileCase> HostileArchives() {
  std::vector<HostileCase> cases;
  const auto root1 = Record(kTocDirectory, u"", 1);
  auto with_child = [&](const std::vector<uint8_t>& child, const std::vector<uint8_t>& data = {}) {
    return WrapTable(Concat({root1, child}), 1, data);
  };
  // Trailing bytes after a completely parsed tree.
  cases.push_back({"trailing table bytes", WrapTable(Concat({Record(kTocDirectory, u""), {0, 0}}))});
  // Children counted but absent, or cut in the middle of a record.
  cases.push_back({"missing child", WrapTable(Record(kTocDirectory, u"", 2))});
  auto cut = Concat({root1, Record(kTocFile, u"abc")});
  cut.resize(cut.size() - 9);
  cases.push_back({"record cut inside the tail", WrapTable(cut)});
  auto cut_name = Concat({root1, Record(kTocFile, u"abcdef")});
  cut_name.resize(root1.size() + 14);
  cases.push_back({"record cut inside the name", WrapTable(cut_name)});
  auto cut_inline = Concat({root1, Record(kTocInline, u"a")});
  cut_inline.back() = 0;
  cut_inline[cut_inline.size() - 4] = 10;  // data length 10, no data follows
  cases.push_back({"inline data past the table", WrapTable(cut_inline)});
  auto odd = Record(kTocFile, u"ab");
  odd[8] = 3;  // odd name length
  cases.push_back({"odd name length", with_child(odd)});
  auto huge_name = Record(kTocFile, u"ab");
  huge_name[8] = 0xFE;
  huge_name[9] = 0xFF;
  huge_name[10] = 0xFF;
  huge_name[11] = 0xFF;
  cases.push_back({"name length near 4 GiB", with_child(huge_name)});
  // Stored ranges outside the archive.
  cases.push_back({"range past the end", with_child(Record(kTocFile, u"f", 0, 70, 1000), Bytes("abc"))});
  cases.push_back({"offset past the end", with_child(Record(kTocFile, u"f", 0, 1u << 20, 1))});
  cases.push_back({"offset + size overflows", with_child(Record(kTocFile, u"f", 0, ~uint64_t{0} - 1, 4))});
  // Nesting beyond the depth limit.
  std::vector<uint8_t> deep = Record(kTocDirectory, u"", 1);
  for (int i = 0; i < kMaxTocDepth + 1; ++i) deep = Concat({deep, Record(kTocDirectory, u"d", 1)});
  deep = Concat({deep, Record(kTocDirectory, u"leaf", 0)});
  cases.push_back({"nesting too deep", WrapTable(deep)});
  return cases;
}

TEST(TocReader, RejectsHostileTablesWithDetail8) {
  for (const HostileCase& c : HostileArchives()) {
    SCOPED_TRACE(c.what);
    YdTocNode root;
    const TocReadResult result = Read(c.archive, root);
    EXPECT_EQ(result.status, TocStatus::kInvalidTable);
    EXPECT_EQ(result.FormatDetail(), kDetailInvalidTable);
    EXPECT_TRUE(root.children.empty());
  }
}

TEST(TocReader, NestingUpToTheLimitIsAccepted) {
  std::vector<uint8_t> deep = Record(kTocDirectory, u"", 1);
  for (int i = 1; i < kMaxTocDepth; ++i) deep = Concat({deep, Record(kTocDirectory, u"d", 1)});
  deep = Concat({deep, Record(kTocDirectory, u"leaf", 0)});
  YdTocNode root;
  EXPECT_TRUE(Read(WrapTable(deep), root).ok());
}

TEST(TocReader, RejectsUnsafeNamesForEveryRecordType) {
  const std::u16string bad[] = {u"", u".", u"..", u"a\\b", u"a/b", u"c:", u"x:stream", std::u16string(u"tab\tname"),
                                u"dot.", u"blank ", u"CON", u"con", u"Con.txt", u"nul.tar.gz", u"aux", u"PRN",
                                u"COM1", u"com9.log", u"LPT5", u"lpt1.x", u"CON .txt"};
  for (const auto& name : bad) {
    for (int type : {kTocDirectory, kTocFile, kTocAccounted, kTocInline}) {
      SCOPED_TRACE(std::string(name.begin(), name.end()) + " type " + std::to_string(type));
      YdTocNode root;
      const auto archive = WrapTable(Concat({Record(kTocDirectory, u"", 1), Record(type, name)}));
      EXPECT_EQ(Read(archive, root).status, TocStatus::kInvalidTable);
    }
  }
}

TEST(TocReader, AcceptsOrdinaryNames) {
  const std::u16string good[] = {u"a", u"...a", u".hidden", u"COM0", u"COM10", u"LPT", u"CONSOLE.txt",
                                 u"nul_file", u"x y", u"\u7f51\u7edc.dll", u"a.b.c"};
  for (const auto& name : good) {
    EXPECT_TRUE(IsSafeEntryName(name)) << std::string(name.begin(), name.end());
  }
}

TEST(TocReader, EmptyFilesInBothForms) {
  YdArchiveWriter writer;
  writer.AddFile(writer.Root(), u"raw", 0x20, {}, {}, kConverterStored, 0);
  writer.AddFile(writer.Root(), u"zlib", 0x20, {}, {}, kConverterZlib, 9);
  YdTocNode root;
  ASSERT_TRUE(Read(writer.Finish(), root).ok());
  EXPECT_EQ(root.children[0]->storedSize, 0u);
  EXPECT_EQ(root.children[0]->decodedSize, 0u);
  EXPECT_EQ(root.children[1]->decodedSize, 0u);
  EXPECT_GT(root.children[1]->storedSize, 0u);  // an empty zlib stream still has header and trailer
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
