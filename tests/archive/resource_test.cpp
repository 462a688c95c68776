// The setup's own path: the archive is the running module's resource
// "ZIP"/110 (packed from resource_payload/ at build time).
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "archive/res_unpacker.h"
#include "tests/archive/unpack_test_util.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ArchiveResource, OpensTheModuleResourceAndExtractsIt) {
  const fs::path target = fs::temp_directory_path() / ("yd-resource-" + std::to_string(::GetCurrentProcessId()));
  std::error_code ignored;
  fs::remove_all(target, ignored);
  testing_util::RecordingProgress progress;
  YdResUnpacker unpacker;
  unpacker.SetProgress(&progress);
  ASSERT_TRUE(unpacker.Open());
  EXPECT_FALSE(unpacker.Open());  // already open
  EXPECT_EQ(unpacker.Version(), 1);
  ASSERT_TRUE(unpacker.Unpack(target.u16string()));
  EXPECT_EQ(Read(target / "hello.txt"), "hello from the resource\n");
  EXPECT_EQ(Read(target / "sub" / "data.txt"), "nested data\n");
  EXPECT_TRUE(progress.errors.empty());
  EXPECT_DOUBLE_EQ(progress.percents.back().first, 100.0);
  // The archive is read in place from the mapped resource.
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(110), L"ZIP");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(unpacker.ArchiveData(), ::LockResource(::LoadResource(module, info)));
  EXPECT_EQ(unpacker.ArchiveSize(), ::SizeofResource(module, info));
  fs::remove_all(target, ignored);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
