// The Win32 file-system backend under a real extraction (run under Wine):
// attributes, the three file times, directory times, replacing a read-only
// file, a file held open without delete sharing, a target that is a file,
// empty entries and attribute words carrying creation flags.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "archive/res_unpacker.h"
#include "common/scoped_handle.h"
#include "tests/archive/unpack_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_util;
namespace fs = std::filesystem;

const wchar_t* W(const fs::path& path) { return path.c_str(); }

class Win32Backend : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::temp_directory_path() / ("yd-win32-" + std::to_string(::GetCurrentProcessId()));
    Clean();
    fs::create_directories(base_);
  }
  void TearDown() override { Clean(); }
  void Clean() {
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(base_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored)) {
      ::SetFileAttributesW(W(it->path()), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(base_, ignored);
  }

  bool Extract(const std::vector<uint8_t>& archive, const fs::path& target) {
    YdResUnpacker unpacker;
    unpacker.SetProgress(&progress_);
    return unpacker.OpenMemory(archive.data(), archive.size()) && unpacker.Unpack(target.u16string());
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Creation, last-access and last-write times of a file or directory.
  static bool Times(const fs::path& path, YdEntryTimes& out) {
    ScopedHandle handle(::CreateFileW(W(path), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FILETIME c, a, w;
    if (!handle.IsValid() || !::GetFileTime(handle.Get(), &c, &a, &w)) return false;
    auto value = [](const FILETIME& t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    out = {value(c), value(a), value(w)};
    return true;
  }

  // Whether the file system keeps a creation time given to SetFileTime
  // (Wine on a Linux file system reports the last-write time instead).
  bool KeepsCreationTime() {
    const fs::path probe = base_ / "probe";
    { std::ofstream(probe) << "p"; }
    {
      ScopedHandle handle(::CreateFileW(W(probe), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                        nullptr));
      const FILETIME creation = {0x12345678, 0x01D00000};
      if (!handle.IsValid() || !::SetFileTime(handle.Get(), &creation, nullptr, nullptr)) return false;
    }
    YdEntryTimes seen;
    const bool kept = Times(probe, seen) && seen.creation == 0x01D0000012345678ULL;
    fs::remove(probe);
    return kept;
  }

  fs::path base_;
  RecordingProgress progress_;
};

TEST_F(Win32Backend, AttributesAndThreeTimes) {
  const bool check_creation = KeepsCreationTime();
  if (!check_creation) std::printf("note: this file system does not keep creation times; not checked\n");
  ASSERT_TRUE(Extract(SampleArchive(), base_ / "new" / "deeper"));
  const fs::path target = base_ / "new" / "deeper";
  EXPECT_EQ(::GetFileAttributesW(W(target / "readme.txt")), DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE});
  EXPECT_EQ(::GetFileAttributesW(W(target / "a.txt")), DWORD{FILE_ATTRIBUTE_ARCHIVE});
  EXPECT_TRUE(::GetFileAttributesW(W(target / "bin")) & FILE_ATTRIBUTE_DIRECTORY);
  struct Case {
    fs::path path;
    YdEntryTimes times;
  };
  for (const Case& c : {Case{target / "a.txt", SampleTimes(1)}, Case{target / "bin" / "tool.exe", SampleTimes(3)},
                        Case{target / "bin" / "empty.dat", SampleTimes(4)}, Case{target / "readme.txt", SampleTimes(7)},
                        Case{target / "bin" / "lib", SampleTimes(5)}, Case{target / "bin", SampleTimes(2)}}) {
    SCOPED_TRACE(c.path.string());
    YdEntryTimes seen;
    ASSERT_TRUE(Times(c.path, seen));
    if (check_creation) {
      EXPECT_EQ(seen.creation, c.times.creation);
    }
    EXPECT_EQ(seen.lastAccess, c.times.lastAccess);
    EXPECT_EQ(seen.lastWrite, c.times.lastWrite);
  }
  // Read after the times: reading may move the last-access time.
  EXPECT_EQ(Read(target / "a.txt"), "alpha file\n");
  EXPECT_EQ(fs::file_size(target / "bin" / "tool.exe"), 700000u);
}

TEST_F(Win32Backend, HiddenSystemAndEmptyEntries) {
  YdArchiveWriter writer;
  writer.AddFile(writer.Root(), u"hidden.txt", 0x22, SampleTimes(1), Bytes("h"), 1, 6);
  writer.AddFile(writer.Root(), u"empty-stored", 0x24, SampleTimes(2), {}, 0, 0);
  writer.AddFile(writer.Root(), u"empty-zlib", 0x20, SampleTimes(3), {}, 1, 6);
  ASSERT_TRUE(Extract(writer.Finish(), base_ / "t"));
  EXPECT_EQ(::GetFileAttributesW(W(base_ / "t" / "hidden.txt")), DWORD{0x22});
  EXPECT_EQ(::GetFileAttributesW(W(base_ / "t" / "empty-stored")), DWORD{0x24});
  EXPECT_EQ(fs::file_size(base_ / "t" / "empty-stored"), 0u);
  EXPECT_EQ(fs::file_size(base_ / "t" / "empty-zlib"), 0u);
  YdEntryTimes seen;
  ASSERT_TRUE(Times(base_ / "t" / "empty-stored", seen));
  EXPECT_EQ(seen.lastWrite, SampleTimes(2).lastWrite);
}

TEST_F(Win32Backend, ReadOnlyExistingFileIsReplaced) {
  const std::vector<uint8_t> archive = SampleArchive();
  ASSERT_TRUE(Extract(archive, base_ / "t"));
  ASSERT_TRUE(::GetFileAttributesW(W(base_ / "t" / "readme.txt")) & FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(Extract(archive, base_ / "t"));
  EXPECT_TRUE(progress_.errors.empty());
  EXPECT_EQ(Read(base_ / "t" / "readme.txt"), "read me\n");
}

TEST_F(Win32Backend, FileOpenWithoutDeleteSharingStopsWith10000004) {
  const std::vector<uint8_t> archive = SampleArchive();
  ASSERT_TRUE(Extract(archive, base_ / "t"));
  const fs::path held = base_ / "t" / "bin" / "tool.exe";
  ScopedHandle handle(::CreateFileW(W(held), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(handle.IsValid());
  progress_.events.clear();
  EXPECT_FALSE(Extract(archive, base_ / "t"));
  ASSERT_EQ(progress_.errors.size(), 1u);
  EXPECT_EQ(progress_.errors[0].code, kErrDeleteFile);
  EXPECT_EQ(fs::path(progress_.errors[0].path), held);
  EXPECT_EQ(progress_.errors[0].systemError, ERROR_SHARING_VIOLATION);
  EXPECT_FALSE(progress_.Saw("leave tool.exe"));
}

TEST_F(Win32Backend, TargetThatIsAFileFailsWith183) {
  { std::ofstream(base_ / "file") << "x"; }
  EXPECT_FALSE(Extract(SampleArchive(), base_ / "file"));
  ASSERT_EQ(progress_.errors.size(), 1u);
  EXPECT_EQ(progress_.errors[0].code, kErrTargetOrWrite);
  EXPECT_EQ(progress_.errors[0].systemError, ERROR_ALREADY_EXISTS);
  EXPECT_EQ(Read(base_ / "file"), "x");
}

TEST_F(Win32Backend, CreationFlagsInTheAttributeWordAreNotApplied) {
  // Overlapped, no-buffering and delete-on-close bits would break the write
  // or remove the file once it is closed.
  YdArchiveWriter writer;
  const std::vector<uint8_t> content = PatternBytes(70000, 4);
  writer.AddFile(writer.Root(), u"f.bin", 0x20 | FILE_FLAG_OVERLAPPED | FILE_FLAG_NO_BUFFERING |
                 FILE_FLAG_DELETE_ON_CLOSE, SampleTimes(1), content, 1, 6);
  ASSERT_TRUE(Extract(writer.Finish(), base_ / "t"));
  const std::string written = Read(base_ / "t" / "f.bin");
  EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.end()), content);
}

TEST_F(Win32Backend, ModuleWithoutArchiveResourceReports10000002) {
  YdResUnpacker unpacker;
  unpacker.SetProgress(&progress_);
  EXPECT_FALSE(unpacker.Open());
  ASSERT_EQ(progress_.errors.size(), 1u);
  EXPECT_EQ(progress_.errors[0].code, kErrNoResource);
  EXPECT_TRUE(progress_.errors[0].path.empty());
  EXPECT_NE(progress_.errors[0].systemError, 0);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
