// setup_dpi_test.cpp -- ZephyraSetup.exe at the display scale of the Wine
// prefix (HKCU\Control Panel\Desktop\LogPixels; run_dpi_tests sets 96, 120,
// 144 and 192 in a prefix of its own and runs this program at each). The
// wizard, its fold-out pane and the confirmation dialog have their 96-DPI
// sizes times DPI / 96, clicks at the scaled places hit the same controls,
// a one-click install works at 144, and at 192 the wizard is crisper than
// the 96-DPI picture enlarged twice. Screenshots: wizard-<dpi>.bmp.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/wizard/setup_wnd_logic.h"
#include "tests/support/screen_shot.h"
#include "ui/values/dpi_scale.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

int PrefixDpi() {
  DWORD dpi = 0;
  DWORD size = sizeof(dpi);
  if (::RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", RRF_RT_REG_DWORD, nullptr, &dpi,
                     &size) != ERROR_SUCCESS) {
    return 96;
  }
  return static_cast<int>(dpi);
}

std::wstring SetupPath() {
  const std::string unix(YD_SETUP_EXE);
  std::wstring path = L"Z:" + std::wstring(unix.begin(), unix.end());
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

class SetupRun {
 public:
  SetupRun() {
    std::wstring command = L"\"" + SetupPath() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    started_ = ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_) != FALSE;
  }
  ~SetupRun() {
    if (!started_) return;
    if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(pi_.hProcess, 99);
    ::CloseHandle(pi_.hThread);
    ::CloseHandle(pi_.hProcess);
  }
  bool Started() const { return started_; }
  int Wait(DWORD ms) {
    if (::WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(pi_.hProcess, &code);
    return static_cast<int>(code);
  }
  HWND FindWindowOf(const wchar_t* className, DWORD ms = 15000) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
      for (HWND w = ::FindWindowW(className, nullptr); w != nullptr; w = ::FindWindowExW(nullptr, w, className, nullptr)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(w, &pid);
        if (pid == pi_.dwProcessId && ::IsWindowVisible(w)) return w;
      }
      ::Sleep(50);
    }
    return nullptr;
  }

 private:
  PROCESS_INFORMATION pi_{};
  bool started_ = false;
};

// A click at a 96-DPI client point, placed where the scaled window has it.
void ClickAt(HWND hwnd, YdDpiScale scale, int x, int y) {
  const LPARAM at = MAKELPARAM(scale.Scale(x), scale.Scale(y));
  ::PostMessageW(hwnd, WM_MOUSEMOVE, 0, at);
  ::PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
}

SIZE WindowSize(HWND hwnd) {
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void ExpectSize(HWND hwnd, YdDpiScale scale, int cx, int cy) {
  const SIZE size = WindowSize(hwnd);
  EXPECT_EQ(size.cx, scale.Scale(cx)) << "at " << scale.Dpi() << " DPI";
  EXPECT_EQ(size.cy, scale.Scale(cy)) << "at " << scale.Dpi() << " DPI";
}

TEST(SetupDpiTest, WizardFoldOutAndDialogFollowTheScale) {
  const YdDpiScale scale(PrefixDpi());
  SetupRun setup;
  ASSERT_TRUE(setup.Started());
  const HWND wizard = setup.FindWindowOf(L"ydSetupWndClass");
  ASSERT_NE(wizard, nullptr);
  ExpectSize(wizard, scale, 500, 280);
  // Wholly on the screen, so the screen copy can read every pixel.
  ::SetWindowPos(wizard, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::Sleep(700);  // the first paint
  const SIZE size = WindowSize(wizard);
  ScreenShot shot(wizard, size);
  EXPECT_TRUE(shot.Save("wizard-" + std::to_string(scale.Dpi()) + ".bmp"));
  // The install button's blue sits at its scaled place (180,215 140 x 38;
  // a point left of its label).
  const uint32_t button = shot.At({scale.Scale(192), scale.Scale(234)});
  EXPECT_GT(button & 0xFF, 0xC0u) << std::hex << button;           // blue channel high
  EXPECT_LT((button >> 16) & 0xFF, 0x80u) << std::hex << button;   // red channel low

  ClickAt(wizard, scale, 486, 266);  // the fold toggle, 13 x 13 at 480,260
  ::Sleep(600);
  ExpectSize(wizard, scale, 500, 350);
  ClickAt(wizard, scale, 486, 266);
  ::Sleep(600);
  ExpectSize(wizard, scale, 500, 280);

  ClickAt(wizard, scale, 487, 12);  // the close button asks first
  const HWND dialog = setup.FindWindowOf(L"YdMessageDlg");
  ASSERT_NE(dialog, nullptr);
  ExpectSize(dialog, scale, 300, 140);
  ::Sleep(300);
  ClickAt(dialog, scale, 200, 113);  // "否": the wizard stays
  ASSERT_EQ(setup.Wait(800), -1);
  EXPECT_TRUE(::IsWindow(wizard));
  ::PostMessageW(wizard, WM_CLOSE, 0, 0);
  const HWND again = setup.FindWindowOf(L"YdMessageDlg");
  ASSERT_NE(again, nullptr);
  ::Sleep(300);
  ClickAt(again, scale, 120, 113);  // "是"
  EXPECT_EQ(setup.Wait(15000), kExitOk);
}

TEST(SetupDpiTest, OneClickInstallAtTheScaledButton) {
  const YdDpiScale scale(PrefixDpi());
  if (scale.Dpi() != 144) GTEST_SKIP() << "the install runs at 144 DPI only";
  SetupRun setup;
  ASSERT_TRUE(setup.Started());
  const HWND wizard = setup.FindWindowOf(L"ydSetupWndClass");
  ASSERT_NE(wizard, nullptr);
  ::Sleep(500);
  ClickAt(wizard, scale, 250, 233);
  EXPECT_EQ(setup.Wait(60000), kExitOk);
  const std::wstring dir = L"C:\\Program Files (x86)\\WiFi";
  for (const wchar_t* file : {L"\\Zephyra.exe", L"\\ydcoresrv.exe", L"\\uninst.exe"}) {
    EXPECT_NE(::GetFileAttributesW((dir + file).c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

TEST(SetupDpiTest, TwiceTheDpiIsCrisperThanTheEnlargedPicture) {
  const YdDpiScale scale(PrefixDpi());
  if (scale.Dpi() != 192) GTEST_SKIP() << "compared at 192 DPI only";
  ScreenShot at96, at192;
  ASSERT_TRUE(at96.Load("wizard-96.bmp")) << "the 96-DPI run leaves wizard-96.bmp";
  ASSERT_TRUE(at192.Load("wizard-192.bmp"));
  ASSERT_EQ(at192.Width(), 2 * at96.Width());
  const double enlarged = EdgeEnergy(EnlargeBilinear(at96, 2));
  const double native = EdgeEnergy(at192);
  std::printf("edge energy: 192 DPI %.1f, 96 DPI enlarged 2x bilinear %.1f, ratio %.2f\n", native, enlarged,
              enlarged > 0 ? native / enlarged : 0.0);
  EXPECT_GT(native, 1.5 * enlarged);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
