// setup_wnd_logic.h -- the wizard's and the confirmation dialog's decisions
// as plain functions: what a click on each control id does, how the mode
// value steers the window, the window size for the fold-out pane, the
// folder chosen in the browse dialog, the agreement page's address, the
// close-request table and the dialog's styles and results. The window
// classes (setup_wnd.*, message_dlg.*) only carry these decisions out.
#pragma once

#include <string>

#include "app/worker/install_worker.h"
#include "app/startup/mode_flags.h"
#include "app/wizard/exit_codes.h"
#include "app/worker/step_switches.h"
#include "common/yd_namespace.h"
#include "ui/manager/event_types.h"

namespace ZEPHYRA_NAMESPACE {

// Control ids of the skin window "ydWifiSetupWnd".
enum WizardControlId : int {
  kWelcomePageId = 100,
  kCloseButtonId = 101,
  kInstallButtonId = 102,
  kAgreementOptionId = 103,
  kAgreementLinkId = 104,
  kFoldToggleId = 105,
  kOneClickAreaId = 106,
  kCustomPaneId = 107,
  kLocationEditId = 108,
  kBrowseButtonId = 109,
  kDesktopOptionId = 110,
  kAutostartOptionId = 111,
  kAltInstallId = 112,      // no control of the skin bears it
  kBackToOneClickId = 113,  // no control of the skin bears it
  kProgressPageId = 114,
  kProgressCaptionId = 116,  // the caption above the ring
  kQuitButtonId = 120,      // no control of the skin bears it
  kOverlayId = 121,
  kProgressRingId = 123,     // the ring of the progress page
};

// Control ids of the skin window "ydMessageDlg".
enum MessageDlgControlId : int {
  kDlgTitleId = 201,
  kDlgCloseId = 202,
  kDlgIconId = 203,
  kDlgTextId = 204,
  kDlgConfirmId = 205,
  kDlgDeclineId = 206,
};


// What a click on a control of the wizard does.
enum class WizardClick {
  kNothing,
  kRequestClose,    // 101: post WM_CLOSE (which asks first)
  kStartInstall,    // 102, 112
  kOpenAgreement,   // 104
  kToggleCustomPane,// 105
  kBrowseFolder,    // 109
  kBackToOneClick,  // 113
  kQuit,            // 120: post the quit message with code 0
};
WizardClick WizardClickForId(int senderId);

// How the mode value steers the wizard. The window is shown for every value
// without the Unattended bit: a nonzero value without that bit shows the
// wizard with the value's skip bits applied (an invisible wizard that
// nothing starts would only end when killed).
struct WizardMode {
  bool unattended = false;
  bool showWindow = true;
  bool shadow = true;  // the drop shadow belongs to the visible wizard only
  StepSwitches switches;
};
WizardMode WizardModeFromValue(ModeFlags mode);

// Whether the wizard's icon and the work due before any install (stopping
// the product's processes) wait until its first frame is on the screen: a
// shown, interactive wizard paints first and does them right after, before
// it takes any input; an unattended one starts its install at creation.
bool DefersToFirstPaint(const WizardMode& mode);

struct WizardSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const WizardSize& o) const { return cx == o.cx && cy == o.cy; }
};
// The window size after the fold-out toggle: "maxinfo" while the custom
// pane is visible, else "mininfo".
WizardSize WizardSizeForPane(bool customPaneVisible, WizardSize minInfo, WizardSize maxInfo);

// The install directory for a folder chosen in the browse dialog: the path
// plus "\WiFi", also after a drive root ("D:\" gives "D:\\WiFi").
std::wstring InstallDirForChosenFolder(const std::wstring& chosen);

// The user-agreement page opened by the link 104.
extern const wchar_t kAgreementPageAddress[];
// Title of the folder dialog.
extern const wchar_t kBrowseTitle[];

// Selection change of 103: whether the install button is to be touched and
// what its enabled state becomes.
struct InstallButtonUpdate {
  bool apply = false;
  bool enabled = false;
};
InstallButtonUpdate InstallButtonForSelection(int senderId, bool installButtonExists,
                                              bool foldToggleExists, bool agreementSelected);

// A close request (WM_CLOSE) of the wizard.
struct ClosePlan {
  bool destroyAtOnce = false;  // nothing to ask: the window goes
  bool ask = false;              // show the overlay and the confirmation
  bool pauseWorker = false;     // hold the install thread while asking
};
// `silentEnd`: an unattended wizard that found no previous installation;
// nobody is there to answer, so it ends without asking.
ClosePlan PlanClose(InstallState state, bool workerRunning, bool silentEnd);

// Dialog results.
constexpr int kDialogConfirmed = 1;
constexpr int kDialogDeclined = 2;

struct CloseAnswer {
  bool destroy = false;        // leave WM_CLOSE unhandled: the window goes
  bool cancelWorker = false;  // confirmed during the install
  bool resumeWorker = false;  // declined during the install
  bool hideOverlay = false;
};
CloseAnswer AnswerClose(int dialogResult, bool workerRunning);

// Confirmation dialog styles (only these two bits are read).
constexpr int kDlgSingleButton = 0x02;
constexpr int kDlgAlternateIcon = 0x04;
// What the dialog's style changes on its controls.
struct MessageDlgLook {
  bool hideDecline = false;
  bool padConfirm = false;  // padding left 127, top/right/bottom 0 on 205
  bool alternateIcon = false;
};
MessageDlgLook MessageDlgLookForStyle(int style);
extern const wchar_t kAlternateIconImage[];
constexpr int kSingleButtonPaddingLeft = 127;

// A click in the dialog: the result it sets and whether the dialog closes;
// 0 when the sender is none of its buttons.
int DialogResultForClick(int senderId);

// The process exit code (exit_codes.h) for how the wizard ended.
int ExitCodeFor(InstallOutcome outcome, bool noPreviousInstall, bool windowCreated,
                bool badUnattendedFolder = false);

}  // namespace ZEPHYRA_NAMESPACE
