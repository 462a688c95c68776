// setup_wnd_logic.cpp -- the wizard's and the confirmation dialog's
// decisions; see setup_wnd_logic.h.
#include "app/wizard/setup_wnd_logic.h"

namespace ZEPHYRA_NAMESPACE {

const wchar_t kAgreementPageAddress[] = L"https://www.zephyra.example/agreement/zephyra_base.html";
const wchar_t kBrowseTitle[] = L"\u9009\u62e9\u5b89\u88c5\u76ee\u5f55";  // 选择安装目录
const wchar_t kAlternateIconImage[] = L"res='204' restype='PNG' source='0,0,44,44'";

WizardClick WizardClickForId(int senderId) {
  switch (senderId) {
    case kCloseButtonId: return WizardClick::kRequestClose;
    case kInstallButtonId:
    case kAltInstallId: return WizardClick::kStartInstall;
    case kAgreementLinkId: return WizardClick::kOpenAgreement;
    case kFoldToggleId: return WizardClick::kToggleCustomPane;
    case kBrowseButtonId: return WizardClick::kBrowseFolder;
    case kBackToOneClickId: return WizardClick::kBackToOneClick;
    case kQuitButtonId: return WizardClick::kQuit;
    default: return WizardClick::kNothing;
  }
}

WizardMode WizardModeFromValue(ModeFlags mode) {
  WizardMode result;
  result.unattended = IsUnattendedMode(mode);
  result.showWindow = !result.unattended;
  result.shadow = !result.unattended;
  result.switches = StepSwitchesFromMode(mode);
  return result;
}

bool DefersToFirstPaint(const WizardMode& mode) { return mode.showWindow && !mode.unattended; }

WizardSize WizardSizeForPane(bool customPaneVisible, WizardSize minInfo, WizardSize maxInfo) {
  return customPaneVisible ? maxInfo : minInfo;
}

std::wstring InstallDirForChosenFolder(const std::wstring& chosen) { return chosen + L"\\WiFi"; }

InstallButtonUpdate InstallButtonForSelection(int senderId, bool installButtonExists,
                                              bool foldToggleExists, bool agreementSelected) {
  InstallButtonUpdate update;
  if (senderId != kAgreementOptionId || !installButtonExists || !foldToggleExists) return update;
  update.apply = true;
  update.enabled = agreementSelected;
  return update;
}

ClosePlan PlanClose(InstallState state, bool workerRunning, bool silentEnd) {
  ClosePlan plan;
  if (state == InstallState::kFinished || silentEnd) {
    plan.destroyAtOnce = true;
    return plan;
  }
  plan.ask = true;
  plan.pauseWorker = state == InstallState::kRunning && workerRunning;
  return plan;
}

CloseAnswer AnswerClose(int dialogResult, bool workerRunning) {
  CloseAnswer answer;
  if (dialogResult == kDialogConfirmed) {
    answer.destroy = true;
    answer.cancelWorker = workerRunning;
    return answer;
  }
  answer.resumeWorker = workerRunning;
  answer.hideOverlay = true;
  return answer;
}

MessageDlgLook MessageDlgLookForStyle(int style) {
  MessageDlgLook look;
  look.hideDecline = (style & kDlgSingleButton) != 0;
  look.padConfirm = look.hideDecline;
  look.alternateIcon = (style & kDlgAlternateIcon) != 0;
  return look;
}

int DialogResultForClick(int senderId) {
  switch (senderId) {
    case kDlgConfirmId: return kDialogConfirmed;
    case kDlgCloseId:
    case kDlgDeclineId: return kDialogDeclined;
    default: return 0;
  }
}

int ExitCodeFor(InstallOutcome outcome, bool noPreviousInstall, bool windowCreated, bool badUnattendedFolder) {
  if (!windowCreated) return kExitWindowFailed;
  if (noPreviousInstall) return kExitNoPreviousInstall;
  if (badUnattendedFolder) return kExitBadInstallFolder;
  if (outcome == InstallOutcome::kExtractionFailed) return kExitExtractionFailed;
  return kExitOk;
}

}  // namespace ZEPHYRA_NAMESPACE
