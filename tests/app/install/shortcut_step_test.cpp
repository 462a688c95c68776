// The shortcut step for real under Wine: link files where expected, missing
// folders created, existing links replaced, contents read back through
// IShellLinkW.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <fstream>

#include "app/install/install_job.h"
#include "app/install/shortcut_step.h"
#include "common/scoped_com.h"
#include "tests/app/install/install_test_support.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_support;

const std::wstring kWebName = L"Zephyra\u5B98\u7F51.lnk";
const std::wstring kUninstallName = L"Zephyra\u5378\u8F7D.lnk";

fs::path SpecialFolder(int csidl) {
  wchar_t folder[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder);
  return fs::path(folder);
}

void ExpectLink(const fs::path& link, const fs::path& target) {
  SCOPED_TRACE(link.wstring());
  ASSERT_TRUE(fs::is_regular_file(link));
  const auto contents = ReadLink(link);
  ASSERT_TRUE(contents.has_value());
  EXPECT_EQ(contents->target, target.wstring());
  EXPECT_EQ(contents->arguments, L"");
  EXPECT_EQ(contents->workingDir, target.parent_path().wstring() + L"\\");
  EXPECT_EQ(contents->description, L"Zephyra");
  EXPECT_EQ(contents->iconPath, target.wstring());
  EXPECT_EQ(contents->iconIndex, 0);
}

TEST(ShellLink, CreatesMissingFoldersAndReadsBack) {
  ScopedComApartment apartment;
  const fs::path install = InstallDirWithPayload(L"links-target");
  const fs::path links = FreshDir(L"links");
  const fs::path deep = links / L"a" / L"b b" / L"c";
  ASSERT_FALSE(fs::exists(links / L"a"));
  EXPECT_TRUE(CreateShellLink(L"Zephyra", L"", (install / L"Zephyra.exe").wstring(), L"", (deep / L"Zephyra").wstring()));
  ExpectLink(deep / L"Zephyra.lnk", install / L"Zephyra.exe");

  // Arguments and an icon of its own are kept as given.
  EXPECT_TRUE(CreateShellLink(L"other", (install / L"uninst.exe").wstring(), (install / L"Zephyra.exe").wstring(),
                              L"-x 1", (links / L"with icon").wstring()));
  const auto other = ReadLink(links / L"with icon.lnk");
  ASSERT_TRUE(other.has_value());
  EXPECT_EQ(other->arguments, L"-x 1");
  EXPECT_EQ(other->iconPath, (install / L"uninst.exe").wstring());
  EXPECT_EQ(other->description, L"other");
}

TEST(ShellLink, ReplacesAnExistingFileAndKeepsACapitalExtension) {
  ScopedComApartment apartment;
  const fs::path install = InstallDirWithPayload(L"links-replace");
  const fs::path links = FreshDir(L"links-replace-out");
  {
    std::ofstream junk(links / L"Zephyra.lnk");
    junk << "not a link";
  }
  EXPECT_TRUE(CreateShellLink(L"Zephyra", L"", (install / L"uninst.exe").wstring(), L"", (links / L"Zephyra").wstring()));
  ExpectLink(links / L"Zephyra.lnk", install / L"uninst.exe");
  EXPECT_TRUE(CreateShellLink(L"Zephyra", L"", (install / L"Zephyra.exe").wstring(), L"", (links / L"Zephyra").wstring()));
  ExpectLink(links / L"Zephyra.lnk", install / L"Zephyra.exe");

  EXPECT_TRUE(CreateShellLink(L"Zephyra", L"", (install / L"Zephyra.exe").wstring(), L"", (links / L"Caps.LNK").wstring()));
  EXPECT_TRUE(fs::is_regular_file(links / L"Caps.LNK"));
  EXPECT_FALSE(fs::exists(links / L"Caps.LNK.lnk"));
  EXPECT_TRUE(CreateShellLink(L"Zephyra", L"", (install / L"Zephyra.exe").wstring(), L"", (links / L"page.url").wstring()));
  EXPECT_TRUE(fs::is_regular_file(links / L"page.url.lnk"));
}

TEST(ShellLink, RefusesEmptyPathsAndAFileInTheWayOfTheFolder) {
  ScopedComApartment apartment;
  const fs::path links = FreshDir(L"links-refuse");
  EXPECT_FALSE(CreateShellLink(L"Zephyra", L"", L"", L"", (links / L"x").wstring()));
  EXPECT_FALSE(CreateShellLink(L"Zephyra", L"", L"C:\\windows\\notepad.exe", L"", L""));
  EXPECT_FALSE(CreateShellLink(L"Zephyra", L"", L"C:\\windows\\notepad.exe", L"", (links / L"").wstring() + L"\\"));
  { std::ofstream blocker(links / L"file"); }
  EXPECT_FALSE(CreateShellLink(L"Zephyra", L"", L"C:\\windows\\notepad.exe", L"", (links / L"file" / L"x").wstring()));
  EXPECT_FALSE(fs::exists(links / L"file" / L"x.lnk"));
}

class ShortcutStep : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop_link_ = SpecialFolder(CSIDL_DESKTOP) / L"Zephyra.lnk";
    programs_dir_ = SpecialFolder(CSIDL_PROGRAMS) / L"Zephyra";
    ASSERT_FALSE(SpecialFolder(CSIDL_PROGRAMS).empty());
    Clean();
  }
  void TearDown() override { Clean(); }
  void Clean() {
    std::error_code ignored;
    fs::remove(desktop_link_, ignored);
    fs::remove_all(programs_dir_, ignored);
  }
  fs::path desktop_link_;
  fs::path programs_dir_;
};

TEST_F(ShortcutStep, WithoutDesktopChoiceThreeProgramLinks) {
  const fs::path install = InstallDirWithPayload(L"shortcuts-a");
  ASSERT_FALSE(fs::exists(programs_dir_));
  InstallJob job;
  job.installDir = install.wstring();
  EXPECT_TRUE(CreateShortcuts(job));
  EXPECT_FALSE(fs::exists(desktop_link_));
  ExpectLink(programs_dir_ / L"Zephyra.lnk", install / L"Zephyra.exe");
  ExpectLink(programs_dir_ / kWebName, install / L"Zephyra_WFP.url");
  ExpectLink(programs_dir_ / kUninstallName, install / L"uninst.exe");
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(programs_dir_)) files += entry.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 3u);
}

TEST_F(ShortcutStep, ReinstallWithDesktopChoiceReplacesEveryLink) {
  const fs::path first = InstallDirWithPayload(L"shortcuts-first");
  const fs::path second = InstallDirWithPayload(L"shortcuts-second");
  InstallJob job;
  job.installDir = first.wstring();
  job.desktopShortcut = true;
  EXPECT_TRUE(CreateShortcuts(job));
  ExpectLink(desktop_link_, first / L"Zephyra.exe");

  job.installDir = second.wstring() + L"\\";
  EXPECT_TRUE(CreateShortcuts(job));
  ExpectLink(desktop_link_, second / L"Zephyra.exe");
  ExpectLink(programs_dir_ / L"Zephyra.lnk", second / L"Zephyra.exe");
  ExpectLink(programs_dir_ / kWebName, second / L"Zephyra_WFP.url");
  ExpectLink(programs_dir_ / kUninstallName, second / L"uninst.exe");
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
