// The wizard and the confirmation dialog on real windows under Wine, with a
// stand-in skin (tests/app/wizard/test_skin.h) and recorded install steps: the
// dialog's styles, results, size and place; the wizard's window, fold-out,
// agreement option, close confirmation before and during the install (the
// install thread holds while the dialog is open), the install from the
// button to the closed window with the ring images in order and the
// completion animation answering the gate, and the unattended runs with and
// without a previous installation; the work due before the install, done
// right after the first frame of a shown wizard; the install folder's
// rules, the quit id, a failure during the confirmation and posts after the
// window is gone.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/install/install_folder_check.h"
#include "app/wizard/message_dlg.h"
#include "app/worker/ring_logic.h"
#include "app/wizard/setup_wnd.h"
#include "tests/app/worker/worker_fakes.h"
#include "tests/app/wizard/test_skin.h"
#include "tests/support/pump.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using testing_setup::TestSkinBuilder;
using testing_worker::Journal;
using testing_worker::Latch;
using testing_worker::RecordingActions;

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zephyra";
constexpr wchar_t kOldUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zephyra_WFP";

SIZE WindowSize(HWND hwnd) {
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  ::GetClassNameW(hwnd, name, 64);
  return name;
}

std::vector<std::string> Without(const std::vector<std::string>& events, const std::string& prefix) {
  std::vector<std::string> kept;
  for (const std::string& e : events) {
    if (e.rfind(prefix, 0) != 0) kept.push_back(e);
  }
  return kept;
}

bool Contains(const std::vector<std::string>& events, const std::string& event) {
  return std::find(events.begin(), events.end(), event) != events.end();
}

// The exit code of the last WM_QUIT that WaitGone took, or -1.
int g_quit_code = -1;

// Dispatches messages until `hwnd` is gone (or `timeoutMs` passed), keeping
// the code of a WM_QUIT seen meanwhile in g_quit_code.
bool WaitGone(HWND hwnd, const std::function<void()>& each = nullptr, DWORD timeoutMs = 10000) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (each) each();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        g_quit_code = static_cast<int>(msg.wParam);
        continue;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (!::IsWindow(hwnd)) {
      // The quit message is posted while the window is destroyed.
      while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) g_quit_code = static_cast<int>(msg.wParam);
      return true;
    }
    if (::GetTickCount() - start > timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

class SetupWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    YdWindowImplBase::SetDefaultSkinBuilder(&builder_);
    TakeQuit();
    g_quit_code = -1;
  }
  void TearDown() override {
    YdWindowImplBase::SetDefaultSkinBuilder(nullptr);
    TakeQuit();
  }
  static void RaiseClick(YdWindowImplBase& wnd, int id) {
    YdControl* control = wnd.GetPaintManager().ControlById(id);
    ASSERT_NE(control, nullptr) << id;
    wnd.GetPaintManager().RaiseNotify(control, kNotifyClick);
  }
  // The field as the shown wizard fills it at its initialisation, which a
  // hidden test window does not get.
  static void TypeFolder(YdWindowImplBase& wnd, const wchar_t* folder) {
    wnd.GetPaintManager().ControlById(kLocationEditId)->SetText(folder);
  }
  static bool Visible(YdWindowImplBase& wnd, int id) {
    YdControl* control = wnd.GetPaintManager().ControlById(id);
    return control != nullptr && control->IsVisible();
  }
  static void DeleteUninstallRecords() {
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUninstallKey);
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kOldUninstallKey);
  }

  TestSkinBuilder builder_;
};

// ---- The confirmation dialog ----

TEST_F(SetupWindowTest, DialogStyleSixHasOneButtonAndTheAlternateIcon) {
  YdMessageDlg dlg(nullptr, kDlgSingleButton | kDlgAlternateIcon);
  ASSERT_TRUE(::IsWindow(dlg.GetHWND()));
  EXPECT_EQ(ClassOf(dlg.GetHWND()), L"YdMessageDlg");
  YdPaintManager& pm = dlg.GetPaintManager();
  EXPECT_FALSE(pm.ControlById(kDlgDeclineId)->IsVisible());
  const RECT pad = pm.ControlById(kDlgConfirmId)->GetPadding();
  EXPECT_EQ(pad.left, 127);
  EXPECT_EQ(pad.top, 0);
  EXPECT_EQ(pad.right, 0);
  EXPECT_EQ(pad.bottom, 0);
  EXPECT_EQ(pm.ControlById(kDlgIconId)->GetNormalImage(), kAlternateIconImage);
  const SIZE size = WindowSize(dlg.GetHWND());
  EXPECT_EQ(size.cx, 300);
  EXPECT_EQ(size.cy, 140);
  // Without owner it is centred on the primary work area.
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT rc{};
  ::GetWindowRect(dlg.GetHWND(), &rc);
  EXPECT_NEAR((rc.left + rc.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((rc.top + rc.bottom) / 2, (work.top + work.bottom) / 2, 1);
  const DWORD style = static_cast<DWORD>(::GetWindowLongW(dlg.GetHWND(), GWL_STYLE));
  EXPECT_EQ(style & 0x86000000u, 0x86000000u);
  EXPECT_NE(::GetWindowLongW(dlg.GetHWND(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
}

TEST_F(SetupWindowTest, DialogStyleNineKeepsBothButtonsAndTheSkinIcon) {
  YdMessageDlg dlg(nullptr, kConfirmDialogStyle);
  YdPaintManager& pm = dlg.GetPaintManager();
  EXPECT_TRUE(pm.ControlById(kDlgDeclineId)->IsVisible());
  EXPECT_EQ(pm.ControlById(kDlgConfirmId)->GetPadding().left, 0);
  EXPECT_EQ(pm.ControlById(kDlgIconId)->GetNormalImage(), L"res='205' restype='PNG' source='0,0,44,44'");
  EXPECT_EQ(dlg.Result(), kDialogDeclined);
  EXPECT_TRUE(dlg.SetMessageText(L"text"));
  EXPECT_EQ(pm.ControlById(kDlgTextId)->GetText(), L"text");
  EXPECT_FALSE(dlg.SetControlText(999, L"none"));
}

TEST_F(SetupWindowTest, DialogTakesTheOwnersTitle) {
  const HWND owner = ::CreateWindowExW(0, L"STATIC", L"ydWifiSetup", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  {
    YdMessageDlg dlg(owner, kConfirmDialogStyle);
    wchar_t title[64] = {};
    ::GetWindowTextW(dlg.GetHWND(), title, 64);
    EXPECT_STREQ(title, L"ydWifiSetup");
    EXPECT_EQ(::GetWindow(dlg.GetHWND(), GW_OWNER), owner);
  }
  ::DestroyWindow(owner);
}

TEST_F(SetupWindowTest, DialogButtonsSetTheResultAndClose) {
  struct Case {
    int sender;
    int result;
  };
  for (const Case c : {Case{kDlgConfirmId, kDialogConfirmed}, Case{kDlgDeclineId, kDialogDeclined},
                       Case{kDlgCloseId, kDialogDeclined}}) {
    YdMessageDlg dlg(nullptr, kConfirmDialogStyle);
    const HWND hwnd = dlg.GetHWND();
    // The title and the text are no buttons: the dialog stays.
    RaiseClick(dlg, kDlgTextId);
    RaiseClick(dlg, kDlgTitleId);
    PumpFor(50);
    EXPECT_TRUE(::IsWindow(hwnd));
    RaiseClick(dlg, c.sender);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hwnd); })) << c.sender;
    EXPECT_EQ(dlg.Result(), c.result) << c.sender;
  }
}

YdMessageDlg* g_modal_dialog = nullptr;

// Clicks the confirm button of the running modal dialog (CALLBACK: a lambda
// would not convert on 32 bits).
void CALLBACK ConfirmModalDialog(HWND, UINT, UINT_PTR, DWORD) {
  if (g_modal_dialog == nullptr) return;
  YdControl* confirm = g_modal_dialog->GetPaintManager().ControlById(kDlgConfirmId);
  g_modal_dialog->GetPaintManager().RaiseNotify(confirm, kNotifyClick);
  g_modal_dialog = nullptr;
}

TEST_F(SetupWindowTest, RunModalReturnsWhenAButtonEndsTheDialog) {
  YdMessageDlg dlg(nullptr, kConfirmDialogStyle);
  g_modal_dialog = &dlg;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, ConfirmModalDialog);
  dlg.RunModal();
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(g_modal_dialog, nullptr);
  EXPECT_FALSE(::IsWindow(dlg.GetHWND()));
  EXPECT_EQ(dlg.Result(), kDialogConfirmed);
}

// ---- The wizard ----

TEST_F(SetupWindowTest, WizardWindowShowsTheDirectoryAndFoldsOut) {
  Journal journal;
  RecordingActions actions(&journal);
  YdSetupWnd wnd(L"C:\\Program Files (x86)\\WiFi", 0, &actions);
  ASSERT_TRUE(wnd.Created());
  const HWND hwnd = wnd.GetHWND();
  EXPECT_EQ(ClassOf(hwnd), L"ydSetupWndClass");
  const DWORD style = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE));
  EXPECT_EQ(style & 0x860A0000u, 0x860A0000u);
  const DWORD exStyle = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_EXSTYLE));
  // WS_EX_WINDOWEDGE (0x100) is dropped by the system for a window without
  // a frame; WS_EX_APPWINDOW stays.
  EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0u);
  wchar_t title[64] = {};
  ::GetWindowTextW(hwnd, title, 64);
  EXPECT_EQ(std::wstring(title), GetAppTitle());
  EXPECT_EQ(WindowSize(hwnd).cx, 500);
  EXPECT_EQ(WindowSize(hwnd).cy, 280);
  EXPECT_EQ(builder_.windows, std::vector<std::string>{"ydWifiSetupWnd"});

  // A wizard that takes input is topmost from the start; the first paint
  // raises notification 1, which gives the edit the directory.
  EXPECT_NE(::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  YdControl* edit = wnd.GetPaintManager().ControlById(kLocationEditId);
  ASSERT_TRUE(PumpUntil([&] { return edit->GetText() == L"C:\\Program Files (x86)\\WiFi"; }));

  RaiseClick(wnd, kFoldToggleId);
  EXPECT_TRUE(Visible(wnd, kCustomPaneId));
  EXPECT_EQ(WindowSize(hwnd).cx, 500);
  EXPECT_EQ(WindowSize(hwnd).cy, 350);
  RaiseClick(wnd, kFoldToggleId);
  EXPECT_FALSE(Visible(wnd, kCustomPaneId));
  EXPECT_EQ(WindowSize(hwnd).cy, 280);

  // 113 brings the one-click area back and folds the pane in.
  // (No control of the skin bears 113: the click comes from a stand-in.)
  RaiseClick(wnd, kFoldToggleId);
  wnd.GetPaintManager().ControlById(kOneClickAreaId)->SetVisible(false);
  EXPECT_TRUE(Visible(wnd, kCustomPaneId));
  YdNotifyMsg back;
  back.type = kNotifyClick;
  YdControl fake;
  fake.SetId(kBackToOneClickId);
  back.sender = &fake;
  wnd.Notify(back);
  EXPECT_TRUE(Visible(wnd, kOneClickAreaId));
  EXPECT_FALSE(Visible(wnd, kCustomPaneId));
  EXPECT_EQ(wnd.State(), InstallState::kIdle);
  EXPECT_TRUE(journal.Events().empty());
}

TEST_F(SetupWindowTest, AgreementOptionEnablesTheInstallButton) {
  Journal journal;
  RecordingActions actions(&journal);
  YdSetupWnd wnd(L"C:\\WiFi", 0, &actions);
  YdPaintManager& pm = wnd.GetPaintManager();
  YdControl* agreement = pm.ControlById(kAgreementOptionId);
  YdControl* install = pm.ControlById(kInstallButtonId);
  agreement->SetStateBits(agreement->GetStateBits() & ~kStateSelected);
  pm.RaiseNotify(agreement, kNotifySelectChanged);
  EXPECT_FALSE(install->IsEnabled());
  // Another option's change leaves the button alone.
  YdControl* desktop = pm.ControlById(kDesktopOptionId);
  agreement->SetStateBits(agreement->GetStateBits() | kStateSelected);
  pm.RaiseNotify(desktop, kNotifySelectChanged);
  EXPECT_FALSE(install->IsEnabled());
  pm.RaiseNotify(agreement, kNotifySelectChanged);
  EXPECT_TRUE(install->IsEnabled());
}

TEST_F(SetupWindowTest, ClosingOnTheWelcomePageAsksAndNoKeepsTheWizard) {
  Journal journal;
  RecordingActions actions(&journal);
  bool overlay_while_asking = false;
  std::vector<std::wstring> texts;
  bool decline_visible = false;
  int answer = kDialogDeclined;
  YdSetupWnd* self = nullptr;
  YdSetupWnd wnd(L"C:\\WiFi", 0, &actions, [&](YdMessageDlg& dlg) {
    overlay_while_asking = self->GetPaintManager().ControlById(kOverlayId)->IsVisible();
    YdPaintManager& pm = dlg.GetPaintManager();
    for (int id : {kDlgTitleId, kDlgTextId, kDlgConfirmId, kDlgDeclineId}) {
      texts.push_back(pm.ControlById(id)->GetText());
    }
    decline_visible = pm.ControlById(kDlgDeclineId)->IsVisible();
    EXPECT_EQ(::GetWindow(dlg.GetHWND(), GW_OWNER), self->GetHWND());
    return answer;
  });
  self = &wnd;
  const HWND hwnd = wnd.GetHWND();
  RaiseClick(wnd, kCloseButtonId);
  ASSERT_TRUE(PumpUntil([&] { return wnd.ConfirmationsAsked() == 1; }));
  PumpFor(50);
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_TRUE(overlay_while_asking);
  EXPECT_FALSE(Visible(wnd, kOverlayId));
  EXPECT_TRUE(decline_visible);
  EXPECT_EQ(texts, (std::vector<std::wstring>{kConfirmTitle, kConfirmText, kConfirmYes, kConfirmNo}));
  EXPECT_EQ(TakeQuit(), -1);

  answer = kDialogConfirmed;
  RaiseClick(wnd, kCloseButtonId);
  ASSERT_TRUE(WaitGone(hwnd));
  EXPECT_EQ(wnd.ConfirmationsAsked(), 2);
  EXPECT_EQ(g_quit_code, 0);
  EXPECT_EQ(wnd.Worker(), nullptr);
  EXPECT_EQ(wnd.ExitCode(), kExitOk);
  EXPECT_TRUE(journal.Events().empty());
}

TEST_F(SetupWindowTest, InstallButtonRunsTheInstallToTheClosedWindow) {
  Journal journal;
  RecordingActions actions(&journal);
  YdSetupWnd wnd(L"C:\\WiFi", 0, &actions);
  const HWND hwnd = wnd.GetHWND();
  // The user typed a directory and cleared the desktop shortcut.
  wnd.GetPaintManager().ControlById(kLocationEditId)->SetText(L"C:\\Typed Place");
  YdControl* desktop = wnd.GetPaintManager().ControlById(kDesktopOptionId);
  desktop->SetStateBits(desktop->GetStateBits() & ~kStateSelected);
  // Never painted, the wizard does the work due before the install when
  // the install starts.
  wnd.SetBeforeInstall([&] { journal.Add("stop processes"); });
  RaiseClick(wnd, kFoldToggleId);  // the progress page comes at the minimum size
  RaiseClick(wnd, kInstallButtonId);
  EXPECT_FALSE(Visible(wnd, kWelcomePageId));
  EXPECT_FALSE(Visible(wnd, kFoldToggleId));
  EXPECT_TRUE(Visible(wnd, kProgressPageId));
  EXPECT_EQ(WindowSize(hwnd).cy, 280);
  EXPECT_EQ(wnd.InstallDir(), L"C:\\Typed Place");
  ASSERT_TRUE(WaitGone(hwnd));
  EXPECT_EQ(g_quit_code, 0);
  ASSERT_NE(wnd.Worker(), nullptr);
  ASSERT_TRUE(wnd.Worker()->WaitDone(std::chrono::milliseconds(5000)));
  EXPECT_EQ(wnd.Worker()->Outcome(), InstallOutcome::kInstalled);
  // The thread left the gate because the animation ended, not by time.
  EXPECT_TRUE(wnd.Worker()->GateAnswered());
  EXPECT_EQ(wnd.ExitCode(), kExitOk);
  EXPECT_EQ(Without(journal.Events(), "ring:"),
            (std::vector<std::string>{"stop processes", "unpack", "service", "driver", "registration",
                                      "shortcuts", "report", "launch"}));
  const InstallJob& job = wnd.Worker()->Job();
  EXPECT_EQ(job.installDir, L"C:\\Typed Place");
  EXPECT_FALSE(job.desktopShortcut);
  EXPECT_TRUE(job.autostart);

  // Ring images in order, then the eight completion frames.
  std::vector<std::wstring> shown = builder_.ring->images;
  shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
  std::vector<std::wstring> expected;
  for (unsigned step = 10; step <= 13; ++step) expected.push_back(RingImageForStep(step));
  for (const std::wstring& frame : CompletionFrames()) {
    if (frame != expected.back()) expected.push_back(frame);
  }
  EXPECT_EQ(shown, expected);
}

TEST_F(SetupWindowTest, ShownWizardDoesTheWorkBeforeTheInstallRightAfterItsFirstFrame) {
  YdWindowShadow::InitializeShadows(::GetModuleHandleW(nullptr));  // as the program does; once per process
  Journal journal;
  RecordingActions actions(&journal);
  YdSetupWnd wnd(L"C:\\WiFi", 0, &actions);
  const HWND hwnd = wnd.GetHWND();
  YdControl* edit = wnd.GetPaintManager().ControlById(kLocationEditId);
  int runs = 0;
  bool painted_first = false;
  wnd.SetBeforeInstall([&] {
    ++runs;
    painted_first = edit->GetText() == L"C:\\WiFi";  // filled by the first paint
  });
  PumpFor(50);
  EXPECT_EQ(runs, 0) << "ran before the window was shown";
  EXPECT_EQ(wnd.Shadow().GetShadowWindow(), nullptr);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  ASSERT_TRUE(PumpUntil([&] { return runs == 1; }));
  EXPECT_TRUE(painted_first);
  // The shadow, a window of its own, comes with that work.
  const HWND shadow = wnd.Shadow().GetShadowWindow();
  ASSERT_NE(shadow, nullptr);
  EXPECT_TRUE(::IsWindowVisible(shadow));
  EXPECT_EQ(::GetWindow(shadow, GW_OWNER), hwnd);
  // Once: the install does not do it again.
  RaiseClick(wnd, kInstallButtonId);
  ASSERT_TRUE(WaitGone(hwnd));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(journal.Events().front(), "unpack");
}

TEST_F(SetupWindowTest, FailedExtractionExplainsItselfAndEndsWithItsCode) {
  Journal journal;
  RecordingActions actions(&journal);
  actions.unpackResult = false;
  int dialogs = 0;
  bool decline_visible = true;
  std::wstring text;
  std::wstring caption;
  YdSetupWnd* self = nullptr;
  YdSetupWnd wnd(L"C:\\WiFi", 0, &actions, [&](YdMessageDlg& dlg) {
    ++dialogs;
    decline_visible = dlg.GetPaintManager().ControlById(kDlgDeclineId)->IsVisible();
    text = dlg.GetPaintManager().ControlById(kDlgTextId)->GetText();
    caption = self->GetPaintManager().ControlById(kProgressCaptionId)->GetText();
    return kDialogConfirmed;
  });
  self = &wnd;
  const HWND hwnd = wnd.GetHWND();
  TypeFolder(wnd, L"C:\\WiFi");
  RaiseClick(wnd, kInstallButtonId);
  ASSERT_TRUE(WaitGone(hwnd));
  EXPECT_EQ(dialogs, 1);
  EXPECT_FALSE(decline_visible);
  EXPECT_EQ(text, kInstallFailedExplanation);
  EXPECT_EQ(caption, kInstallFailedText);
  EXPECT_EQ(wnd.Worker()->Outcome(), InstallOutcome::kExtractionFailed);
  EXPECT_EQ(wnd.ExitCode(), kExitExtractionFailed);
  EXPECT_EQ(Without(journal.Events(), "ring:"), (std::vector<std::string>{"unpack", "after-failed"}));
  EXPECT_EQ(wnd.ConfirmationsAsked(), 0);  // closed without asking
  EXPECT_EQ(g_quit_code, 0);
}

// The install thread blocks inside the service step until the test lets it
// go, so the close request comes while it runs.
struct BlockedService {
  Journal journal;
  RecordingActions actions{&journal};
  Latch in_service_release;
  BlockedService() {
    actions.hookStep = "service";
    actions.hook = [this] { in_service_release.Wait(); };
  }
};

TEST_F(SetupWindowTest, ClosingDuringTheInstallHoldsTheThreadAndNoResumes) {
  BlockedService run;
  bool driver_ran_while_asking = true;
  YdSetupWnd wnd(L"C:\\WiFi", 0, &run.actions, [&](YdMessageDlg&) {
    run.in_service_release.Release();
    PumpFor(400);  // the thread reaches its next check point and holds
    driver_ran_while_asking = Contains(run.journal.Events(), "driver");
    return kDialogDeclined;
  });
  const HWND hwnd = wnd.GetHWND();
  TypeFolder(wnd, L"C:\\WiFi");
  RaiseClick(wnd, kInstallButtonId);
  ASSERT_TRUE(run.journal.WaitFor("service"));
  EXPECT_EQ(wnd.State(), InstallState::kRunning);
  ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitGone(hwnd));
  EXPECT_EQ(wnd.ConfirmationsAsked(), 1);
  EXPECT_FALSE(driver_ran_while_asking);
  ASSERT_TRUE(wnd.Worker()->WaitDone(std::chrono::milliseconds(5000)));
  EXPECT_EQ(wnd.Worker()->Outcome(), InstallOutcome::kInstalled);
  EXPECT_TRUE(Contains(run.journal.Events(), "launch"));
  EXPECT_EQ(g_quit_code, 0);
}

TEST_F(SetupWindowTest, ClosingDuringTheInstallAndYesEndsWithoutLaunching) {
  BlockedService run;
  YdSetupWnd wnd(L"C:\\WiFi", 0, &run.actions, [&](YdMessageDlg&) {
    run.in_service_release.Release();
    return kDialogConfirmed;
  });
  const HWND hwnd = wnd.GetHWND();
  TypeFolder(wnd, L"C:\\WiFi");
  RaiseClick(wnd, kInstallButtonId);
  ASSERT_TRUE(run.journal.WaitFor("service"));
  ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitGone(hwnd));
  ASSERT_TRUE(wnd.Worker()->WaitDone(std::chrono::milliseconds(5000)));
  EXPECT_EQ(wnd.Worker()->Outcome(), InstallOutcome::kCancelled);
  const std::vector<std::string> events = run.journal.Events();
  EXPECT_FALSE(Contains(events, "driver"));
  EXPECT_FALSE(Contains(events, "report"));
  EXPECT_FALSE(Contains(events, "launch"));
  EXPECT_GE(run.actions.cancelCalls.load(), 1);
  EXPECT_EQ(wnd.ExitCode(), kExitOk);
  EXPECT_EQ(g_quit_code, 0);
}

TEST_F(SetupWindowTest, UnattendedWithoutPreviousInstallationEndsWithoutAsking) {
  DeleteUninstallRecords();
  Journal journal;
  RecordingActions actions(&journal);
  YdSetupWnd wnd(L"C:\\WiFi", 0x10, &actions);
  const HWND hwnd = wnd.GetHWND();
  ASSERT_TRUE(wnd.Created());
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  EXPECT_EQ(::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(wnd.NoPreviousInstall());
  ASSERT_TRUE(WaitGone(hwnd));
  EXPECT_EQ(wnd.ConfirmationsAsked(), 0);
  EXPECT_EQ(wnd.Worker(), nullptr);
  EXPECT_EQ(wnd.ExitCode(), kExitNoPreviousInstall);
  EXPECT_TRUE(journal.Events().empty());
  EXPECT_EQ(g_quit_code, 0);
}

TEST_F(SetupWindowTest, UnattendedInstallsOverThePreviousDirectoryWithoutAWindow) {
  DeleteUninstallRecords();
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring dir = std::wstring(temp) + L"yd_setup_wnd_previous";
  ::CreateDirectoryW(dir.c_str(), nullptr);
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
            ERROR_SUCCESS);
  const std::wstring value = dir + L"\\uninst.exe";
  ::RegSetValueExW(key, L"UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(key);

  Journal journal;
  RecordingActions actions(&journal);
  bool ever_visible = false;
  {
    YdSetupWnd wnd(L"C:\\WiFi", 0x1F, &actions);
    const HWND hwnd = wnd.GetHWND();
    ASSERT_NE(wnd.Worker(), nullptr);
    EXPECT_EQ(wnd.InstallDir(), dir);
    ASSERT_TRUE(WaitGone(hwnd, [&] { ever_visible = ever_visible || ::IsWindowVisible(hwnd); }));
    ASSERT_TRUE(wnd.Worker()->WaitDone(std::chrono::milliseconds(5000)));
    EXPECT_EQ(wnd.Worker()->Outcome(), InstallOutcome::kInstalled);
    EXPECT_EQ(wnd.Worker()->Job().installDir, dir);
    EXPECT_TRUE(wnd.Worker()->Job().desktopShortcut);  // skin default
    EXPECT_EQ(wnd.ExitCode(), kExitOk);
    EXPECT_EQ(wnd.ConfirmationsAsked(), 0);
  }
  EXPECT_FALSE(ever_visible);
  // Mode 0x1F: only the service step, then report and launch.
  EXPECT_EQ(Without(journal.Events(), "ring:"),
            (std::vector<std::string>{"service", "report-autoupdate", "launch"}));
  DeleteUninstallRecords();
  ::RemoveDirectoryW(dir.c_str());
  EXPECT_EQ(g_quit_code, 0);
}

// ---- The install folder's rules, quit, and the install thread's posts ----

TEST_F(SetupWindowTest, FolderThatBreaksARuleKeepsTheWelcomePageWithAOneButtonMessage) {
  Journal journal;
  RecordingActions actions(&journal);
  std::vector<std::wstring> texts;
  int with_decline = 0;
  YdSetupWnd wnd(L"C:\\WiFi", 0, &actions, [&](YdMessageDlg& dlg) {
    texts.push_back(dlg.GetPaintManager().ControlById(kDlgTextId)->GetText());
    if (dlg.GetPaintManager().ControlById(kDlgDeclineId)->IsVisible()) ++with_decline;
    return kDialogConfirmed;
  });
  const HWND hwnd = wnd.GetHWND();
  YdControl* edit = wnd.GetPaintManager().ControlById(kLocationEditId);
  const struct {
    std::wstring folder;
    FolderProblem problem;
  } bad[] = {
      {L"", FolderProblem::kEmpty},
      {L"WiFi", FolderProblem::kNotAbsolute},
      {L"C:\\", FolderProblem::kDriveRoot},
      {L"C:\\Wi*Fi", FolderProblem::kForbiddenCharacter},
      {L"C:\\WiFi.", FolderProblem::kBadNameEnd},
      {L"C:\\aux\\WiFi", FolderProblem::kDeviceName},
      {L"C:\\" + std::wstring(260, L'x'), FolderProblem::kTooLong},
      {L"Q:\\WiFi", FolderProblem::kNoSuchDrive},
  };
  for (const auto& c : bad) {
    edit->SetText(c.folder);
    RaiseClick(wnd, kInstallButtonId);
    EXPECT_EQ(wnd.InstallFolderProblem(), c.problem);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), FolderProblemMessage(c.problem));
    EXPECT_TRUE(Visible(wnd, kWelcomePageId));
    EXPECT_FALSE(Visible(wnd, kProgressPageId));
    EXPECT_EQ(wnd.Worker(), nullptr);
  }
  EXPECT_EQ(texts.size(), std::size(bad));
  EXPECT_EQ(with_decline, 0);
  EXPECT_TRUE(journal.Events().empty());
  // A good folder then installs as usual.
  edit->SetText(L"C:\\Program Files (x86)\\WiFi\\");
  RaiseClick(wnd, kInstallButtonId);
  ASSERT_NE(wnd.Worker(), nullptr);
  ASSERT_TRUE(WaitGone(hwnd));
  EXPECT_EQ(wnd.ExitCode(), kExitOk);
  EXPECT_TRUE(Contains(journal.Events(), "launch"));
}

TEST_F(SetupWindowTest, UnattendedWithABadPreviousFolderEndsWithItsCodeAndStartsNothing) {
  DeleteUninstallRecords();
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
            ERROR_SUCCESS);
  const std::wstring value = L"C:\\uninst.exe";  // its folder is the drive-relative "C:"
  ::RegSetValueExW(key, L"UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(key);
  Journal journal;
  RecordingActions actions(&journal);
  YdSetupWnd wnd(L"C:\\WiFi", 0x10, &actions);
  ASSERT_TRUE(WaitGone(wnd.GetHWND()));
  EXPECT_EQ(wnd.InstallFolderProblem(), FolderProblem::kDriveRoot);
  EXPECT_EQ(wnd.Worker(), nullptr);
  EXPECT_EQ(wnd.ConfirmationsAsked(), 0);
  EXPECT_EQ(wnd.ExitCode(), kExitBadInstallFolder);
  EXPECT_TRUE(journal.Events().empty());
  DeleteUninstallRecords();
}

TEST_F(SetupWindowTest, QuitDuringTheInstallCancelsIt) {
  BlockedService run;
  YdSetupWnd wnd(L"C:\\WiFi", 0, &run.actions);
  TypeFolder(wnd, L"C:\\WiFi");
  RaiseClick(wnd, kInstallButtonId);
  ASSERT_TRUE(run.journal.WaitFor("service"));
  YdControl quit;  // no control of the skin bears id 120
  quit.SetId(kQuitButtonId);
  YdNotifyMsg click;
  click.type = kNotifyClick;
  click.sender = &quit;
  wnd.Notify(click);
  run.in_service_release.Release();
  ASSERT_TRUE(wnd.Worker()->WaitDone(std::chrono::milliseconds(6000)));
  EXPECT_EQ(wnd.Worker()->Outcome(), InstallOutcome::kCancelled);
  EXPECT_FALSE(Contains(run.journal.Events(), "report"));
  EXPECT_FALSE(Contains(run.journal.Events(), "launch"));
  EXPECT_EQ(TakeQuit(), 0);
}

TEST_F(SetupWindowTest, FailureThatComesDuringTheConfirmationIsExplainedAfterIt) {
  Journal journal;
  RecordingActions actions(&journal);
  Latch unpacking;
  actions.unpackBody = [&](YdUnpakerProgress&) { unpacking.Wait(); };
  actions.unpackResult = false;
  int depth = 0;
  int deepest = 0;
  std::vector<std::wstring> texts;
  HWND hwnd = nullptr;
  YdSetupWnd wnd(L"C:\\WiFi", 0, &actions, [&](YdMessageDlg& dlg) {
    deepest = std::max(deepest, ++depth);
    texts.push_back(dlg.GetPaintManager().ControlById(kDlgTextId)->GetText());
    if (texts.size() == 1) {
      // The thread passed its last check point just before the close
      // request: its failure arrives while the question is open.
      ::PostMessageW(hwnd, kInstallFailedMessage, 0, 0);
      PumpFor(300);
    }
    --depth;
    return kDialogDeclined;
  });
  hwnd = wnd.GetHWND();
  TypeFolder(wnd, L"C:\\WiFi");
  RaiseClick(wnd, kInstallButtonId);
  ASSERT_TRUE(journal.WaitFor("unpack"));
  ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
  const bool gone = WaitGone(hwnd);
  unpacking.Release();
  ASSERT_TRUE(gone);
  EXPECT_EQ(deepest, 1);  // never a dialog inside the confirmation
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], kConfirmText);
  EXPECT_EQ(texts[1], kInstallFailedExplanation);
}

TEST_F(SetupWindowTest, NothingIsPostedForTheWindowOnceItIsGone) {
  Journal journal;
  RecordingActions actions(&journal);
  Latch go;
  actions.unpackBody = [&](YdUnpakerProgress&) {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the install thread gets a queue
    go.Wait();
  };
  std::atomic<bool> stray{false};
  // After ring step 10 was posted: a post meant for the window but given a
  // cleared handle lands in the posting thread's own queue.
  actions.hookStep = "driver";
  actions.hook = [&] {
    MSG msg;
    stray = ::PeekMessageW(&msg, nullptr, kInstallStepMessage, kInstallStepMessage, PM_REMOVE) != FALSE;
  };
  YdSetupWnd wnd(L"C:\\WiFi", 0, &actions);
  const HWND hwnd = wnd.GetHWND();
  TypeFolder(wnd, L"C:\\WiFi");
  RaiseClick(wnd, kInstallButtonId);
  ASSERT_TRUE(journal.WaitFor("unpack"));
  ::DestroyWindow(hwnd);
  go.Release();
  ASSERT_TRUE(wnd.Worker()->WaitDone(std::chrono::milliseconds(10000)));
  EXPECT_TRUE(Contains(journal.Events(), "driver"));
  EXPECT_FALSE(stray.load());
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
