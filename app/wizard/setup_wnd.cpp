// setup_wnd.cpp -- YdSetupWnd; see setup_wnd.h.
#include "app/wizard/setup_wnd.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "app/install/install_log.h"
#include "app/wizard/message_dlg.h"
#include "app/worker/previous_install.h"
#include "app/worker/ring_logic.h"
#include "app/worker/unpack_payload.h"
#include "ui/control/control.h"
#include "ui/control/control_state.h"
#include "ui/manager/animation_record.h"
#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {

const wchar_t kConfirmTitle[] = L"\u5b89\u88c5\u5411\u5bfc";
const wchar_t kConfirmText[] = L"\u4f60\u786e\u5b9a\u505c\u6b62\u5b89\u88c5Zephyra\uff1f";
const wchar_t kConfirmYes[] = L"\u662f";
const wchar_t kConfirmNo[] = L"\u5426";
const wchar_t kAlreadyRunningText[] =
    L"\u4f60\u5df2\u7ecf\u542f\u52a8\u4e86\u4e00\u4e2a\u5b89\u88c5\u7a0b\u5e8f\uff01";
// "安装文件无法写入安装目录，安装未完成。"
const wchar_t kInstallFailedExplanation[] =
    L"\u5b89\u88c5\u6587\u4ef6\u65e0\u6cd5\u5199\u5165\u5b89\u88c5\u76ee\u5f55\uff0c"
    L"\u5b89\u88c5\u672a\u5b8c\u6210\u3002";
// "磁盘空间不足，安装未进行，未写入任何文件。"
const wchar_t kNoSpaceExplanation[] =
    L"\u78c1\u76d8\u7a7a\u95f4\u4e0d\u8db3\uff0c\u5b89\u88c5\u672a\u8fdb\u884c\uff0c"
    L"\u672a\u5199\u5165\u4efb\u4f55\u6587\u4ef6\u3002";

namespace {

constexpr DWORD kWizardStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWizardExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;

std::wstring Ascii(const char* text) { return std::wstring(text, text + std::char_traits<char>::length(text)); }

int RunDialogModally(YdMessageDlg& dlg) {
  dlg.RunModal();
  return dlg.Result();
}

}  // namespace

YdSetupWnd::YdSetupWnd(const std::wstring& defaultDir, ModeFlags mode, IInstallActions* actions,
                       ConfirmRunner confirm)
    : mode_(WizardModeFromValue(mode)),
      install_dir_(defaultDir),
      actions_(actions),
      confirm_(confirm ? std::move(confirm) : ConfirmRunner(RunDialogModally)) {
  const std::wstring title = GetAppTitle();
  // A wizard that takes input stays above other windows; made so at once,
  // rather than moved into the topmost band when it is first painted.
  const DWORD exStyle = kWizardExStyle | (mode_.unattended ? 0 : WS_EX_TOPMOST);
  created_ = Create(nullptr, title.c_str(), kWizardStyle, exStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT) != nullptr;
  if (created_) {
    std::lock_guard<YdMutex> hold(post_lock_);
    post_target_ = GetHWND();
  }
  if (created_ && mode_.unattended && !StartInstall()) ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
}

YdSetupWnd::~YdSetupWnd() {
  // The install thread may still post to the window: stop it first.
  worker_.reset();
  if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
}

InstallState YdSetupWnd::State() const {
  return worker_ ? worker_->State() : InstallState::kIdle;
}

int YdSetupWnd::ExitCode() const {
  return ExitCodeFor(worker_ ? worker_->Outcome() : InstallOutcome::kNotDone, no_previous_install_, created_,
                     mode_.unattended && folder_problem_ != FolderProblem::kNone);
}

YdControl* YdSetupWnd::Control(int id) const {
  return const_cast<YdSetupWnd*>(this)->GetPaintManager().ControlById(id);
}

bool YdSetupWnd::IsSelected(int id) const {
  const YdControl* control = Control(id);
  return control != nullptr && (control->GetStateBits() & kStateSelected) != 0;
}

void YdSetupWnd::SetVisible(int id, bool visible) {
  if (YdControl* control = Control(id)) control->SetVisible(visible);
}

void YdSetupWnd::ResizeTo(SIZE size) {
  if (size.cx <= 0 || size.cy <= 0) return;
  ::SetWindowPos(GetHWND(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT YdSetupWnd::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
  // A wizard that paints takes its icon after its first frame.
  const LRESULT built = BuildFromSkin(!DefersToFirstPaint(mode_), handled);
  if (built != 0) return built;
  ResizeTo(GetPaintManager().GetMinInfo());
  if (mode_.shadow) {
    shadow_.SetShadowSize(GetPaintManager().GetDpiScale().Scale(kWizardShadowSize));
    // A wizard that paints gets its shadow (a window of its own) right
    // after its first frame.
    if (!DefersToFirstPaint(mode_)) shadow_.CreateShadow(GetHWND());
  }
  return 0;
}

LRESULT YdSetupWnd::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  {
    std::lock_guard<YdMutex> hold(post_lock_);
    post_target_ = nullptr;
  }
  handled = true;
  ::PostQuitMessage(0);
  return 0;
}

LRESULT YdSetupWnd::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kInstallStepMessage) {
    ApplyInstallStep(static_cast<unsigned>(wParam));
    return 0;
  }
  if (msg == kInstallFailedMessage) {
    ApplyInstallFailed();
    return 0;
  }
  if (msg == kAfterFirstPaintMessage) {
    AfterFirstPaint();
    return 0;
  }
  if (msg == WM_PAINT && !first_paint_seen_ && DefersToFirstPaint(mode_)) {
    first_paint_seen_ = true;
    const LRESULT result = YdWindowImplBase::ProcessMessage(msg, wParam, lParam);
    // Posted messages come before input: this runs before any click.
    ::PostMessageW(GetHWND(), kAfterFirstPaintMessage, 0, 0);
    return result;
  }
  return YdWindowImplBase::ProcessMessage(msg, wParam, lParam);
}

void YdSetupWnd::AfterFirstPaint() {
  if (mode_.shadow) shadow_.CreateShadow(GetHWND());
  LoadAppIcon();
  RunBeforeInstall();
}

void YdSetupWnd::RunBeforeInstall() {
  if (!before_install_) return;
  const std::function<void()> work = std::move(before_install_);
  before_install_ = nullptr;
  work();
}

void YdSetupWnd::Notify(YdNotifyMsg& msg) {
  switch (msg.type) {
    case kNotifyWindowInit:
      edit_ = Control(kLocationEditId);
      if (edit_ != nullptr) {
        edit_->SetText(install_dir_);
        edit_->Invalidate();
      }
      return;
    case kNotifyClick:
      if (msg.sender != nullptr) OnClick(msg.sender->GetId());
      return;
    case kNotifySelectChanged: {
      if (msg.sender == nullptr) return;
      YdControl* install = Control(kInstallButtonId);
      const InstallButtonUpdate update =
          InstallButtonForSelection(msg.sender->GetId(), install != nullptr,
                                    Control(kFoldToggleId) != nullptr, IsSelected(kAgreementOptionId));
      if (update.apply) install->SetEnabled(update.enabled);
      return;
    }
    case kNotifyFrameSequenceEnd:
      if (worker_) worker_->CompletionAnimationEnded();
      return;
    default:
      return;
  }
}

void YdSetupWnd::OnClick(int id) {
  switch (WizardClickForId(id)) {
    case WizardClick::kRequestClose:
      ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
      return;
    case WizardClick::kStartInstall:
      StartInstall();
      return;
    case WizardClick::kOpenAgreement:
      ::ShellExecuteW(GetHWND(), L"open", kAgreementPageAddress, nullptr, nullptr, SW_SHOWNORMAL);
      return;
    case WizardClick::kToggleCustomPane:
      ToggleCustomPane();
      return;
    case WizardClick::kBrowseFolder:
      BrowseFolder();
      return;
    case WizardClick::kBackToOneClick:
      BackToOneClick();
      return;
    case WizardClick::kQuit:
      // Nothing of the installation may follow the quit.
      if (worker_ && worker_->State() == InstallState::kRunning) worker_->Cancel();
      ::PostQuitMessage(0);
      return;
    case WizardClick::kNothing:
      return;
  }
}

void YdSetupWnd::ToggleCustomPane() {
  YdControl* pane = Control(kCustomPaneId);
  if (pane == nullptr) return;
  pane->SetVisible(!pane->IsVisible());
  YdPaintManager& manager = GetPaintManager();
  const SIZE minInfo = manager.GetMinInfo();
  const SIZE maxInfo = manager.GetMaxInfo();
  const WizardSize size = WizardSizeForPane(pane->IsVisible(), {minInfo.cx, minInfo.cy},
                                            {maxInfo.cx, maxInfo.cy});
  ResizeTo(SIZE{size.cx, size.cy});
  manager.NeedLayout();
  ::InvalidateRect(GetHWND(), nullptr, FALSE);
}

void YdSetupWnd::BackToOneClick() {
  SetVisible(kOneClickAreaId, true);
  SetVisible(kCustomPaneId, false);
  GetPaintManager().NeedLayout();
  ::InvalidateRect(GetHWND(), nullptr, FALSE);
}

void YdSetupWnd::BrowseFolder() {
  // The new dialog style needs COM on this thread; a second initialisation
  // is harmless and balanced below.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  BROWSEINFOW info{};
  info.hwndOwner = GetHWND();
  info.lpszTitle = kBrowseTitle;
  info.ulFlags = BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
  PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&info);
  if (chosen != nullptr) {
    wchar_t path[MAX_PATH] = {};
    if (::SHGetPathFromIDListW(chosen, path)) {
      install_dir_ = InstallDirForChosenFolder(path);
      if (edit_ != nullptr) {
        edit_->SetText(install_dir_);
        edit_->Invalidate();
      }
    }
    ::CoTaskMemFree(chosen);
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
}

bool YdSetupWnd::FindPreviousInstallDir() {
  std::wstring dir;
  if (!ZEPHYRA_NAMESPACE::FindPreviousInstallDir(&dir)) return false;
  install_dir_ = dir;
  return true;
}

bool YdSetupWnd::StartInstall() {
  if (worker_ || actions_ == nullptr) return false;
  RunBeforeInstall();
  std::wstring dir = install_dir_;
  if (mode_.unattended) {
    if (!FindPreviousInstallDir()) {
      no_previous_install_ = true;
      LogEvent("no previous installation found");
      return false;
    }
    dir = install_dir_;
  } else if (YdControl* edit = Control(kLocationEditId)) {
    dir = edit->GetText();
  }
  folder_problem_ = CheckInstallFolder(dir, LongestPayloadPath(), ::GetLogicalDrives());
  const wchar_t* source = mode_.unattended ? L" (the previous installation's)" : L" (the wizard's field)";
  LogEvent(L"install folder " + dir + source + L": " + Ascii(FolderProblemName(folder_problem_)));
  if (folder_problem_ != FolderProblem::kNone) {
    if (!mode_.unattended) ShowMessage(FolderProblemMessage(folder_problem_));
    return false;  // nothing written, nothing started
  }
  if (!mode_.unattended) {
    ResizeTo(GetPaintManager().GetMinInfo());
    SetVisible(kWelcomePageId, false);
    // The fold-out toggle floats over the pages; the pane it opens went
    // with the welcome page.
    SetVisible(kFoldToggleId, false);
    SetVisible(kProgressPageId, true);
    GetPaintManager().NeedLayout();
    ::InvalidateRect(GetHWND(), nullptr, FALSE);
    install_dir_ = dir;
  }
  InstallInputs inputs;
  inputs.installDir = install_dir_;
  // Unattended runs keep the options' skin defaults (selected).
  inputs.desktopShortcut = Control(kDesktopOptionId) == nullptr || IsSelected(kDesktopOptionId);
  inputs.autostart = Control(kAutostartOptionId) == nullptr || IsSelected(kAutostartOptionId);
  inputs.unattended = mode_.unattended;
  inputs.switches = mode_.switches;
  worker_ = std::make_unique<YdInstallWorker>(static_cast<IInstallUi*>(this), actions_);
  return worker_->Start(inputs);
}

void YdSetupWnd::PostToWindow(UINT msg, WPARAM wParam) {
  std::lock_guard<YdMutex> hold(post_lock_);
  if (post_target_ != nullptr) ::PostMessageW(post_target_, msg, wParam, 0);
}

void YdSetupWnd::ShowInstallStep(unsigned step) { PostToWindow(kInstallStepMessage, step); }

void YdSetupWnd::ShowInstallFailed() { PostToWindow(kInstallFailedMessage, 0); }

void YdSetupWnd::RequestClose() { PostToWindow(WM_CLOSE, 0); }

void YdSetupWnd::ApplyInstallStep(unsigned step) {
  YdControl* ring = Control(kProgressRingId);
  if (IsRingStep(step)) {
    if (ring != nullptr) {
      ring->SetNormalImage(RingImageForStep(step));
      ring->Invalidate();
    }
    return;
  }
  if (YdControl* caption = Control(kProgressCaptionId)) {
    caption->SetText(kCompletionText);
    caption->Invalidate();
  }
  YdAnimationRecord record;
  record.kind = kCompletionAnimationKind;
  record.limit = kCompletionStepLimit;
  record.counter = 0;
  for (const std::wstring& frame : CompletionFrames()) {
    record.frames.emplace_back(frame.begin(), frame.end());
  }
  const bool started =
      ring != nullptr && GetPaintManager().Animations().StartAnimation(
                             kCompletionAnimationKind, ring, kCompletionFramePeriodMs, record);
  // Without an animation no notification 34 comes: let the thread go on.
  if (!started && worker_) worker_->CompletionAnimationEnded();
}

void YdSetupWnd::ApplyInstallFailed() {
  if (asking_) {
    // Never a dialog inside the open confirmation: explained once it closes.
    failure_pending_ = true;
    return;
  }
  ExplainFailure();
  ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
}

void YdSetupWnd::ExplainFailure() {
  if (YdControl* caption = Control(kProgressCaptionId)) {
    caption->SetText(kInstallFailedText);
    caption->Invalidate();
  }
  if (!mode_.unattended) {
    ShowMessage(actions_ != nullptr && actions_->ExtractionLackedSpace() ? kNoSpaceExplanation
                                                                         : kInstallFailedExplanation);
  }
}

void YdSetupWnd::ShowMessage(const wchar_t* text) {
  YdMessageDlg dlg(GetHWND(), kDlgSingleButton);
  dlg.SetControlText(kDlgTitleId, kConfirmTitle);
  dlg.SetMessageText(text);
  confirm_(dlg);
}

LRESULT YdSetupWnd::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
  if (asking_) {
    // The install ended while the confirmation is open; close after it.
    close_while_asking_ = true;
    handled = true;
    return 0;
  }
  const bool workerRunning = worker_ && worker_->State() == InstallState::kRunning;
  // Unattended, nobody is there to answer: no previous installation, or a
  // folder that breaks a rule, ends the setup at once.
  const bool silentEnd = no_previous_install_ || (mode_.unattended && folder_problem_ != FolderProblem::kNone);
  const ClosePlan plan = PlanClose(State(), workerRunning, silentEnd);
  if (plan.destroyAtOnce) {
    handled = false;
    return 0;
  }
  if (YdControl* overlay = Control(kOverlayId)) {
    overlay->SetVisible(true);
    overlay->Invalidate();
  }
  if (plan.pauseWorker) worker_->Pause();
  int result = kDialogDeclined;
  {
    YdMessageDlg dlg(GetHWND(), kConfirmDialogStyle);
    dlg.SetControlText(kDlgTitleId, kConfirmTitle);
    dlg.SetMessageText(kConfirmText);
    dlg.SetControlText(kDlgConfirmId, kConfirmYes);
    dlg.SetControlText(kDlgDeclineId, kConfirmNo);
    dlg.GetPaintManager().NeedLayout();
    ++confirmations_;
    asking_ = true;
    result = confirm_(dlg);
    asking_ = false;
  }
  const CloseAnswer answer = AnswerClose(result, plan.pauseWorker);
  if (answer.cancelWorker) worker_->Cancel();
  if (answer.resumeWorker) worker_->Resume();
  if (failure_pending_) {
    // The extraction failed while the question was open: say so, then go.
    failure_pending_ = false;
    close_while_asking_ = false;
    ExplainFailure();
    handled = false;
    return 0;
  }
  const bool finishedMeanwhile = close_while_asking_ || State() == InstallState::kFinished;
  close_while_asking_ = false;
  if (answer.destroy || finishedMeanwhile) {
    handled = false;
    return 0;
  }
  if (answer.hideOverlay) {
    if (YdControl* overlay = Control(kOverlayId)) {
      overlay->SetVisible(false);
      overlay->Invalidate();
    }
  }
  handled = true;
  return 0;
}

}  // namespace ZEPHYRA_NAMESPACE
