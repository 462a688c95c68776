// The POSIX file-system backend under a real extraction: write bits for the
// read-only attribute, last-write and last-access times, replacing a
// read-only file, links never followed, a target that is a file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "archive/res_unpacker.h"
#include "tests/archive/unpack_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_util;
namespace fs = std::filesystem;

class PosixBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::temp_directory_path() / ("yd-posix-" + std::to_string(::getpid()));
    fs::remove_all(base_);
    fs::create_directories(base_);
  }
  void TearDown() override { fs::remove_all(base_); }

  bool Extract(const std::vector<uint8_t>& archive, const fs::path& target) {
    YdResUnpacker unpacker;
    unpacker.SetProgress(&progress_);
    return unpacker.OpenMemory(archive.data(), archive.size()) && unpacker.Unpack(target.u16string());
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path base_;
  RecordingProgress progress_;
};

int64_t UnixSeconds(YdFileTime t) { return static_cast<int64_t>((t - 116444736000000000ULL) / 10000000ULL); }

TEST_F(PosixBackend, WritesContentModesAndTimes) {
  const std::vector<uint8_t> archive = SampleArchive();
  const fs::path target = base_ / "new" / "deeper";
  ASSERT_TRUE(Extract(archive, target));
  EXPECT_EQ(Read(target / "a.txt"), "alpha file\n");
  const std::string tool = Read(target / "bin" / "tool.exe");
  const auto expected = PatternBytes(700000, 7);
  EXPECT_EQ(std::vector<uint8_t>(tool.begin(), tool.end()), expected);
  EXPECT_EQ(fs::file_size(target / "bin" / "empty.dat"), 0u);

  struct stat info;
  ASSERT_EQ(::stat((target / "readme.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0222, 0u);  // read-only: no write bits
  EXPECT_EQ(info.st_mtim.tv_sec, UnixSeconds(SampleTimes(7).lastWrite));
  EXPECT_EQ(info.st_atim.tv_sec, UnixSeconds(SampleTimes(7).lastAccess));
  ASSERT_EQ(::stat((target / "a.txt").c_str(), &info), 0);
  EXPECT_NE(info.st_mode & 0200, 0u);
  EXPECT_EQ(info.st_mtim.tv_sec, UnixSeconds(SampleTimes(1).lastWrite));
  ASSERT_EQ(::stat((target / "bin" / "lib").c_str(), &info), 0);
  EXPECT_EQ(info.st_mtim.tv_sec, UnixSeconds(SampleTimes(5).lastWrite));
  ASSERT_EQ(::stat((target / "bin").c_str(), &info), 0);
  EXPECT_EQ(info.st_mtim.tv_sec, UnixSeconds(SampleTimes(2).lastWrite));
}

TEST_F(PosixBackend, SecondRunReplacesReadOnlyFiles) {
  const std::vector<uint8_t> archive = SampleArchive();
  ASSERT_TRUE(Extract(archive, base_ / "t"));
  { std::ofstream(base_ / "t" / "bin" / "tool.exe") << "changed"; }
  ASSERT_TRUE(Extract(archive, base_ / "t"));
  EXPECT_EQ(Read(base_ / "t" / "readme.txt"), "read me\n");
  EXPECT_EQ(fs::file_size(base_ / "t" / "bin" / "tool.exe"), 700000u);
  EXPECT_TRUE(progress_.errors.empty());
}

TEST_F(PosixBackend, LinksInTheTargetAreNeverFollowed) {
  fs::create_directories(base_ / "t");
  fs::create_directories(base_ / "outside");
  { std::ofstream(base_ / "outside" / "victim") << "keep"; }
  fs::create_symlink(base_ / "outside" / "victim", base_ / "t" / "a.txt");
  fs::create_directory_symlink(base_ / "outside", base_ / "t" / "bin");
  EXPECT_FALSE(Extract(SampleArchive(), base_ / "t"));  // "bin" is a link: a file stands there
  EXPECT_EQ(Read(base_ / "outside" / "victim"), "keep");
  EXPECT_EQ(Read(base_ / "t" / "a.txt"), "alpha file\n");  // the link was replaced by the file
  EXPECT_FALSE(fs::is_symlink(base_ / "t" / "a.txt"));
  EXPECT_FALSE(fs::exists(base_ / "outside" / "tool.exe"));
}

TEST_F(PosixBackend, TargetThatIsAFileFailsWith183) {
  { std::ofstream(base_ / "file") << "x"; }
  EXPECT_FALSE(Extract(SampleArchive(), base_ / "file"));
  ASSERT_EQ(progress_.errors.size(), 1u);
  EXPECT_EQ(progress_.errors[0].code, kErrTargetOrWrite);
  EXPECT_EQ(progress_.errors[0].systemError, 183);
  EXPECT_EQ(Read(base_ / "file"), "x");
}

TEST_F(PosixBackend, DirectoryEntryOverAFileStopsWithoutReport) {
  fs::create_directories(base_ / "t");
  { std::ofstream(base_ / "t" / "bin") << "x"; }
  EXPECT_FALSE(Extract(SampleArchive(), base_ / "t"));
  EXPECT_TRUE(progress_.errors.empty());
  EXPECT_TRUE(fs::exists(base_ / "t" / "a.txt"));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
