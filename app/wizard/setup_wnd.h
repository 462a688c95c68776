// setup_wnd.h -- YdSetupWnd, the setup wizard: the skinned, borderless
// window built from the skin window "ydWifiSetupWnd" with the welcome page,
// the fold-out pane and the progress page. It answers its controls'
// notifications, runs the installation through YdInstallWorker, shows what
// the install thread reports (posted to its own window, carried out on the
// UI thread in order), and asks before it lets itself be closed.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/install/install_folder_check.h"
#include "app/wizard/setup_wnd_logic.h"
#include "app/worker/install_worker.h"
#include "common/threading.h"
#include "common/yd_namespace.h"
#include "ui/window/window_impl_base.h"
#include "ui/window/window_shadow.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;
class YdMessageDlg;

// Private messages the install thread posts to the wizard.
constexpr UINT kInstallStepMessage = WM_APP + 0x101;    // wParam: the step
constexpr UINT kInstallFailedMessage = WM_APP + 0x102;
// Posted to itself by the shown wizard at its first paint.
constexpr UINT kAfterFirstPaintMessage = WM_APP + 0x103;

// Texts of the close confirmation and of the failure dialog.
extern const wchar_t kConfirmTitle[];       // "安装向导"
extern const wchar_t kConfirmText[];        // "你确定停止安装Zephyra？"
extern const wchar_t kConfirmYes[];         // "是"
extern const wchar_t kConfirmNo[];          // "否"
extern const wchar_t kAlreadyRunningText[]; // "你已经启动了一个安装程序！"
extern const wchar_t kInstallFailedExplanation[];
extern const wchar_t kNoSpaceExplanation[];  // the extraction was refused for want of space
constexpr int kConfirmDialogStyle = 9;      // two buttons, standard icon
constexpr int kWizardShadowSize = 4;

class YdSetupWnd : public YdWindowImplBase, private IInstallUi {
 public:
  // Runs the dialog modally and returns its result; tests answer it.
  using ConfirmRunner = std::function<int(YdMessageDlg&)>;

  // Creates the native window at once (hidden); in unattended mode starts
  // the installation, or asks to close when there is no previous
  // installation. `actions` is not owned and must outlive the window.
  YdSetupWnd(const std::wstring& defaultDir, ModeFlags mode, IInstallActions* actions,
             ConfirmRunner confirm = nullptr);
  ~YdSetupWnd() override;

  const wchar_t* QueryClassName() const override { return L"ydSetupWndClass"; }
  LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  LRESULT OnClose(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Notify(YdNotifyMsg& msg) override;

  // Unattended mode: the previous installation's directory becomes the
  // install directory; false when there is none.
  bool FindPreviousInstallDir();
  // Checks the install folder (the field's text, or the previous
  // installation's folder in unattended mode), then switches to the progress
  // page and starts the install thread. False in unattended mode without a
  // previous installation, for a folder that breaks a rule (interactive: a
  // one-button message says why and the page stays), or when already
  // started.
  bool StartInstall();
  // Work that must be done before any install starts (the product's
  // processes stopped). It runs once: right after the first paint of a
  // wizard that defers it (DefersToFirstPaint), or when the install starts,
  // whichever comes first.
  void SetBeforeInstall(std::function<void()> work) { before_install_ = std::move(work); }

  InstallState State() const;
  const WizardMode& Mode() const { return mode_; }
  const std::wstring& InstallDir() const { return install_dir_; }
  YdInstallWorker* Worker() const { return worker_.get(); }
  bool NoPreviousInstall() const { return no_previous_install_; }
  // The rule the last checked install folder broke (kNone when it passed).
  FolderProblem InstallFolderProblem() const { return folder_problem_; }
  bool Created() const { return created_; }
  // The process exit code for how this wizard ended (SetupExitCode).
  int ExitCode() const;
  YdWindowShadow& Shadow() { return shadow_; }
  // How many confirmations were asked.
  int ConfirmationsAsked() const { return confirmations_; }

 protected:
  std::string GetSkinWindowName() const override { return "ydWifiSetupWnd"; }
  std::wstring GetSkinFile() const override { return L"#102"; }

 private:
  // IInstallUi, called on the install thread: each call is posted.
  void ShowInstallStep(unsigned step) override;
  void ShowInstallFailed() override;
  void RequestClose() override;

  // UI thread.
  void ApplyInstallStep(unsigned step);
  void ApplyInstallFailed();
  // The icon and the work before the install, after the first frame.
  void AfterFirstPaint();
  void RunBeforeInstall();
  // The failure caption and, in interactive mode, its one-button message.
  void ExplainFailure();
  void ShowMessage(const wchar_t* text);
  // Install thread: posts to the window while it exists (see post_lock_).
  void PostToWindow(UINT msg, WPARAM wParam);
  void OnClick(int id);
  void ToggleCustomPane();
  void BrowseFolder();
  void BackToOneClick();
  void ResizeTo(SIZE size);
  void SetVisible(int id, bool visible);
  bool IsSelected(int id) const;
  YdControl* Control(int id) const;

  WizardMode mode_;
  std::wstring install_dir_;
  IInstallActions* actions_;
  ConfirmRunner confirm_;
  std::function<void()> before_install_;
  bool first_paint_seen_ = false;
  YdControl* edit_ = nullptr;
  YdWindowShadow shadow_;
  bool created_ = false;
  bool no_previous_install_ = false;
  FolderProblem folder_problem_ = FolderProblem::kNone;
  bool asking_ = false;
  bool close_while_asking_ = false;
  bool failure_pending_ = false;  // the failure came while the confirmation was open
  // The install thread posts under this lock to post_target_, which the UI
  // thread clears under it when the window is destroyed: a post never
  // reaches a handle that is gone (or reused).
  YdMutex post_lock_;
  HWND post_target_ = nullptr;
  int confirmations_ = 0;
  // Last member: destroyed (cancelled and joined) before the rest.
  std::unique_ptr<YdInstallWorker> worker_;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
