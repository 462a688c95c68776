// The previous-installation lookup against the registry under Wine: the
// product's key first, the older key only when the first is missing, the
// value's type and terminator, an uninstaller directory that must exist, and
// a long path.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "app/worker/previous_install.h"
#include "app/install/registration_logic.h"
#include "tests/app/install/install_test_support.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_support;

// Writes `bytes` raw as value "UninstallString" of HKLM `key`.
void WriteValue(const std::wstring& key, DWORD type, const void* bytes, DWORD size) {
  HKEY raw = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(::RegSetValueExW(raw, L"UninstallString", 0, type, static_cast<const BYTE*>(bytes), size), ERROR_SUCCESS);
  ::RegCloseKey(raw);
}

void WriteString(const std::wstring& key, const std::wstring& text) {
  WriteValue(key, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

class PreviousInstall : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  static void Clear() {
    DeleteMachineTree(kUninstallKey);
    DeleteMachineTree(kUninstallFallbackKey);
  }
  std::wstring found_ = L"untouched";
};

TEST_F(PreviousInstall, NoRecordFindsNothing) {
  EXPECT_FALSE(FindPreviousInstallDir(&found_));
  EXPECT_EQ(found_, L"untouched");
}

TEST_F(PreviousInstall, TheProductKeyGivesTheUninstallersDirectory) {
  const fs::path dir = FreshDir(L"previous-main");
  WriteString(kUninstallKey, dir.wstring() + L"\\uninst.exe");
  WriteString(kUninstallFallbackKey, FreshDir(L"previous-other").wstring() + L"\\uninst.exe");
  ASSERT_TRUE(FindPreviousInstallDir(&found_));
  EXPECT_EQ(found_, dir.wstring());
}

TEST_F(PreviousInstall, TheOlderKeyCountsOnlyWhenTheProductKeyIsMissing) {
  const fs::path dir = FreshDir(L"previous-wfp");
  WriteString(kUninstallFallbackKey, dir.wstring() + L"\\uninst.exe");
  ASSERT_TRUE(FindPreviousInstallDir(&found_));
  EXPECT_EQ(found_, dir.wstring());

  // The product key exists but names nothing: the older key is not read.
  const DWORD zero = 0;
  WriteValue(kUninstallKey, REG_DWORD, &zero, sizeof(zero));
  found_ = L"untouched";
  EXPECT_FALSE(FindPreviousInstallDir(&found_));
  EXPECT_EQ(found_, L"untouched");
}

TEST_F(PreviousInstall, MissingDirectoriesFilesAndBadValuesFindNothing) {
  const fs::path base = FreshDir(L"previous-bad");
  WriteString(kUninstallKey, (base / L"gone").wstring() + L"\\uninst.exe");
  EXPECT_FALSE(FindPreviousInstallDir(&found_));

  const fs::path file = base / L"a file";
  { std::ofstream(file) << "x"; }
  WriteString(kUninstallKey, file.wstring() + L"\\uninst.exe");
  EXPECT_FALSE(FindPreviousInstallDir(&found_));

  WriteString(kUninstallKey, L"uninst.exe");  // no "\"
  EXPECT_FALSE(FindPreviousInstallDir(&found_));

  WriteString(kUninstallKey, L"");
  EXPECT_FALSE(FindPreviousInstallDir(&found_));

  const std::wstring unterminated = base.wstring() + L"\\uninst.exe";
  WriteValue(kUninstallKey, REG_SZ, unterminated.c_str(), static_cast<DWORD>(unterminated.size() * sizeof(wchar_t)));
  const auto stored = ReadMachineValue(kUninstallKey, L"UninstallString");
  ASSERT_TRUE(stored.has_value());
  if (!stored->storedWithZero) {  // some registries add the zero themselves
    EXPECT_FALSE(FindPreviousInstallDir(&found_));
    EXPECT_EQ(found_, L"untouched");
  } else {
    std::printf("note: this registry stored the string with a terminator (%lu bytes)\n",
                static_cast<unsigned long>(stored->bytes));
  }

  WriteString(kUninstallKey, base.wstring() + L"\\uninst.exe");  // and a good one after all that
  EXPECT_TRUE(FindPreviousInstallDir(&found_));
  EXPECT_EQ(found_, base.wstring());
}

TEST_F(PreviousInstall, AnExpandStringCountsAsAString) {
  const fs::path dir = FreshDir(L"previous-expand");
  const std::wstring text = dir.wstring() + L"\\uninst.exe";
  WriteValue(kUninstallKey, REG_EXPAND_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  ASSERT_TRUE(FindPreviousInstallDir(&found_));
  EXPECT_EQ(found_, dir.wstring());
}

TEST_F(PreviousInstall, PathsLongerThan129CharactersAreFound) {
  // The install location edit takes 512 characters; a record of a deep
  // directory must still lead the update back to it.
  fs::path dir = FreshDir(L"previous-long");
  while (dir.wstring().size() < 200) dir /= L"a rather long folder name";
  fs::create_directories(dir);
  const std::wstring text = dir.wstring() + L"\\uninst.exe";
  ASSERT_GT(text.size(), 129u);
  WriteString(kUninstallKey, text);
  ASSERT_TRUE(FindPreviousInstallDir(&found_));
  EXPECT_EQ(found_, dir.wstring());
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
