// archive_writer.cpp -- builds YDZ archives in memory.
#include "archive/archive_writer.h"

#include <cstring>
#include <unordered_map>

#include "archive/byte_order.h"
#include "archive/codec/converter_registry.h"
#include "archive/ydz_format.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

void AppendName(std::vector<uint8_t>& out, const std::u16string& name) {
  for (char16_t c : name) AppendLe(out, c, 2);
}

template <typename Visit>
void PreOrder(const YdTocNode& node, Visit& visit) {
  visit(node);
  if (node.type != kTocDirectory) return;
  for (const auto& child : node.children) PreOrder(*child, visit);
}

template <typename Visit>
void PreOrderMutable(YdTocNode& node, Visit& visit) {
  visit(node);
  if (node.type != kTocDirectory) return;
  for (auto& child : node.children) PreOrderMutable(*child, visit);
}

}  // namespace

uint64_t TocRecordSize(const YdTocNode& node) {
  if (node.type == kTocInline) return kInlineHeadSize + node.name.size() * 2 + 4 + node.inlineData.Length();
  return kEntryHeadSize + node.name.size() * 2 + kEntryTailSize;
}

void AppendTocRecord(std::vector<uint8_t>& out, const YdTocNode& node) {
  out.push_back(static_cast<uint8_t>(node.type));
  if (node.type == kTocInline) {
    AppendLe(out, 0, 3);
    AppendLe(out, node.name.size() * 2, 4);
    AppendName(out, node.name);
    AppendLe(out, node.inlineData.Length(), 4);
    out.insert(out.end(), node.inlineData.Data(), node.inlineData.Data() + node.inlineData.Length());
    return;
  }
  const uint32_t children = node.type == kTocDirectory ? static_cast<uint32_t>(node.children.size()) : 0;
  out.push_back(static_cast<uint8_t>(children >> 16));
  out.push_back(static_cast<uint8_t>(children >> 8));
  out.push_back(static_cast<uint8_t>(children));
  AppendLe(out, node.attributes, 4);
  AppendLe(out, node.name.size() * 2, 4);
  AppendName(out, node.name);
  AppendLe(out, node.creationTime, 8);
  AppendLe(out, node.lastAccessTime, 8);
  AppendLe(out, node.lastWriteTime, 8);
  AppendLe(out, node.decodedSize, 8);
  AppendLe(out, node.converter, 2);
  AppendLe(out, node.dataOffset, 8);
  AppendLe(out, node.storedSize, 8);
}

bool EncodeEntry(const std::vector<uint8_t>& content, int converter, int level, std::vector<uint8_t>& stored) {
  stored.clear();
  auto encoder = GetConverterForPacking(converter, &level);
  if (!encoder || !encoder->Reset()) return false;
  auto drain = [&] {
    uint32_t waiting = 0;
    const uint8_t* bytes = encoder->PeekOutput(&waiting);
    stored.insert(stored.end(), bytes, bytes + waiting);
    encoder->ClearOutput();
    return waiting;
  };
  size_t position = 0;
  while (position < content.size()) {
    const size_t left = content.size() - position;
    const uint32_t piece = left > 0x80000 ? 0x80000u : static_cast<uint32_t>(left);
    uint32_t consumed = 0;
    if (!encoder->Feed(content.data() + position, piece, &consumed, false)) return false;
    position += consumed;
    drain();
  }
  if (converter == kConverterStored) return true;
  // Finish until zlib reports the end of the stream and nothing more comes.
  for (;;) {
    if (!encoder->Finish()) return false;
    const uint32_t produced = drain();
    if (produced == 0) break;
  }
  return true;
}

YdArchiveWriter::YdArchiveWriter() { root_.type = kTocDirectory; }

YdTocNode& YdArchiveWriter::Append(YdTocNode& parent) {
  auto child = std::make_shared<YdTocNode>();
  child->parent = &parent;
  parent.children.push_back(child);
  return *child;
}

YdTocNode& YdArchiveWriter::AddDirectory(YdTocNode& parent, const std::u16string& name, uint32_t attributes,
                                         const YdEntryTimes& times) {
  YdTocNode& node = Append(parent);
  node.type = kTocDirectory;
  node.name = name;
  node.attributes = attributes;
  node.creationTime = times.creation;
  node.lastAccessTime = times.lastAccess;
  node.lastWriteTime = times.lastWrite;
  return node;
}

YdTocNode* YdArchiveWriter::AddFile(YdTocNode& parent, const std::u16string& name, uint32_t attributes,
                                    const YdEntryTimes& times, const std::vector<uint8_t>& content, int converter,
                                    int level) {
  std::vector<uint8_t> stored;
  if (!EncodeEntry(content, converter, level, stored)) return nullptr;
  return &AddStoredEntry(parent, kTocFile, name, attributes, times, std::move(stored), content.size(), converter);
}

YdTocNode& YdArchiveWriter::AddStoredEntry(YdTocNode& parent, int type, const std::u16string& name,
                                           uint32_t attributes, const YdEntryTimes& times,
                                           std::vector<uint8_t> stored, uint64_t decoded_size, int converter) {
  YdTocNode& node = AddDirectory(parent, name, attributes, times);
  node.type = type;
  node.decodedSize = decoded_size;
  node.converter = static_cast<uint16_t>(converter);
  node.storedSize = stored.size();
  stored_.emplace_back(&node, std::move(stored));
  return node;
}

YdTocNode& YdArchiveWriter::AddInline(YdTocNode& parent, const std::u16string& name,
                                      const std::vector<uint8_t>& data) {
  YdTocNode& node = Append(parent);
  node.type = kTocInline;
  node.name = name;
  node.inlineData.SetCapacity(static_cast<uint32_t>(data.size()));
  if (!data.empty()) std::memcpy(node.inlineData.Data(), data.data(), data.size());
  node.inlineData.SetLength(static_cast<uint32_t>(data.size()));
  return node;
}

std::vector<uint8_t> YdArchiveWriter::Finish(uint8_t version) {
  std::unordered_map<const YdTocNode*, const std::vector<uint8_t>*> data_of;
  for (const auto& [node, bytes] : stored_) data_of[node] = &bytes;

  uint64_t table_length = 0;
  auto measure = [&](const YdTocNode& node) { table_length += TocRecordSize(node); };
  PreOrder(root_, measure);

  // Data follows the table, entry by entry in table order.
  uint64_t offset = kYdzHeaderSize + table_length;
  auto place = [&](YdTocNode& node) {
    auto it = data_of.find(&node);
    if (it == data_of.end()) return;
    node.dataOffset = it->second->empty() ? 0 : offset;
    offset += it->second->size();
  };
  PreOrderMutable(root_, place);

  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(offset));
  out.insert(out.end(), {'Y', 'D', 'Z', version});
  AppendLe(out, table_length, 4);
  auto serialise = [&](const YdTocNode& node) { AppendTocRecord(out, node); };
  PreOrder(root_, serialise);
  auto append_data = [&](const YdTocNode& node) {
    auto it = data_of.find(&node);
    if (it != data_of.end()) out.insert(out.end(), it->second->begin(), it->second->end());
  };
  PreOrder(root_, append_data);
  return out;
}

}  // namespace ZEPHYRA_NAMESPACE
