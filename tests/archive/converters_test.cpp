// Converters: buffer limits, levels, odd piece sizes, corrupt and truncated
// streams, and the registry's identifiers.
#include <gtest/gtest.h>
#include <zlib.h>

#include "archive/codec/converter_registry.h"
#include "archive/codec/raw_converter.h"
#include "archive/codec/yd_buffer.h"
#include "archive/codec/zip_decoder.h"
#include "tests/archive/archive_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_util;

// Feeds `input` in pieces of `piece` bytes, draining at most `drain` bytes
// per step through TakeOutput, then finishes. False when the converter fails.
bool Convert(YdCompressConverter& c, const std::vector<uint8_t>& input, size_t piece, size_t drain,
             std::vector<uint8_t>& output) {
  output.clear();
  std::vector<uint8_t> chunk(drain);
  auto take = [&] {
    const uint32_t n = c.GetOutputSize() < drain ? c.GetOutputSize() : static_cast<uint32_t>(drain);
    const uint32_t before = c.GetOutputSize();
    EXPECT_EQ(c.TakeOutput(chunk.data(), static_cast<uint32_t>(drain)), 1);
    EXPECT_EQ(c.GetOutputSize(), before - n);
    output.insert(output.end(), chunk.begin(), chunk.begin() + n);
    return n;
  };
  size_t at = 0;
  int idle = 0;
  while (at < input.size()) {
    const uint32_t len = static_cast<uint32_t>(std::min(piece, input.size() - at));
    uint32_t consumed = 0;
    if (!c.Feed(input.data() + at, len, &consumed, false)) return false;
    at += consumed;
    const uint32_t taken = take();
    idle = (consumed == 0 && taken == 0) ? idle + 1 : 0;
    if (idle > 2) return false;  // no progress at all
  }
  for (int guard = 0; guard < 100000; ++guard) {
    if (!c.Finish()) return false;
    if (take() == 0 && c.GetOutputSize() == 0) return true;
  }
  return false;
}

std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t>& data, int level = 6) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> out(size);
  EXPECT_EQ(compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level), Z_OK);
  out.resize(size);
  return out;
}

TEST(YdBuffer, CapacityAndLength) {
  YdBuffer buffer(4);
  std::memcpy(buffer.Data(), "abcd", 4);
  buffer.SetLength(10);
  EXPECT_EQ(buffer.Length(), 4u);  // clamped to the capacity
  ASSERT_TRUE(buffer.SetCapacity(2));
  EXPECT_EQ(buffer.Length(), 2u);
  EXPECT_EQ(std::memcmp(buffer.Data(), "ab", 2), 0);
  ASSERT_TRUE(buffer.SetCapacity(8));
  EXPECT_EQ(std::memcmp(buffer.Data(), "ab", 2), 0);  // kept across growth
  ASSERT_TRUE(buffer.SetCapacity(0));
  EXPECT_EQ(buffer.Data(), nullptr);
  YdBuffer moved(std::move(buffer));
  EXPECT_EQ(moved.Capacity(), 0u);
}

TEST(RawConverter, TakesAtMostItsBufferAndNothingWhenFull) {
  YdRawConverter raw;
  const auto input = PatternBytes(300000);
  uint32_t consumed = 0;
  ASSERT_TRUE(raw.Feed(input.data(), 300000, &consumed, false));
  EXPECT_EQ(consumed, 102400u);
  EXPECT_EQ(raw.GetFreeSpace(), 0u);
  ASSERT_TRUE(raw.Feed(input.data() + consumed, 1000, &consumed, false));
  EXPECT_EQ(consumed, 0u);
  uint32_t length = 0;
  const uint8_t* waiting = raw.PeekOutput(&length);
  EXPECT_EQ(length, 102400u);
  EXPECT_EQ(std::memcmp(waiting, input.data(), length), 0);
  // TakeOutput moves the rest to the front.
  uint8_t first[10];
  raw.TakeOutput(first, 10);
  EXPECT_EQ(raw.GetOutputSize(), 102390u);
  EXPECT_EQ(raw.PeekOutput(&length)[0], input[10]);
  EXPECT_TRUE(raw.Reset());
  EXPECT_EQ(raw.GetOutputSize(), 0u);
  EXPECT_EQ(raw.GetTypeId(), 0);
}

TEST(ZipEncoder, LevelRules) {
  const int minus_one = -1, ten = 10, three = 3;
  EXPECT_EQ(YdZipEncoder().level(), 5);
  EXPECT_EQ(YdZipEncoder(&minus_one).level(), 9);
  EXPECT_EQ(YdZipEncoder(&ten).level(), 9);
  EXPECT_EQ(YdZipEncoder(&three).level(), 3);
}

TEST(ZipEncoder, OutputIsTheZlibStreamOfThatLevel) {
  const auto input = PatternBytes(200000, 7);
  for (int level : {-1, 0, 1, 5, 9, 10}) {
    SCOPED_TRACE(level);
    YdZipEncoder encoder(&level);
    std::vector<uint8_t> stored;
    ASSERT_TRUE(Convert(encoder, input, 65536, 1 << 20, stored));
    EXPECT_TRUE(encoder.finished());
    // zlib with the same parameters gives the same bytes.
    const int effective = (level < 0 || level > 9) ? 9 : level;
    EXPECT_EQ(stored, ZlibCompress(input, effective));
  }
}

TEST(ZipEncoder, FinishEndsTheStreamOnceThenReturnsAtOnce) {
  YdZipEncoder encoder;
  ASSERT_TRUE(encoder.Finish());
  ASSERT_TRUE(encoder.finished());
  const uint32_t size = encoder.GetOutputSize();
  EXPECT_GT(size, 0u);
  ASSERT_TRUE(encoder.Finish());
  EXPECT_EQ(encoder.GetOutputSize(), size);  // nothing more
  ASSERT_TRUE(encoder.Reset());
  EXPECT_FALSE(encoder.finished());
  EXPECT_EQ(encoder.GetOutputSize(), 0u);
}

TEST(ZipDecoder, RoundTripsEveryLevelInOddPieces) {
  const auto input = PatternBytes(1500000, 3);  // more than the 512 KiB buffer
  for (int level = 0; level <= 9; ++level) {
    const auto stored = ZlibCompress(input, level);
    for (auto [piece, drain] : {std::pair<size_t, size_t>{7, 100000}, {4093, 4099}, {1 << 20, 1 << 20}}) {
      SCOPED_TRACE(testing::Message() << "level " << level << " piece " << piece << " drain " << drain);
      YdZipDecoder decoder;
      std::vector<uint8_t> output;
      ASSERT_TRUE(Convert(decoder, stored, piece, drain, output));
      EXPECT_EQ(output, input);
    }
  }
}

TEST(ZipDecoder, ByteWiseFeedingAndDraining) {
  const auto input = PatternBytes(60000, 4);
  for (int level : {0, 9}) {
    YdZipDecoder decoder;
    std::vector<uint8_t> output;
    ASSERT_TRUE(Convert(decoder, ZlibCompress(input, level), 1, 64, output));
    EXPECT_EQ(output, input);
  }
}

TEST(ZipDecoder, FullOutputBufferConsumesNothing) {
  const auto input = PatternBytes(2000000, 5);
  const auto stored = ZlibCompress(input, 1);
  YdZipDecoder decoder;
  uint32_t consumed = 0;
  ASSERT_TRUE(decoder.Feed(stored.data(), static_cast<uint32_t>(stored.size()), &consumed, false));
  EXPECT_EQ(decoder.GetFreeSpace(), 0u);
  const uint32_t before = consumed;
  ASSERT_TRUE(decoder.Feed(stored.data() + before, static_cast<uint32_t>(stored.size() - before), &consumed, false));
  EXPECT_EQ(consumed, 0u);
}

TEST(ZipDecoder, FailsOnCorruptionTrailerTruncationAndTrailingBytes) {
  const auto input = PatternBytes(50000, 9);
  const auto stored = ZlibCompress(input);
  std::vector<uint8_t> output;

  auto bad_trailer = stored;
  bad_trailer.back() ^= 0x01;
  YdZipDecoder d1;
  EXPECT_FALSE(Convert(d1, bad_trailer, 4096, 1 << 20, output));

  auto bad_header = stored;
  bad_header[0] = 0x00;
  YdZipDecoder d2;
  EXPECT_FALSE(Convert(d2, bad_header, 4096, 1 << 20, output));

  auto truncated = stored;
  truncated.resize(stored.size() / 2);
  YdZipDecoder d3;
  EXPECT_FALSE(Convert(d3, truncated, 4096, 1 << 20, output));

  auto trailing = stored;
  trailing.push_back(0);
  YdZipDecoder d4;
  EXPECT_FALSE(Convert(d4, trailing, 4096, 1 << 20, output));
}

TEST(ZipDecoder, ResetServesTheNextEntryAndNothingFedFinishesCleanly) {
  YdZipDecoder decoder;
  std::vector<uint8_t> output;
  // Stored size 0: nothing fed, Finish succeeds with no output.
  ASSERT_TRUE(decoder.Reset());
  ASSERT_TRUE(Convert(decoder, {}, 100, 100, output));
  EXPECT_TRUE(output.empty());
  for (uint32_t seed : {1u, 2u, 3u}) {
    const auto input = PatternBytes(10000 * seed, seed);
    ASSERT_TRUE(decoder.Reset());
    ASSERT_TRUE(Convert(decoder, ZlibCompress(input), 999, 1 << 20, output));
    EXPECT_EQ(output, input);
  }
  // After a failed entry, Reset recovers the stream too.
  ASSERT_TRUE(decoder.Reset());
  EXPECT_FALSE(Convert(decoder, Bytes("not zlib at all"), 100, 100, output));
  ASSERT_TRUE(decoder.Reset());
  ASSERT_TRUE(Convert(decoder, ZlibCompress(Bytes("again")), 100, 100, output));
  EXPECT_EQ(output, Bytes("again"));
}

TEST(ConverterRegistry, Identifiers) {
  auto raw = GetConverterForExtraction(0);
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->GetTypeId(), 0);
  auto zip = GetConverterForExtraction(1);
  ASSERT_TRUE(zip);
  EXPECT_EQ(zip->GetTypeId(), 1);
  std::vector<uint8_t> output;
  ASSERT_TRUE(Convert(*zip, ZlibCompress(Bytes("inflated")), 100, 100, output)) << "not a decoder";
  EXPECT_EQ(output, Bytes("inflated"));
  EXPECT_EQ(GetConverterForExtraction(2), nullptr);
  EXPECT_EQ(GetConverterForExtraction(3), nullptr);  // alias of 2
  EXPECT_EQ(GetConverterForExtraction(31), nullptr);
  EXPECT_EQ(GetConverterForExtraction(32), nullptr);
  EXPECT_EQ(GetConverterForExtraction(0xFFFF), nullptr);
  EXPECT_EQ(GetConverterForExtraction(-1), nullptr);
  const YdConverterRecord* record = FindConverterRecord(1);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->name, u"ZIP");
  EXPECT_EQ(FindConverterRecord(2), FindConverterRecord(3));
  // Every request makes a new converter.
  EXPECT_NE(GetConverterForExtraction(1), zip);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
