// entry_verifier.cpp -- decoding every entry into a counter.
#include "archive/entry_verifier.h"

#include <map>
#include <memory>

#include "archive/codec/converter_registry.h"
#include "archive/entry_decoder.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

class CountingSink : public YdDecodeSink {
 public:
  explicit CountingSink(uint64_t limit) : limit_(limit) {}
  bool BeforePiece(uint64_t) override { return true; }
  WriteAnswer Write(const uint8_t*, uint32_t length) override {
    count_ += length;
    if (count_ > limit_) {
      over_limit_ = true;
      return WriteAnswer::kAbort;
    }
    return WriteAnswer::kWritten;
  }
  uint64_t count() const { return count_; }
  bool over_limit() const { return over_limit_; }

 private:
  uint64_t limit_;
  uint64_t count_ = 0;
  bool over_limit_ = false;
};

class Verifier {
 public:
  Verifier(const uint8_t* archive, uint64_t decoded_limit) : archive_(archive), decoded_limit_(decoded_limit) {}

  void Visit(const YdTocNode& node, const std::u16string& prefix) {
    for (const auto& child : node.children) {
      const std::u16string path = prefix.empty() ? child->name : prefix + u"\\" + child->name;
      if (child->type == kTocDirectory) Visit(*child, path);
      if (child->type == kTocFile) Check(*child, path);
    }
  }

  std::vector<YdEntryProblem> problems;

 private:
  void Check(const YdTocNode& node, const std::u16string& path) {
    YdEntryProblem problem;
    problem.path = path;
    problem.converter = node.converter;
    problem.expected = node.decodedSize;
    std::shared_ptr<YdCompressConverter>& converter = converters_[node.converter];
    if (!converter) converter = GetConverterForExtraction(node.converter);
    if (!converter || !converter->Reset()) {
      problem.fault = YdEntryFault::kNoConverter;
      problems.push_back(problem);
      return;
    }
    const uint64_t limit =
        node.decodedSize > UINT64_MAX - decoded_limit_ ? UINT64_MAX : node.decodedSize + decoded_limit_;
    CountingSink sink(limit);
    // An empty entry's offset is unchecked: add it only when bytes are read.
    const uint8_t* stored = archive_ + (node.storedSize != 0 ? node.dataOffset : 0);
    const YdDecodeOutcome outcome =
        DecodeStoredBytes(stored, node.storedSize, node.decodedSize, *converter, sink);
    problem.decoded = sink.count();
    if (outcome == YdDecodeOutcome::kComplete && sink.count() == node.decodedSize) return;
    problem.fault = (outcome == YdDecodeOutcome::kComplete || sink.over_limit()) ? YdEntryFault::kSizeMismatch
                                                                                : YdEntryFault::kStreamError;
    problems.push_back(problem);
  }

  const uint8_t* archive_;
  uint64_t decoded_limit_;
  std::map<int, std::shared_ptr<YdCompressConverter>> converters_;
};

}  // namespace

std::vector<YdEntryProblem> VerifyArchiveEntries(const uint8_t* archive, const YdTocNode& root,
                                                 uint64_t decoded_limit) {
  Verifier verifier(archive, decoded_limit);
  verifier.Visit(root, u"");
  return std::move(verifier.problems);
}

const char* EntryFaultText(YdEntryFault fault) {
  switch (fault) {
    case YdEntryFault::kNoConverter: return "no converter for identifier";
    case YdEntryFault::kStreamError: return "corrupt or truncated stream";
    case YdEntryFault::kSizeMismatch: return "decoded size differs from the recorded size";
  }
  return "?";
}

}  // namespace ZEPHYRA_NAMESPACE
