// toc_reader.cpp -- YDZ header and table-of-contents parser.
#include "archive/toc_reader.h"

#include <cstring>

#include "archive/byte_order.h"
#include "archive/ydz_format.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Cursor over the table that refuses every read past its end.
class TableCursor {
 public:
  TableCursor(const uint8_t* table, size_t length, size_t& cursor)
      : table_(table), length_(length), cursor_(cursor) {}

  bool Has(size_t count) const { return cursor_ <= length_ && count <= length_ - cursor_; }
  bool U8(uint8_t& out) { return Read(1) && (out = table_[cursor_ - 1], true); }
  bool U32(uint32_t& out) { return Read(4) && (out = LoadLe32(table_ + cursor_ - 4), true); }
  bool U64(uint64_t& out) { return Read(8) && (out = LoadLe64(table_ + cursor_ - 8), true); }
  bool U16(uint16_t& out) { return Read(2) && (out = LoadLe16(table_ + cursor_ - 2), true); }
  bool Skip(size_t count) { return Read(count); }
  const uint8_t* Here() const { return table_ + cursor_; }

  bool Name(uint32_t byte_length, std::u16string& out) {
    if (byte_length % 2 != 0 || !Has(byte_length)) return false;
    out.resize(byte_length / 2);
    for (size_t i = 0; i < out.size(); ++i) out[i] = LoadLe16(table_ + cursor_ + 2 * i);
    cursor_ += byte_length;
    return true;
  }

 private:
  bool Read(size_t count) {
    if (!Has(count)) return false;
    cursor_ += count;
    return true;
  }
  const uint8_t* table_;
  size_t length_;
  size_t& cursor_;
};

bool RangeInsideArchive(uint64_t offset, uint64_t size, uint64_t archive_size) {
  return offset <= archive_size && size <= archive_size - offset;
}

bool EqualsIgnoreCaseAscii(const std::u16string& text, const char* word) {
  const size_t n = std::strlen(word);
  if (text.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    char16_t c = text[i];
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    if (c != static_cast<unsigned char>(word[i])) return false;
  }
  return true;
}

bool IsReservedDeviceName(const std::u16string& name) {
  // The device name counts with or without an extension ("nul.txt"), and
  // Windows ignores blanks before the extension ("CON .log").
  std::u16string stem = name.substr(0, name.find(u'.'));
  while (!stem.empty() && stem.back() == u' ') stem.pop_back();
  static const char* const kPlain[] = {"CON", "PRN", "AUX", "NUL"};
  for (const char* word : kPlain) {
    if (EqualsIgnoreCaseAscii(stem, word)) return true;
  }
  if (stem.size() == 4 && stem[3] >= u'1' && stem[3] <= u'9') {
    const std::u16string prefix = stem.substr(0, 3);
    if (EqualsIgnoreCaseAscii(prefix, "COM") || EqualsIgnoreCaseAscii(prefix, "LPT")) return true;
  }
  return false;
}

}  // namespace

int TocReadResult::FormatDetail() const {
  switch (status) {
    case TocStatus::kUnsupportedVersion: return kDetailUnsupportedVersion;
    case TocStatus::kInvalidTable: return kDetailInvalidTable;
    default: return 0;
  }
}

bool IsSafeEntryName(const std::u16string& name) {
  if (name.empty() || name == u"." || name == u"..") return false;
  for (char16_t c : name) {
    if (c < 0x20 || c == u'\\' || c == u'/' || c == u':') return false;
  }
  if (name.back() == u'.' || name.back() == u' ') return false;
  return !IsReservedDeviceName(name);
}

bool ParseTocRecord(const uint8_t* table, size_t table_length, size_t& cursor,
                    YdTocNode& node, uint64_t archive_size, int depth) {
  TableCursor in(table, table_length, cursor);
  const bool is_root = depth == 0;
  uint8_t type = 0;
  if (!in.U8(type)) return false;
  node.type = type;

  if (type == kTocInline) {
    uint32_t name_length = 0, data_length = 0;
    if (!in.Skip(3) || !in.U32(name_length) || !in.Name(name_length, node.name)) return false;
    if (!in.U32(data_length) || data_length > kInlineMaxData || !in.Has(data_length)) return false;
    if (!node.inlineData.SetCapacity(data_length)) return false;
    if (data_length != 0) std::memcpy(node.inlineData.Data(), in.Here(), data_length);
    node.inlineData.SetLength(data_length);
    in.Skip(data_length);
    node.decodedSize = node.storedSize = 0;
    return is_root || IsSafeEntryName(node.name);
  }

  if (!in.Has(3)) return false;
  const uint32_t child_count = (uint32_t{in.Here()[0]} << 16) | (uint32_t{in.Here()[1]} << 8) | in.Here()[2];
  in.Skip(3);
  uint32_t name_length = 0;
  if (!in.U32(node.attributes) || !in.U32(name_length) || !in.Name(name_length, node.name)) return false;
  if (!in.U64(node.creationTime) || !in.U64(node.lastAccessTime) || !in.U64(node.lastWriteTime) ||
      !in.U64(node.decodedSize) || !in.U16(node.converter) || !in.U64(node.dataOffset) ||
      !in.U64(node.storedSize)) {
    return false;
  }
  if (!is_root && !IsSafeEntryName(node.name)) return false;
  if (node.storedSize != 0 && !RangeInsideArchive(node.dataOffset, node.storedSize, archive_size)) {
    return false;
  }
  if (type != kTocDirectory) return true;  // only directories have children
  if (child_count != 0 && depth >= kMaxTocDepth) return false;

  for (uint32_t i = 0; i < child_count; ++i) {
    // Not make_shared: built without RTTI (the shipped setup), make_shared
    // links the C++ library's exception runtime through its deleter lookup.
    std::shared_ptr<YdTocNode> child(new YdTocNode());
    child->parent = &node;
    if (!ParseTocRecord(table, table_length, cursor, *child, archive_size, depth + 1)) return false;
    node.children.push_back(std::move(child));
  }
  return true;
}

TocReadResult ReadArchiveToc(const uint8_t* data, uint64_t size, YdTocNode& root) {
  TocReadResult result;
  root = YdTocNode{};
  if (data == nullptr || size < kYdzHeaderSize) {
    result.status = TocStatus::kTooShort;
    return result;
  }
  // The version is the top byte of the first little-endian word; the three
  // letters before it are not compared.
  result.version = static_cast<uint8_t>(LoadLe32(data) >> 24);
  if (result.version > kYdzMaxVersion) {
    result.status = TocStatus::kUnsupportedVersion;
    return result;
  }
  const uint32_t table_length = LoadLe32(data + 4);
  if (table_length > size - kYdzHeaderSize) {
    result.status = TocStatus::kTableTruncated;
    return result;
  }
  size_t cursor = 0;
  const bool parsed = ParseTocRecord(data + kYdzHeaderSize, table_length, cursor, root, size, 0);
  if (!parsed || cursor != table_length) {
    root = YdTocNode{};
    result.status = TocStatus::kInvalidTable;
    return result;
  }
  result.status = TocStatus::kOk;
  result.totalStoredSize = root.TotalStoredSize();
  return result;
}

}  // namespace ZEPHYRA_NAMESPACE
