// hostile_archives.cpp -- the crafted archives.
#include "tests/archive/hostile_archives.h"

#include "archive/archive_writer.h"
#include "tests/archive/archive_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace testing_util {
namespace {

std::vector<uint8_t> OneFile(const std::u16string& name) {
  YdArchiveWriter writer;
  writer.AddFile(writer.Root(), u"ok.txt", 0x20, {}, Bytes("fine"), 1, 6);
  writer.AddFile(writer.Root(), name, 0x20, {}, Bytes("evil"), 1, 6);
  return writer.Finish();
}

std::vector<uint8_t> OneDirectory(const std::u16string& name) {
  YdArchiveWriter writer;
  YdTocNode& dir = writer.AddDirectory(writer.Root(), name, 0x10, {});
  writer.AddFile(dir, u"inside.txt", 0x20, {}, Bytes("evil"), 0, 0);
  return writer.Finish();
}

std::vector<uint8_t> Stream(const std::vector<uint8_t>& content) {
  std::vector<uint8_t> stored;
  EncodeEntry(content, 1, 6, stored);
  return stored;
}

std::vector<uint8_t> StoredFile(const std::vector<uint8_t>& stored, uint64_t decoded, int converter, int type = 1) {
  YdArchiveWriter writer;
  writer.AddStoredEntry(writer.Root(), type, u"f.bin", 0x20, {}, stored, decoded, converter);
  return writer.Finish();
}

// A root with one file record whose range is [offset, offset + size).
std::vector<uint8_t> RangeFile(uint64_t offset, uint64_t size, size_t data_bytes) {
  const std::vector<uint8_t> table = Concat({Record(0, u"", 1), Record(1, u"f", 0, offset, size, 0)});
  return WrapTable(table, 1, std::vector<uint8_t>(data_bytes, 'x'));
}

std::vector<uint8_t> Nested(int depth) {
  YdArchiveWriter writer;
  YdTocNode* node = &writer.Root();
  for (int i = 0; i < depth; ++i) node = &writer.AddDirectory(*node, u"d", 0x10, {});
  writer.AddFile(*node, u"leaf", 0x20, {}, Bytes("leaf"), 0, 0);
  return writer.Finish();
}

}  // namespace

std::vector<HostileArchive> MakeHostileArchives() {
  using O = HostileOutcome;
  std::vector<HostileArchive> out;
  auto add = [&](std::string name, std::vector<uint8_t> bytes, O outcome) {
    out.push_back({std::move(name), std::move(bytes), outcome});
  };

  // Names that would leave the target, name a device or a stream, or that
  // Windows would silently change.
  const std::vector<std::pair<std::string, std::u16string>> names = {
      {"dotdot", u".."}, {"dot", u"."}, {"empty", u""}, {"slash-dotdot", u"../evil"},
      {"backslash-dotdot", u"..\\evil"}, {"inner-dotdot", u"a/../../evil"}, {"absolute-posix", u"/tmp/evil"},
      {"absolute-root", u"\\evil"}, {"drive-relative", u"C:evil"}, {"drive-absolute", u"C:\\evil"},
      {"unc", u"\\\\server\\share\\evil"}, {"device-path", u"\\\\.\\PhysicalDrive0"}, {"stream", u"evil:stream"},
      {"con", u"CON"}, {"con-ext", u"con.txt"}, {"con-blank-ext", u"CON .txt"}, {"nul", u"nul"},
      {"aux-ext", u"Aux.log"}, {"prn", u"PRN"}, {"com1", u"COM1"}, {"lpt9-ext", u"lpt9.txt"},
      {"trailing-dot", u"evil."}, {"trailing-blank", u"evil "}, {"control-char", u"a\x01" u"b"},
      {"newline", u"a\nb"}, {"dotdot-slash", u"../"},
  };
  for (const auto& [label, name] : names) add("name-file-" + label, OneFile(name), O::kRejectedAtOpen);
  for (const char* label : {"dotdot", "absolute-posix", "drive-absolute", "con", "backslash-dotdot"}) {
    for (const auto& [l, name] : names) {
      if (l == label) add(std::string("name-dir-") + label, OneDirectory(name), O::kRejectedAtOpen);
    }
  }

  // Broken tables.
  const std::vector<uint8_t> sample = [] {
    YdArchiveWriter writer;
    YdTocNode& d = writer.AddDirectory(writer.Root(), u"dir", 0x10, {});
    writer.AddFile(d, u"a.txt", 0x20, {}, Bytes("hello"), 1, 6);
    return writer.Finish();
  }();
  for (size_t cut : {9u, 20u, 70u}) {
    std::vector<uint8_t> truncated(sample.begin(), sample.begin() + cut);
    add("table-truncated-" + std::to_string(cut), truncated, O::kRejectedAtOpen);
  }
  add("table-length-huge", [&] { auto b = sample; b[7] = 0x7F; return b; }(), O::kRejectedAtOpen);
  add("table-length-short", [&] { auto b = sample; b[4] = static_cast<uint8_t>(b[4] - 1); return b; }(),
      O::kRejectedAtOpen);
  add("children-overrun", WrapTable(Concat({Record(0, u"", 5), Record(1, u"f")})), O::kRejectedAtOpen);
  add("children-max", WrapTable(Concat({Record(0, u"", 0xFFFFFF), Record(0, u"d", 0xFFFFFF)})),
      O::kRejectedAtOpen);
  add("odd-name-length", [] {
    auto table = Concat({Record(0, u"", 1), Record(1, u"ab")});
    table[62 + 8] = 3;  // name length of the child: 3 bytes
    return WrapTable(table);
  }(), O::kRejectedAtOpen);
  add("root-file-trailing", [&] { auto b = sample; b[8] = 1; return b; }(), O::kRejectedAtOpen);
  add("version-2", [&] { auto b = sample; b[3] = 2; return b; }(), O::kRejectedAtOpen);
  add("version-255", [&] { auto b = sample; b[3] = 255; return b; }(), O::kRejectedAtOpen);
  add("short-header", Bytes("YDZ\x01\x00"), O::kRejectedAtOpen);
  add("inline-4097", WrapTable(Concat({Record(0, u"", 1), [] {
        YdTocNode n;
        n.type = kTocInline;
        n.name = u"i";
        n.inlineData.SetCapacity(4097);
        n.inlineData.SetLength(4097);
        std::vector<uint8_t> r;
        AppendTocRecord(r, n);
        return r;
      }()})), O::kRejectedAtOpen);
  add("nesting-65", Nested(65), O::kRejectedAtOpen);
  add("nesting-64", Nested(63), O::kExtracts);

  // Ranges.
  add("range-past-end", RangeFile(8 + 62 + 64, 100, 10), O::kRejectedAtOpen);
  add("range-offset-past-end", RangeFile(1u << 30, 1, 10), O::kRejectedAtOpen);
  add("range-overflow", RangeFile(UINT64_MAX - 4, 10, 10), O::kRejectedAtOpen);
  add("range-empty-offset-huge", RangeFile(UINT64_MAX, 0, 0), O::kExtracts);  // never added to the base
  add("range-into-table", RangeFile(0, 40, 0), O::kExtracts);  // reads the header as file bytes: harmless
  add("range-overlapping", [] {
    const uint64_t data = 8 + 62 + 2 * 64;
    auto table = Concat({Record(0, u"", 2), Record(1, u"a", 0, data, 4, 0), Record(1, u"b", 0, data + 2, 4, 0)});
    return WrapTable(table, 1, Bytes("abcdef"));
  }(), O::kExtracts);

  // Streams.
  const std::vector<uint8_t> content = PatternBytes(100000, 11);
  const std::vector<uint8_t> stream = Stream(content);
  add("zlib-corrupt-trailer", StoredFile([&] { auto s = stream; s.back() ^= 1; return s; }(), content.size(), 1),
      O::kFails);
  add("zlib-corrupt-middle", StoredFile([&] { auto s = stream; s[s.size() / 2] ^= 0xFF; return s; }(),
                                        content.size(), 1), O::kFails);
  add("zlib-truncated", StoredFile({stream.begin(), stream.begin() + stream.size() / 3}, content.size(), 1),
      O::kFails);
  add("zlib-trailing-bytes", StoredFile([&] { auto s = stream; s.push_back(7); return s; }(), content.size(), 1),
      O::kFails);
  add("zlib-not-a-stream", StoredFile(Bytes("plain text, not zlib"), 20, 1), O::kFails);
  add("decoded-size-larger", StoredFile(stream, content.size() * 10, 1), O::kExtracts);
  add("decoded-size-smaller", StoredFile(stream, 1, 1), O::kExtracts);
  add("zlib-bomb-size-lie", StoredFile(Stream(std::vector<uint8_t>(8 << 20, 0)), 16, 1), O::kExtracts);
  add("converter-2", StoredFile(Bytes("abc"), 3, 2), O::kFails);
  add("converter-3", StoredFile(Bytes("abc"), 3, 3), O::kFails);
  add("converter-65535", StoredFile(Bytes("abc"), 3, 65535), O::kFails);
  add("type-7", StoredFile(Bytes("abc"), 3, 0, 7), O::kExtracts);
  add("type-2-accounted", StoredFile(stream, content.size(), 1, 2), O::kExtracts);
  add("attributes-all-bits", [] {
    YdArchiveWriter writer;
    writer.AddFile(writer.Root(), u"f", 0xFFFFFFFFu & ~0x10u, {}, Bytes("x"), 0, 0);
    return writer.Finish();
  }(), O::kExtracts);

  // Names that collide inside the archive.
  add("file-then-directory", [] {
    YdArchiveWriter writer;
    writer.AddFile(writer.Root(), u"same", 0x20, {}, Bytes("x"), 0, 0);
    writer.AddDirectory(writer.Root(), u"same", 0x10, {});
    return writer.Finish();
  }(), O::kFails);
  add("directory-then-file", [] {
    YdArchiveWriter writer;
    writer.AddDirectory(writer.Root(), u"same", 0x10, {});
    writer.AddFile(writer.Root(), u"same", 0x20, {}, Bytes("x"), 0, 0);
    return writer.Finish();
  }(), O::kFails);
  return out;
}

}  // namespace testing_util
}  // namespace ZEPHYRA_NAMESPACE
