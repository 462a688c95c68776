// active_x_fixture.h -- test scaffolding of the ActiveX host: OLE for the
// test thread, the test control's classes registered for the process, a
// literal skin built into the shared test window (300 x 200) with or
// without a first paint, and pixels read back.
#pragma once

#include <string>

#include "common/scoped_com.h"
#include "tests/ui/controls/activex/test_ole_object.h"
#include "tests/ui/manager/manager_fixture.h"
#include "ui/controls/activex/active_x.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

// The braced text of a class id.
std::wstring ClsidText(const CLSID& clsid);
// Full path of the test control's DLL (next to the test program).
std::wstring TestDllPath();

class ActiveXTest : public ManagerTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Builds `skin` and attaches it; `paint` also paints it once (which lays
  // it out). Fails the test when nothing is built.
  YdControl* Build(const std::wstring& skin, bool paint = true);
  YdActiveX* Host(const wchar_t* name) {
    YdControl* c = manager_->ControlByName(name);
    return c == nullptr ? nullptr : static_cast<YdActiveX*>(c->QueryKind(kKindActiveX));
  }
  uint32_t Pixel(int x, int y) {
    PaintNow(hwnd_);
    return OffscreenPixel(*manager_, x, y);
  }
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(hwnd_, msg, wParam, lParam); }

  ScopedOleInitialize ole_;
  ztest_ole::Registration* registration_ = nullptr;
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
