// The verifier: every kind of bad entry is named, good archives pass, and a
// size lie stops decoding early.
#include <gtest/gtest.h>

#include "archive/entry_verifier.h"
#include "archive/toc_reader.h"
#include "tests/archive/unpack_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_util;

std::vector<YdEntryProblem> Verify(const std::vector<uint8_t>& archive, uint64_t limit = UINT64_MAX) {
  YdTocNode root;
  EXPECT_TRUE(ReadArchiveToc(archive.data(), archive.size(), root).ok());
  return VerifyArchiveEntries(archive.data(), root, limit);
}

TEST(Verifier, GoodArchivePasses) { EXPECT_TRUE(Verify(SampleArchive()).empty()); }

TEST(Verifier, NamesEachBadEntryWithItsFault) {
  const std::vector<uint8_t> content = PatternBytes(200000, 2);
  std::vector<uint8_t> stream;
  ASSERT_TRUE(EncodeEntry(content, 1, 6, stream));
  std::vector<uint8_t> corrupt = stream;
  corrupt[corrupt.size() - 2] ^= 0x10;  // Adler-32 trailer
  const std::vector<uint8_t> truncated(stream.begin(), stream.end() - 1);

  YdArchiveWriter writer;
  YdTocNode& dir = writer.AddDirectory(writer.Root(), u"d", 0x10, {});
  writer.AddStoredEntry(dir, kTocFile, u"good", 0x20, {}, stream, content.size(), 1);
  writer.AddStoredEntry(dir, kTocFile, u"trailer", 0x20, {}, corrupt, content.size(), 1);
  writer.AddStoredEntry(dir, kTocFile, u"short", 0x20, {}, truncated, content.size(), 1);
  writer.AddStoredEntry(writer.Root(), kTocFile, u"lie", 0x20, {}, stream, content.size() + 1, 1);
  writer.AddStoredEntry(writer.Root(), kTocFile, u"raw-lie", 0x20, {}, Bytes("abc"), 4, 0);
  writer.AddStoredEntry(writer.Root(), kTocFile, u"conv2", 0x20, {}, Bytes("abc"), 3, 2);
  writer.AddStoredEntry(writer.Root(), kTocAccounted, u"acct", 0x20, {}, corrupt, 1, 1);  // never decoded
  const auto problems = Verify(writer.Finish());
  ASSERT_EQ(problems.size(), 5u);
  EXPECT_EQ(problems[0].path, u"d\\trailer");
  EXPECT_EQ(problems[0].fault, YdEntryFault::kStreamError);
  EXPECT_EQ(problems[1].path, u"d\\short");
  EXPECT_EQ(problems[1].fault, YdEntryFault::kStreamError);
  EXPECT_EQ(problems[2].path, u"lie");
  EXPECT_EQ(problems[2].fault, YdEntryFault::kSizeMismatch);
  EXPECT_EQ(problems[2].decoded, content.size());
  EXPECT_EQ(problems[2].expected, content.size() + 1);
  EXPECT_EQ(problems[3].path, u"raw-lie");
  EXPECT_EQ(problems[3].fault, YdEntryFault::kSizeMismatch);
  EXPECT_EQ(problems[4].path, u"conv2");
  EXPECT_EQ(problems[4].fault, YdEntryFault::kNoConverter);
}

TEST(Verifier, SizeLieStopsDecodingEarly) {
  std::vector<uint8_t> stream;
  ASSERT_TRUE(EncodeEntry(std::vector<uint8_t>(8 << 20, 0), 1, 6, stream));
  YdArchiveWriter writer;
  writer.AddStoredEntry(writer.Root(), kTocFile, u"bomb", 0x20, {}, stream, 16, 1);
  const auto problems = Verify(writer.Finish(), 1);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].fault, YdEntryFault::kSizeMismatch);
  EXPECT_GT(problems[0].decoded, 17u);
  EXPECT_LE(problems[0].decoded, 524288u);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
