// Staged replacement against the in-memory file system: an update over a
// previous tree is rolled back to the byte, time and attribute on a file
// that cannot be moved aside, a full volume and a cancel; a first install
// leaves nothing; a committed update leaves no backup, and a backup still
// in use is deleted at the next restart. Also the fault of a folder that is
// created yet not there.
#include <gtest/gtest.h>

#include "archive/memory_file_system.h"
#include "archive/replace_journal.h"
#include "archive/res_unpacker.h"
#include "archive/space_needed.h"
#include "archive/toc_reader.h"
#include "tests/archive/unpack_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_util;

std::u16string P(std::initializer_list<const char16_t*> parts) {
  std::u16string out = u"T";
  for (const char16_t* part : parts) out += kYdPathSeparator + std::u16string(part);
  return out;
}

void PutFile(YdMemoryFileSystem& fs, const std::u16string& path, const std::string& text, uint32_t attributes,
             uint64_t time) {
  int error = 0;
  auto file = fs.CreateOutputFile(path, attributes, &error);
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->Write(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size()), &error));
  const YdEntryTimes times = SampleTimes(time);
  ASSERT_TRUE(file->SetTimes({times.creation, times.lastAccess, times.lastWrite}));
}

// Everything the memory file system knows of each path.
std::string Describe(const YdMemoryFileSystem& fs) {
  std::string out;
  for (const auto& [path, node] : fs.nodes()) {
    out += std::string(path.begin(), path.end()) + " kind " + std::to_string(static_cast<int>(node.kind)) +
           " attr " + std::to_string(node.attributes) + " times " + std::to_string(node.times.creation) + "," +
           std::to_string(node.times.lastAccess) + "," + std::to_string(node.times.lastWrite) + " bytes " +
           std::string(node.content.begin(), node.content.end()) + "\n";
  }
  return out;
}

// A previous installation in T: some of the archive's files with other
// contents, one read-only, plus a file of the user's own.
struct Update {
  Update() : fs(1 << 20), journal(fs) {
    fs.Put(u"T", YdPathKind::kDirectory);
    fs.Put(P({u"bin"}), YdPathKind::kDirectory);
    PutFile(fs, P({u"a.txt"}), "old alpha", 0x20, 11);
    PutFile(fs, P({u"readme.txt"}), "old readme", 0x21, 12);
    PutFile(fs, P({u"bin", u"tool.exe"}), "old tool", 0x20, 13);
    PutFile(fs, P({u"user.cfg"}), "mine", 0x20, 14);
    before = Describe(fs);
    unpacker.SetProgress(&progress);
    unpacker.SetJournal(&journal);
  }
  bool Unpack() { return unpacker.OpenMemory(archive.data(), archive.size()) && unpacker.Unpack(u"T"); }

  std::vector<uint8_t> archive = SampleArchive();
  YdMemoryFileSystem fs;
  YdReplaceJournal journal;
  RecordingProgress progress;
  YdResUnpacker unpacker{&fs};
  std::string before;
};

bool AllDone(const std::vector<JournalAction>& actions) {
  for (const JournalAction& action : actions) {
    if (!action.ok) return false;
  }
  return !actions.empty();
}

TEST(Rollback, UpdateIsUndoneExactlyWhateverStopsIt) {
  {  // a file held open without delete sharing cannot be moved aside
    Update u;
    u.fs.FailRename(P({u"readme.txt"}), 32);
    EXPECT_FALSE(u.Unpack());
    ASSERT_EQ(u.progress.errors.size(), 1u);
    EXPECT_EQ(u.progress.errors[0].code, kErrDeleteFile);
    EXPECT_EQ(u.progress.errors[0].path, P({u"readme.txt"}));
    EXPECT_TRUE(u.journal.ReplacedExistingFiles());
    EXPECT_TRUE(AllDone(u.journal.Rollback()));
    EXPECT_EQ(Describe(u.fs), u.before);
  }
  {  // the volume fills up inside the big file
    Update u;
    u.fs.SetCapacity(300000);
    EXPECT_FALSE(u.Unpack());
    ASSERT_EQ(u.progress.errors.size(), 1u);
    EXPECT_EQ(u.progress.errors[0].systemError, kYdErrorDiskFull);
    EXPECT_TRUE(AllDone(u.journal.Rollback()));
    EXPECT_EQ(Describe(u.fs), u.before);
    // The check before writing would have refused this volume.
    uint64_t free_bytes = 0;
    ASSERT_TRUE(u.fs.FreeBytes(u"T", &free_bytes));
    EXPECT_FALSE(FitsFreeSpace(SpaceNeeded(u.unpacker.Root()), free_bytes));
  }
  {  // a cancel inside the nested folder
    Update u;
    u.progress.onEntryEnd = [&](const YdTocNode& node) {
      if (node.name == u"x.dll") u.unpacker.Cancel();
    };
    EXPECT_FALSE(u.Unpack());
    EXPECT_TRUE(AllDone(u.journal.Rollback()));
    EXPECT_EQ(Describe(u.fs), u.before);
  }
}

TEST(Rollback, FirstInstallLeavesNothingBehind) {
  YdMemoryFileSystem fs(1 << 20);
  fs.Put(u"Programs", YdPathKind::kDirectory);
  YdReplaceJournal journal(fs);
  RecordingProgress progress;
  YdResUnpacker unpacker(&fs);
  unpacker.SetProgress(&progress);
  unpacker.SetJournal(&journal);
  progress.onEntryEnd = [&](const YdTocNode& node) {
    if (node.name == u"x.dll") unpacker.Cancel();
  };
  const std::vector<uint8_t> archive = SampleArchive();
  const std::u16string sep(1, kYdPathSeparator);
  ASSERT_TRUE(unpacker.OpenMemory(archive.data(), archive.size()));
  EXPECT_FALSE(unpacker.Unpack(u"Programs" + sep + u"New" + sep + u"WiFi"));
  EXPECT_FALSE(journal.ReplacedExistingFiles());
  EXPECT_TRUE(AllDone(journal.Rollback()));
  EXPECT_EQ(fs.nodes().size(), 1u);  // only the folder that was there
}

TEST(Rollback, CommitRemovesTheBackupOrLeavesItInUseForTheRestart) {
  {
    Update u;
    ASSERT_TRUE(u.Unpack());
    EXPECT_TRUE(AllDone(u.journal.Commit()));
    EXPECT_EQ(u.fs.Find(P({u"~zephyra-backup"})), nullptr);
    EXPECT_EQ(u.fs.Find(P({u"readme.txt"}))->content, Bytes("read me\n"));
    EXPECT_EQ(u.fs.Find(P({u"user.cfg"}))->content, Bytes("mine"));
    EXPECT_TRUE(u.fs.restart_deletes().empty());
  }
  {  // the running program's file: renamed fine, but its backup cannot be deleted
    Update u;
    u.fs.FailRemove(P({u"~zephyra-backup", u"2"}), 32);  // tool.exe, the second moved aside
    ASSERT_TRUE(u.Unpack());
    EXPECT_EQ(u.fs.Find(P({u"bin", u"tool.exe"}))->size, 700000u);
    u.journal.Commit();
    EXPECT_EQ(u.fs.restart_deletes(),
              (std::vector<std::u16string>{P({u"~zephyra-backup", u"2"}), P({u"~zephyra-backup"})}));
  }
  {  // a backup folder left by an interrupted run is not reused
    Update u;
    u.fs.Put(P({u"~zephyra-backup"}), YdPathKind::kDirectory);
    ASSERT_TRUE(u.Unpack());
    EXPECT_EQ(u.journal.BackupFolder(), P({u"~zephyra-backup.1"}));
  }
}

TEST(Unpacker, FolderCreatedYetNotThereStopsTheExtraction) {
  YdMemoryFileSystem fs(1 << 20);
  fs.Put(u"T", YdPathKind::kDirectory);
  fs.VanishDirectory(P({u"bin"}));
  RecordingProgress progress;
  YdResUnpacker unpacker(&fs);
  unpacker.SetProgress(&progress);
  const std::vector<uint8_t> archive = SampleArchive();
  ASSERT_TRUE(unpacker.OpenMemory(archive.data(), archive.size()));
  EXPECT_FALSE(unpacker.Unpack(u"T"));
  EXPECT_FALSE(progress.Saw("leave bin"));
  EXPECT_EQ(fs.Find(P({u"readme.txt"})), nullptr);
}

TEST(SpaceNeeded, ClustersPerFileAndFolderAndTheLongestPath) {
  YdTocNode root;
  const std::vector<uint8_t> archive = SampleArchive();
  ASSERT_TRUE(ReadArchiveToc(archive.data(), archive.size(), root).ok());
  // a.txt, readme.txt, empty.dat (0), x.dll: one cluster each but the empty
  // one; tool.exe 171 clusters; bin and lib one each.
  EXPECT_EQ(SpaceNeeded(root), (1 + 1 + 0 + 1 + 171 + 2) * kAssumedClusterBytes);
  EXPECT_EQ(LongestEntryPath(root), std::u16string(u"bin/lib/x.dll").size());
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
