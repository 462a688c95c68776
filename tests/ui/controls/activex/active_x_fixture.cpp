// active_x_fixture.cpp -- building the literal skins of the host's tests.
#include "tests/ui/controls/activex/active_x_fixture.h"

#include "ui/controls/activex/active_x_controls.h"
#include "ui/controls/basic/basic_controls.h"
#include "tests/support/skin_window_fixture.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

std::wstring ClsidText(const CLSID& clsid) {
  wchar_t text[64] = {};
  ::StringFromGUID2(clsid, text, 64);
  return text;
}

std::wstring TestDllPath() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path);
  dir.resize(dir.find_last_of(L"\\/") + 1);
  return dir + L"yd_test_ole_control.dll";
}

void ActiveXTest::SetUp() {
  ManagerTest::SetUp();
  ASSERT_TRUE(ole_.Succeeded());
  registration_ = new ztest_ole::Registration();
  ASSERT_TRUE(registration_->Ok());
  ztest_ole::Reset();
}

void ActiveXTest::TearDown() {
  ManagerTest::TearDown();  // deletes the manager and with it the tree
  EXPECT_EQ(ztest_ole::Stats().live, 0) << "a test object outlived its host";
  delete registration_;
  registration_ = nullptr;
}

YdControl* ActiveXTest::Build(const std::wstring& skin, bool paint) {
  RegisterBasicControls();
  RegisterActiveXControls();
  YdControl* root = BuildLiteralSkin(manager_, skin, nullptr, &listener_);
  if (root == nullptr) return nullptr;
  if (paint) PaintNow(hwnd_);
  notes_.clear();
  return root;
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
