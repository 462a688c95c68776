// The unpacker's decode loop, progress arithmetic and error flow, run
// against the in-memory file system (the same code the setup runs).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <thread>

#include "archive/memory_file_system.h"
#include "archive/progress_math.h"
#include "archive/res_unpacker.h"
#include "tests/archive/unpack_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_util;

std::u16string P(std::initializer_list<const char16_t*> parts) {
  std::u16string out = u"T";
  for (const char16_t* part : parts) out += kYdPathSeparator + std::u16string(part);
  return out;
}

struct Fixture {
  explicit Fixture(std::vector<uint8_t> bytes = SampleArchive()) : archive(std::move(bytes)), fs(1 << 20) {
    unpacker.SetProgress(&progress);
  }
  bool OpenAndUnpack() { return unpacker.OpenMemory(archive.data(), archive.size()) && unpacker.Unpack(u"T"); }

  std::vector<uint8_t> archive;
  YdMemoryFileSystem fs;
  RecordingProgress progress;
  YdResUnpacker unpacker{&fs};
};

TEST(Unpacker, WritesTreeWithContentAttributesAndTimes) {
  Fixture f;
  ASSERT_TRUE(f.OpenAndUnpack());
  const auto* tool = f.fs.Find(P({u"bin", u"tool.exe"}));
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tool->content, PatternBytes(700000, 7));
  EXPECT_EQ(tool->attributes, 0x20u);
  EXPECT_EQ(tool->times.creation, SampleTimes(3).creation);
  EXPECT_EQ(tool->times.lastAccess, SampleTimes(3).lastAccess);
  EXPECT_EQ(tool->times.lastWrite, SampleTimes(3).lastWrite);
  EXPECT_EQ(f.fs.Find(P({u"bin", u"lib", u"x.dll"}))->content, PatternBytes(3000, 9));
  EXPECT_EQ(f.fs.Find(P({u"a.txt"}))->content, Bytes("alpha file\n"));
  EXPECT_EQ(f.fs.Find(P({u"readme.txt"}))->attributes, 0x21u);
  const auto* empty = f.fs.Find(P({u"bin", u"empty.dat"}));
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->kind, YdPathKind::kFile);
  EXPECT_EQ(empty->size, 0u);
  EXPECT_EQ(empty->times.lastWrite, SampleTimes(4).lastWrite);
  const auto* lib = f.fs.Find(P({u"bin", u"lib"}));
  ASSERT_NE(lib, nullptr);
  EXPECT_EQ(lib->kind, YdPathKind::kDirectory);
  EXPECT_EQ(lib->times.lastWrite, SampleTimes(5).lastWrite);
  EXPECT_EQ(f.fs.open_files(), 0);
  EXPECT_EQ(f.unpacker.ProcessedStoredSize(), f.unpacker.TotalStoredSize());
  EXPECT_EQ(f.unpacker.Root().children[1]->children[0]->fullPath, P({u"bin", u"tool.exe"}));
}

TEST(Unpacker, CallOrderAndPercentagesOfStoredBytes) {
  Fixture f;
  ASSERT_TRUE(f.OpenAndUnpack());
  const std::vector<std::string> expected = {
      "begin", "enter a.txt", "leave a.txt", "enter bin", "enter tool.exe", "leave tool.exe",
      "enter empty.dat", "leave empty.dat", "enter lib", "enter x.dll", "leave x.dll", "leave lib",
      "leave bin", "enter readme.txt", "leave readme.txt", "finished"};
  EXPECT_EQ(f.progress.events, expected);
  double previous = 0;
  for (const auto& [overall, entry] : f.progress.percents) {
    EXPECT_GE(overall, previous);
    EXPECT_GE(entry, 0.0);
    EXPECT_LE(entry, 100.0);
    previous = overall;
  }
  // The last report is the last piece of readme.txt: everything stored.
  EXPECT_DOUBLE_EQ(f.progress.percents.back().first, 100.0);
  EXPECT_DOUBLE_EQ(f.progress.percents.back().second, 100.0);
  // The first report is a.txt at 0 of its stored bytes.
  EXPECT_DOUBLE_EQ(f.progress.percents.front().first, 0.0);
  EXPECT_DOUBLE_EQ(f.progress.percents.front().second, 0.0);
}

TEST(Unpacker, PiecesOf512KiBAreReportedAtTheirEnd) {
  YdArchiveWriter writer;
  writer.AddFile(writer.Root(), u"big.bin", 0x20, SampleTimes(1), PatternBytes(1200000, 3), 0, 0);
  Fixture f(writer.Finish());
  ASSERT_TRUE(f.OpenAndUnpack());
  // Entry start, then the ends of pieces 524288, 1048576 and 1200000.
  ASSERT_EQ(f.progress.percents.size(), 4u);
  EXPECT_DOUBLE_EQ(f.progress.percents[1].second, 524288 * 100.0 / 1200000);
  EXPECT_DOUBLE_EQ(f.progress.percents[2].second, 1048576 * 100.0 / 1200000);
  EXPECT_DOUBLE_EQ(f.progress.percents[3].second, 100.0);
  EXPECT_EQ(f.fs.Find(P({u"big.bin"}))->size, 1200000u);
}

TEST(Unpacker, EmptyEntryReportsHundredAndTotalZeroReportsHundredOverall) {
  YdArchiveWriter writer;
  YdTocNode& dir = writer.AddDirectory(writer.Root(), u"d", 0x10, SampleTimes(1));
  writer.AddFile(dir, u"e1", 0x22, SampleTimes(2), {}, 0, 0);
  writer.AddFile(dir, u"e2", 0x20, SampleTimes(3), {}, 0, 0);
  Fixture f(writer.Finish());
  ASSERT_TRUE(f.OpenAndUnpack());
  EXPECT_EQ(f.unpacker.TotalStoredSize(), 0u);
  ASSERT_EQ(f.progress.percents.size(), 3u);  // d, e1, e2
  for (const auto& [overall, entry] : f.progress.percents) {
    EXPECT_DOUBLE_EQ(overall, 100.0);
    EXPECT_DOUBLE_EQ(entry, 100.0);
  }
  const auto* e1 = f.fs.Find(P({u"d", u"e1"}));
  ASSERT_NE(e1, nullptr);
  EXPECT_EQ(e1->size, 0u);
  EXPECT_EQ(e1->attributes, 0x22u);
  EXPECT_EQ(e1->times.creation, SampleTimes(2).creation);
}

TEST(Unpacker, TargetThatIsAFileFailsAtOnceWith183) {
  Fixture f;
  f.fs.Put(u"T", YdPathKind::kFile);
  ASSERT_TRUE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
  f.progress.answer = true;  // the answer does not matter
  EXPECT_FALSE(f.unpacker.Unpack(u"T"));
  ASSERT_EQ(f.progress.errors.size(), 1u);
  EXPECT_EQ(f.progress.errors[0].code, kErrTargetOrWrite);
  EXPECT_EQ(f.progress.errors[0].path, u"T");
  EXPECT_EQ(f.progress.errors[0].systemError, 183);
  EXPECT_EQ(f.fs.nodes().size(), 1u);
}

TEST(Unpacker, MissingTargetIsCreatedWithItsParents) {
  Fixture f;
  ASSERT_TRUE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
  const std::u16string sep(1, kYdPathSeparator);
  const std::u16string target = u"A" + sep + u"B" + sep + u"C";
  ASSERT_TRUE(f.unpacker.Unpack(target + sep));
  EXPECT_EQ(f.fs.Probe(u"A" + sep + u"B"), YdPathKind::kDirectory);
  EXPECT_NE(f.fs.Find(target + sep + u"a.txt"), nullptr);
  EXPECT_TRUE(f.progress.errors.empty());
}

TEST(Unpacker, FileThatCannotBeDeletedStopsWith10000004) {
  Fixture f;
  f.fs.Put(u"T", YdPathKind::kDirectory);
  f.fs.Put(P({u"a.txt"}), YdPathKind::kFile, 0x01);
  f.fs.FailRemove(P({u"a.txt"}), 32);
  EXPECT_FALSE(f.OpenAndUnpack());
  ASSERT_EQ(f.progress.errors.size(), 1u);
  EXPECT_EQ(f.progress.errors[0].code, kErrDeleteFile);
  EXPECT_EQ(f.progress.errors[0].path, P({u"a.txt"}));
  EXPECT_EQ(f.progress.errors[0].systemError, 32);
  EXPECT_FALSE(f.progress.Saw("leave a.txt"));
  EXPECT_EQ(f.fs.Find(P({u"bin"})), nullptr);  // stopped before the next entry
}

TEST(Unpacker, ContinueAnswerLeavesTheEntryOutButGoesOn) {
  Fixture f;
  f.fs.Put(u"T", YdPathKind::kDirectory);
  f.fs.Put(P({u"a.txt"}), YdPathKind::kFile);
  f.fs.FailRemove(P({u"a.txt"}), 32);
  f.progress.answer = true;
  EXPECT_TRUE(f.OpenAndUnpack());
  EXPECT_FALSE(f.progress.Saw("leave a.txt"));
  EXPECT_NE(f.fs.Find(P({u"readme.txt"})), nullptr);
  EXPECT_LT(f.unpacker.ProcessedStoredSize(), f.unpacker.TotalStoredSize());
}

TEST(Unpacker, ReadOnlyExistingFileIsReplaced) {
  Fixture f;
  f.fs.Put(u"T", YdPathKind::kDirectory);
  f.fs.Put(P({u"readme.txt"}), YdPathKind::kFile, 0x01);
  ASSERT_TRUE(f.OpenAndUnpack());
  EXPECT_EQ(f.fs.Find(P({u"readme.txt"}))->content, Bytes("read me\n"));
}

TEST(Unpacker, CreateAndWriteFailuresReportCodePathAndError) {
  {
    Fixture f;
    f.fs.FailCreate(P({u"bin", u"tool.exe"}), 5);
    EXPECT_FALSE(f.OpenAndUnpack());
    ASSERT_EQ(f.progress.errors.size(), 1u);
    EXPECT_EQ(f.progress.errors[0].code, kErrCreateFile);
    EXPECT_EQ(f.progress.errors[0].path, P({u"bin", u"tool.exe"}));
    EXPECT_EQ(f.progress.errors[0].systemError, 5);
    EXPECT_FALSE(f.progress.Saw("leave bin"));
  }
  {
    Fixture f;
    f.fs.FailWrite(P({u"bin", u"tool.exe"}), 1000, 112);
    EXPECT_FALSE(f.OpenAndUnpack());
    ASSERT_EQ(f.progress.errors.size(), 1u);
    EXPECT_EQ(f.progress.errors[0].code, kErrTargetOrWrite);
    EXPECT_EQ(f.progress.errors[0].systemError, 112);
    EXPECT_EQ(f.fs.open_files(), 0);
    EXPECT_FALSE(f.progress.Saw("leave tool.exe"));
  }
  {
    // Continue after a write failure: the file keeps what was written and
    // counts as finished.
    Fixture f;
    f.fs.FailWrite(P({u"bin", u"tool.exe"}), 1000, 112);
    f.progress.answer = true;
    EXPECT_TRUE(f.OpenAndUnpack());
    EXPECT_TRUE(f.progress.Saw("leave tool.exe"));
    EXPECT_LE(f.fs.Find(P({u"bin", u"tool.exe"}))->size, 1000u);
    EXPECT_EQ(f.fs.Find(P({u"bin", u"tool.exe"}))->times.lastWrite, SampleTimes(3).lastWrite);
  }
}

TEST(Unpacker, ContinueOnErrorPassesFailuresOverSilently) {
  Fixture f;
  f.unpacker.SetContinueOnError(true);
  f.fs.FailCreate(P({u"a.txt"}), 5);
  f.fs.FailMakeDirectory(P({u"bin"}), 5);
  EXPECT_TRUE(f.OpenAndUnpack());
  EXPECT_TRUE(f.progress.errors.empty());
  EXPECT_EQ(f.fs.Find(P({u"a.txt"})), nullptr);
  EXPECT_EQ(f.fs.Find(P({u"bin", u"tool.exe"})), nullptr);  // counted without its children
  EXPECT_TRUE(f.progress.Saw("leave bin"));
  EXPECT_NE(f.fs.Find(P({u"readme.txt"})), nullptr);
}

TEST(Unpacker, UnreportedFailuresStopTheExtraction) {
  {  // a file stands where a directory is to be created
    Fixture f;
    f.fs.Put(u"T", YdPathKind::kDirectory);
    f.fs.Put(P({u"bin"}), YdPathKind::kFile);
    EXPECT_FALSE(f.OpenAndUnpack());
    EXPECT_TRUE(f.progress.errors.empty());
  }
  {  // no converter for identifier 2
    YdArchiveWriter writer;
    writer.AddStoredEntry(writer.Root(), kTocFile, u"x", 0x20, {}, Bytes("abc"), 3, 2);
    Fixture f(writer.Finish());
    EXPECT_FALSE(f.OpenAndUnpack());
    EXPECT_TRUE(f.progress.errors.empty());
    EXPECT_EQ(f.fs.Find(P({u"x"})), nullptr);
  }
}

// Stored bytes of `content` at level 6, changed by `edit`.
std::vector<uint8_t> ArchiveWithStream(const std::vector<uint8_t>& content,
                                       const std::function<void(std::vector<uint8_t>&)>& edit) {
  std::vector<uint8_t> stored;
  EXPECT_TRUE(EncodeEntry(content, 1, 6, stored));
  edit(stored);
  YdArchiveWriter writer;
  writer.AddStoredEntry(writer.Root(), kTocFile, u"f.bin", 0x20, SampleTimes(1), stored, content.size(), 1);
  writer.AddFile(writer.Root(), u"next.txt", 0x20, {}, Bytes("n"), 0, 0);
  return writer.Finish();
}

TEST(Unpacker, BadStreamsFailTheEntryWithoutAReport) {
  const std::vector<uint8_t> content = PatternBytes(300000, 5);
  const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> cases = {
      {"corrupt trailer", [](std::vector<uint8_t>& s) { s.back() ^= 0x55; }},
      {"truncated", [](std::vector<uint8_t>& s) { s.resize(s.size() / 2); }},
      {"missing trailer", [](std::vector<uint8_t>& s) { s.resize(s.size() - 4); }},
      {"bytes after the end", [](std::vector<uint8_t>& s) { s.push_back(0); }},
      {"corrupt header", [](std::vector<uint8_t>& s) { s[0] = 0xFF; }},
  };
  for (const auto& [what, edit] : cases) {
    SCOPED_TRACE(what);
    Fixture f(ArchiveWithStream(content, edit));
    EXPECT_FALSE(f.OpenAndUnpack());
    EXPECT_TRUE(f.progress.errors.empty());
    EXPECT_FALSE(f.progress.Saw("leave f.bin"));
    EXPECT_EQ(f.fs.Find(P({u"next.txt"})), nullptr);
    EXPECT_EQ(f.fs.open_files(), 0);
  }
  // The untouched stream extracts.
  Fixture good(ArchiveWithStream(content, [](std::vector<uint8_t>&) {}));
  EXPECT_TRUE(good.OpenAndUnpack());
  EXPECT_EQ(good.fs.Find(P({u"f.bin"}))->content, content);
}

TEST(Unpacker, CancelInsideAnEntryFailsAndBetweenTopLevelEntriesSucceeds) {
  {
    Fixture f;
    f.progress.onPercent = [&](double, double entry) {
      if (entry > 0 && entry < 100) f.unpacker.Cancel();
    };
    YdArchiveWriter writer;
    writer.AddFile(writer.Root(), u"big.bin", 0x20, {}, PatternBytes(1200000, 3), 0, 0);
    writer.AddFile(writer.Root(), u"after.txt", 0x20, {}, Bytes("a"), 0, 0);
    f.archive = writer.Finish();
    EXPECT_FALSE(f.OpenAndUnpack());
    EXPECT_TRUE(f.progress.Saw("finished cancelled"));
    EXPECT_TRUE(f.progress.IsCancelled());
    EXPECT_EQ(f.fs.Find(P({u"big.bin"}))->size, 524288u);  // the partly written file stays
    EXPECT_EQ(f.fs.Find(P({u"after.txt"})), nullptr);
    EXPECT_EQ(f.fs.open_files(), 0);
  }
  {
    Fixture f;
    f.progress.onEntryEnd = [&](const YdTocNode& node) {
      if (node.name == u"a.txt") f.unpacker.Cancel();
    };
    EXPECT_TRUE(f.OpenAndUnpack());
    EXPECT_EQ(f.progress.events.back(), "finished cancelled");
    EXPECT_EQ(f.fs.Find(P({u"bin"})), nullptr);
  }
  {  // noticed at the end of a nested directory: inside the top-level entry
    Fixture f;
    f.progress.onEntryEnd = [&](const YdTocNode& node) {
      if (node.name == u"x.dll") f.unpacker.Cancel();
    };
    EXPECT_FALSE(f.OpenAndUnpack());
    EXPECT_EQ(f.progress.events.back(), "finished cancelled");
    EXPECT_FALSE(f.progress.Saw("leave lib"));
    EXPECT_EQ(f.fs.Find(P({u"readme.txt"})), nullptr);
  }
}

TEST(Unpacker, PauseFromAnotherThreadHoldsAtTheNextReport) {
  Fixture f;
  ASSERT_TRUE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
  EXPECT_NE(f.progress.Pause(true), 0);
  std::atomic<bool> done{false};
  bool result = false;
  std::thread worker([&] {
    result = f.unpacker.Unpack(u"T");
    done = true;
  });
  while (f.progress.PercentCount() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_EQ(f.progress.PercentCount(), 1u);  // held after the first report
  EXPECT_FALSE(done.load());
  EXPECT_NE(f.progress.Pause(false), 0);
  worker.join();
  EXPECT_TRUE(result);
  EXPECT_GT(f.progress.PercentCount(), 1u);
}

TEST(Unpacker, CancelWhilePausedStopsOnceResumedWithoutLeaks) {
  Fixture f;
  ASSERT_TRUE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
  bool result = true;
  f.progress.onPercent = [&](double, double) {
    if (f.progress.PercentCount() == 3) f.progress.Pause(true);  // inside tool.exe
  };
  std::thread worker([&] { result = f.unpacker.Unpack(u"T"); });
  while (f.progress.PercentCount() < 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  f.unpacker.Cancel();
  f.progress.Pause(false);
  worker.join();
  EXPECT_FALSE(result);
  EXPECT_EQ(f.fs.open_files(), 0);
  EXPECT_FALSE(f.progress.Saw("leave bin"));
}

TEST(Unpacker, OpenFailuresAndStates) {
  {
    Fixture f;
    EXPECT_FALSE(f.unpacker.Unpack(u"T"));  // not open: false after the target checks
    EXPECT_EQ(f.fs.Probe(u"T"), YdPathKind::kDirectory);
    ASSERT_TRUE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
    EXPECT_FALSE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
    EXPECT_FALSE(f.unpacker.Open());
  }
  {
    std::vector<uint8_t> v2 = SampleArchive();
    v2[3] = 2;
    Fixture f(v2);
    EXPECT_FALSE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
    ASSERT_EQ(f.progress.errors.size(), 1u);
    EXPECT_EQ(f.progress.errors[0].code, kErrFormat);
    EXPECT_FALSE(f.progress.errors[0].hasPath);
    EXPECT_EQ(f.progress.errors[0].detail1, 3);
    EXPECT_EQ(f.progress.errors[0].systemError, 0);
  }
  {
    std::vector<uint8_t> trailing = SampleArchive();
    trailing[8] = 1;  // the root becomes a file: the table has trailing bytes
    Fixture f(trailing);
    EXPECT_FALSE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
    ASSERT_EQ(f.progress.errors.size(), 1u);
    EXPECT_EQ(f.progress.errors[0].detail1, 8);
  }
  {
    Fixture f(Bytes("YDZ\x01"));
    EXPECT_FALSE(f.unpacker.OpenMemory(f.archive.data(), f.archive.size()));
    EXPECT_TRUE(f.progress.errors.empty());
  }
}

TEST(Unpacker, FilterEntryCanSkipAndRename) {
  class Filtering : public YdResUnpacker {
   public:
    using YdResUnpacker::YdResUnpacker;
    bool FilterEntry(YdTocNode&, const std::u16string&, std::u16string& name, bool& skip) override {
      skip = name == u"bin";
      if (name == u"a.txt") name = u"renamed.txt";
      return true;
    }
  };
  std::vector<uint8_t> archive = SampleArchive();
  YdMemoryFileSystem fs(1024);
  Filtering unpacker(&fs);
  ASSERT_TRUE(unpacker.OpenMemory(archive.data(), archive.size()));
  ASSERT_TRUE(unpacker.Unpack(u"T"));
  EXPECT_EQ(fs.Find(P({u"renamed.txt"}))->content, Bytes("alpha file\n"));
  EXPECT_EQ(fs.Find(P({u"a.txt"})), nullptr);
  EXPECT_EQ(fs.Find(P({u"bin"})), nullptr);
  EXPECT_EQ(unpacker.Root().children[0]->name, u"renamed.txt");
}

TEST(Unpacker, AccountedAndInlineEntriesWriteNothingButReplaceAFile) {
  YdArchiveWriter writer;
  writer.AddStoredEntry(writer.Root(), kTocAccounted, u"acct", 0x20, {}, Bytes("12345"), 5, 0);
  writer.AddInline(writer.Root(), u"inl", Bytes("inline"));
  Fixture f(writer.Finish());
  f.fs.Put(u"T", YdPathKind::kDirectory);
  f.fs.Put(P({u"inl"}), YdPathKind::kFile);
  ASSERT_TRUE(f.OpenAndUnpack());
  EXPECT_EQ(f.fs.Find(P({u"acct"})), nullptr);
  EXPECT_EQ(f.fs.Find(P({u"inl"})), nullptr);
  EXPECT_EQ(f.unpacker.ProcessedStoredSize(), 5u);
  EXPECT_DOUBLE_EQ(f.progress.percents.back().first, 100.0);
}

TEST(ProgressMath, PercentagesAndInstallSteps) {
  EXPECT_DOUBLE_EQ(ProgressPercent(0, 0), 100.0);
  EXPECT_DOUBLE_EQ(ProgressPercent(1, 4), 25.0);
  EXPECT_DOUBLE_EQ(ProgressPercent(UINT64_MAX, UINT64_MAX), 100.0);
  EXPECT_EQ(InstallStepsForPercent(95), std::vector<int>({9}));
  EXPECT_EQ(InstallStepsForPercent(99.5), std::vector<int>({9, 10}));
  EXPECT_EQ(InstallStepsForPercent(9.99), std::vector<int>());
  EXPECT_EQ(InstallStepsForPercent(10), std::vector<int>({1}));
  EXPECT_EQ(InstallStepsForPercent(49.9), std::vector<int>({4}));
  EXPECT_EQ(InstallStepsForPercent(100), std::vector<int>({10}));  // no band 10..11
  EXPECT_EQ(InstallStepsForPercent(98.9), std::vector<int>({9}));
}

TEST(FileSystemHelpers, SettableAttributesDropCreationFlags) {
  EXPECT_EQ(SettableAttributes(0x21), 0x21u);
  EXPECT_EQ(SettableAttributes(0x40000000u | 0x04000000u | 0x20000000u | 0x20), 0x20u);
  EXPECT_EQ(SettableAttributes(0x10 | 0x02), 0x02u);
  EXPECT_EQ(StripProbePath(u"\"C:\\x\\\\\""), u"C:\\x");
  EXPECT_EQ(StripProbePath(u"/a/b//"), u"/a/b");
  EXPECT_EQ(StripProbePath(u"/"), u"/");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
