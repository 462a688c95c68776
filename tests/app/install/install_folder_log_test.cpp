// The install folder's rules, table-driven, and the install log's lines,
// header and rotation, with a real file for the appending.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/install/install_folder_check.h"
#include "app/install/install_log.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

constexpr uint32_t kDrivesCAndZ = (1u << 2) | (1u << 25);

TEST(InstallFolder, EveryRuleWithItsProblem) {
  const struct {
    const wchar_t* folder;
    FolderProblem problem;
  } cases[] = {
      {L"C:\\Program Files (x86)\\WiFi", FolderProblem::kNone},
      {L"c:/Tools/WiFi/", FolderProblem::kNone},
      {L"Z:\\\\WiFi", FolderProblem::kNone},  // the folder dialog's choice of a drive root
      {L"", FolderProblem::kEmpty},
      {L"   ", FolderProblem::kEmpty},
      {L"WiFi", FolderProblem::kNotAbsolute},
      {L"\\WiFi", FolderProblem::kNotAbsolute},
      {L"\\\\server\\share\\WiFi", FolderProblem::kNotAbsolute},
      {L"C:WiFi", FolderProblem::kNotAbsolute},
      {L"1:\\WiFi", FolderProblem::kNotAbsolute},
      {L"C:", FolderProblem::kDriveRoot},  // what "C:\" used to become
      {L"C:\\", FolderProblem::kDriveRoot},
      {L"C:\\\\/", FolderProblem::kDriveRoot},
      {L"C:\\Wi?Fi", FolderProblem::kForbiddenCharacter},
      {L"C:\\a:b", FolderProblem::kForbiddenCharacter},
      {L"C:\\x\\\"y\"", FolderProblem::kForbiddenCharacter},
      {L"C:\\x\\y\tz", FolderProblem::kForbiddenCharacter},
      {L"C:\\a|b\\c", FolderProblem::kForbiddenCharacter},
      {L"C:\\WiFi.", FolderProblem::kBadNameEnd},
      {L"C:\\WiFi \\x", FolderProblem::kBadNameEnd},
      {L"C:\\..\\x", FolderProblem::kBadNameEnd},
      {L"C:\\con\\WiFi", FolderProblem::kDeviceName},
      {L"C:\\x\\LPT1.log", FolderProblem::kDeviceName},
      {L"C:\\x\\Nul .txt", FolderProblem::kDeviceName},
      {L"D:\\WiFi", FolderProblem::kNoSuchDrive},
  };
  for (const auto& c : cases) {
    const std::wstring folder = c.folder;
    EXPECT_EQ(CheckInstallFolder(folder, 20, kDrivesCAndZ), c.problem) << std::string(folder.begin(), folder.end());
  }
  // The path limit: folder + "\" + the payload's longest path, at most 259.
  const std::wstring folder = L"C:\\" + std::wstring(200, L'x');
  EXPECT_EQ(CheckInstallFolder(folder, 259 - 204, kDrivesCAndZ), FolderProblem::kNone);
  EXPECT_EQ(CheckInstallFolder(folder + L"\\", 259 - 204, kDrivesCAndZ), FolderProblem::kNone);
  EXPECT_EQ(CheckInstallFolder(folder, 259 - 203, kDrivesCAndZ), FolderProblem::kTooLong);
  EXPECT_NE(std::wstring(FolderProblemMessage(FolderProblem::kTooLong)), L"");
}

TEST(InstallLog, LinesHeaderAndRotation) {
  const LogTime at{2026, 12, 9, 0, 3, 7, 45};
  EXPECT_EQ(FormatLogLine(at, 1234, "run: \"C:\\x\\a.exe\" -i\r\nsecond"),
            "2026-12-09 00:03:07.045 +1234 ms run: \"C:\\x\\a.exe\" -i  second\r\n");
  LogRunFacts facts{"1.0.0", 0x14, "Unattended|SkipDriver", "6.1.7601", true};
  EXPECT_EQ(FormatLogHeader(at, facts),
            "=== 2026-12-09 00:03:07.045 ZephyraSetup 1.0.0 mode 0x14 (Unattended|SkipDriver) Windows 6.1.7601 "
            "64-bit\r\n");
  EXPECT_EQ(LogText(L"\u5b89\u88c5"), "\xE5\xAE\x89\xE8\xA3\x85");

  // Three runs of 40 bytes each: with a limit of 100 the two newest that fit
  // in half of it (50) are kept, i.e. the newest alone.
  const std::string run(38, 'r');
  const std::string three = "=== " + run.substr(4) + "\r\n" + "=== " + run.substr(4) + "\r\n" + "=== " +
                            run.substr(4) + "\r\n";
  EXPECT_EQ(LogKeepFrom(three, 1000), 0u);
  EXPECT_EQ(LogKeepFrom(three, 100), 80u);
  EXPECT_EQ(LogKeepFrom(three, 50), three.size());  // not even the newest fits

  // Appending for real: a run over the limit is rotated out at the next Begin.
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "yd_install_log_test.log";
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  YdInstallLog log;
  log.Write("before the run: dropped");
  ASSERT_TRUE(log.Begin(path, facts, 400));
  for (int i = 0; i < 10; ++i) log.Write("event " + std::to_string(i));
  ASSERT_TRUE(log.Begin(path, facts, 400));
  log.Write("second run");
  log.End();
  log.Write("after the end: dropped");
  std::stringstream text;
  {
    std::ifstream in(path, std::ios::binary);
    text << in.rdbuf();
  }
  const std::string all = text.str();
  EXPECT_LE(all.size(), 400u);
  EXPECT_EQ(all.rfind("=== ", 0), 0u);
  EXPECT_EQ(all.find("event 0"), std::string::npos);
  EXPECT_NE(all.find(" ms second run\r\n"), std::string::npos);
  EXPECT_EQ(all.find("dropped"), std::string::npos);
  std::filesystem::remove(path, ignored);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
