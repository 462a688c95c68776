// Every crafted archive goes through a full extraction, into memory and onto
// the real disk: each is refused at open or extracted with the expected
// result, and nothing ever appears outside the target directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <system_error>

#include "archive/memory_file_system.h"
#include "archive/res_unpacker.h"
#include "tests/archive/hostile_archives.h"
#include "tests/archive/unpack_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_util;
namespace fs = std::filesystem;

// Runs one archive; returns the outcome seen.
HostileOutcome Extract(const HostileArchive& archive, YdFileSystem& file_system, const std::u16string& target) {
  RecordingProgress progress;
  YdResUnpacker unpacker(&file_system);
  unpacker.SetProgress(&progress);
  if (!unpacker.OpenMemory(archive.bytes.data(), archive.bytes.size())) return HostileOutcome::kRejectedAtOpen;
  return unpacker.Unpack(target) ? HostileOutcome::kExtracts : HostileOutcome::kFails;
}

void MakeWritable(const fs::path& root) {
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(root, ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add | fs::perm_options::nofollow,
                    ignored);
  }
}

TEST(HostileArchives, TableHasAtLeastFortyCasesWithDistinctNames) {
  const auto archives = MakeHostileArchives();
  EXPECT_GE(archives.size(), 40u);
  std::set<std::string> names;
  for (const auto& a : archives) EXPECT_TRUE(names.insert(a.name).second) << a.name;
}

TEST(HostileArchives, InMemoryEveryPathStaysInsideTheTarget) {
  for (const HostileArchive& archive : MakeHostileArchives()) {
    SCOPED_TRACE(archive.name);
    YdMemoryFileSystem memory;
    EXPECT_EQ(Extract(archive, memory, u"T"), archive.outcome);
    for (const auto& [path, node] : memory.nodes()) {
      EXPECT_TRUE(path == u"T" || path.rfind(std::u16string(u"T") + kYdPathSeparator, 0) == 0)
          << std::string(path.begin(), path.end());
      size_t start = 0;
      for (size_t end = 0; end != std::u16string::npos; start = end + 1) {
        end = path.find(kYdPathSeparator, start);
        const std::u16string part = path.substr(start, end == std::u16string::npos ? end : end - start);
        EXPECT_TRUE(!part.empty() && part != u"." && part != u"..") << std::string(path.begin(), path.end());
      }
    }
    EXPECT_EQ(memory.open_files(), 0);
  }
}

TEST(HostileArchives, OnDiskNothingAppearsOutsideTheTarget) {
  const fs::path base = fs::temp_directory_path() / ("yd-hostile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  const fs::path outer = base / "outer";
  for (const HostileArchive& archive : MakeHostileArchives()) {
    SCOPED_TRACE(archive.name);
    std::error_code ignored;
    MakeWritable(base);
    fs::remove_all(base, ignored);
    const fs::path target = outer / "target";
    fs::create_directories(outer);
    EXPECT_EQ(Extract(archive, NativeFileSystem(), target.u16string()), archive.outcome);
    for (const auto& entry : fs::directory_iterator(base)) EXPECT_EQ(entry.path(), outer);
    for (auto it = fs::recursive_directory_iterator(outer); it != fs::recursive_directory_iterator(); ++it) {
      const fs::path relative = it->path().lexically_relative(outer);
      const std::string text = relative.generic_string();
      EXPECT_TRUE(text == "target" || text.rfind("target/", 0) == 0) << it->path().string();
    }
    EXPECT_FALSE(fs::exists(base / "evil", ignored));
    EXPECT_FALSE(fs::exists(outer / "evil", ignored));
    EXPECT_FALSE(fs::exists(fs::temp_directory_path() / "evil", ignored));
  }
  std::error_code ignored;
  MakeWritable(base);
  fs::remove_all(base, ignored);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
