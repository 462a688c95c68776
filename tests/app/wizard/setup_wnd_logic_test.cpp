// The wizard's and the confirmation dialog's decisions: what each control
// id does on a click, how the mode value steers the window, the fold-out
// sizes, the browse result, the close table, the dialog's styles and
// results, and the exit codes.
#include <gtest/gtest.h>

#include "app/wizard/setup_wnd_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(WizardClickTest, EveryHandledIdAndNothingElse) {
  EXPECT_EQ(WizardClickForId(101), WizardClick::kRequestClose);
  EXPECT_EQ(WizardClickForId(102), WizardClick::kStartInstall);
  EXPECT_EQ(WizardClickForId(112), WizardClick::kStartInstall);
  EXPECT_EQ(WizardClickForId(104), WizardClick::kOpenAgreement);
  EXPECT_EQ(WizardClickForId(105), WizardClick::kToggleCustomPane);
  EXPECT_EQ(WizardClickForId(109), WizardClick::kBrowseFolder);
  EXPECT_EQ(WizardClickForId(113), WizardClick::kBackToOneClick);
  EXPECT_EQ(WizardClickForId(120), WizardClick::kQuit);
  // Options, pages, the edit, the overlay and the ring do nothing on a click.
  for (int id : {0, 100, 103, 106, 107, 108, 110, 111, 114, 116, 121, 122, 123, 124, 205}) {
    EXPECT_EQ(WizardClickForId(id), WizardClick::kNothing) << id;
  }
}

TEST(WizardModeTest, ModeValueSteersVisibilityShadowAndSwitches) {
  const WizardMode plain = WizardModeFromValue(0);
  EXPECT_FALSE(plain.unattended);
  EXPECT_TRUE(plain.showWindow);
  EXPECT_TRUE(plain.shadow);
  EXPECT_TRUE(plain.switches.unpack && plain.switches.service && plain.switches.driver &&
              plain.switches.registration && plain.switches.shortcuts);

  const WizardMode silent = WizardModeFromValue(0x10);
  EXPECT_TRUE(silent.unattended);
  EXPECT_FALSE(silent.showWindow);
  EXPECT_FALSE(silent.shadow);

  // All skip bits with Unattended: only the service step is left.
  const WizardMode only_service = WizardModeFromValue(0x1F);
  EXPECT_TRUE(only_service.unattended);
  EXPECT_TRUE(only_service.switches.service);
  EXPECT_FALSE(only_service.switches.unpack);
  EXPECT_FALSE(only_service.switches.driver);
  EXPECT_FALSE(only_service.switches.registration);
  EXPECT_FALSE(only_service.switches.shortcuts);

  // A nonzero value without Unattended shows the wizard with its skip bits.
  const WizardMode skip_driver = WizardModeFromValue(0x04);
  EXPECT_FALSE(skip_driver.unattended);
  EXPECT_TRUE(skip_driver.showWindow);
  EXPECT_FALSE(skip_driver.switches.driver);
  EXPECT_TRUE(skip_driver.switches.unpack);
  // Bits above the lowest five change nothing but are not Unattended.
  EXPECT_TRUE(WizardModeFromValue(0x100).showWindow);
  EXPECT_FALSE(WizardModeFromValue(0x100).unattended);

  // Only the shown wizard stops the product's processes (and takes its icon)
  // after its first frame; unattended, they go before the window.
  EXPECT_TRUE(DefersToFirstPaint(plain));
  EXPECT_TRUE(DefersToFirstPaint(skip_driver));
  EXPECT_FALSE(DefersToFirstPaint(silent));
  EXPECT_FALSE(DefersToFirstPaint(only_service));
}

TEST(WizardSizeTest, FoldOutUsesMaxInfoAndBackUsesMinInfo) {
  const WizardSize min{500, 280};
  const WizardSize max{500, 350};
  // Two clicks from the start: visible, then hidden again.
  bool visible = false;
  visible = !visible;
  EXPECT_EQ(WizardSizeForPane(visible, min, max), (WizardSize{500, 350}));
  visible = !visible;
  EXPECT_EQ(WizardSizeForPane(visible, min, max), (WizardSize{500, 280}));
}

TEST(BrowseResultTest, ChosenFolderGetsWiFiEvenAfterADriveRoot) {
  EXPECT_EQ(InstallDirForChosenFolder(L"D:\\"), L"D:\\\\WiFi");
  EXPECT_EQ(InstallDirForChosenFolder(L"C:\\Apps"), L"C:\\Apps\\WiFi");
}

TEST(AgreementPageTest, ReservedDomainAndFixedPath) {
  const std::wstring address = kAgreementPageAddress;
  const std::wstring path = L"/agreement/zephyra_base.html";
  ASSERT_GT(address.size(), path.size());
  EXPECT_EQ(address.substr(address.size() - path.size()), path);
  const std::wstring host = address.substr(0, address.size() - path.size());
  EXPECT_EQ(host.substr(0, 8), L"https://");
  EXPECT_EQ(host.substr(host.size() - 8), L".example");
}

TEST(InstallButtonTest, FollowsTheAgreementOptionOnly) {
  EXPECT_TRUE(InstallButtonForSelection(103, true, true, true).apply);
  EXPECT_TRUE(InstallButtonForSelection(103, true, true, true).enabled);
  EXPECT_TRUE(InstallButtonForSelection(103, true, true, false).apply);
  EXPECT_FALSE(InstallButtonForSelection(103, true, true, false).enabled);
  // Another option, or a skin without 102 or 105: nothing is touched.
  EXPECT_FALSE(InstallButtonForSelection(110, true, true, false).apply);
  EXPECT_FALSE(InstallButtonForSelection(103, false, true, false).apply);
  EXPECT_FALSE(InstallButtonForSelection(103, true, false, false).apply);
}

TEST(CloseTableTest, PlanByStateAndWorker) {
  const ClosePlan finished = PlanClose(InstallState::kFinished, false, false);
  EXPECT_TRUE(finished.destroyAtOnce);
  EXPECT_FALSE(finished.ask);

  const ClosePlan idle = PlanClose(InstallState::kIdle, false, false);
  EXPECT_FALSE(idle.destroyAtOnce);
  EXPECT_TRUE(idle.ask);
  EXPECT_FALSE(idle.pauseWorker);

  const ClosePlan running = PlanClose(InstallState::kRunning, true, false);
  EXPECT_TRUE(running.ask);
  EXPECT_TRUE(running.pauseWorker);

  // Running but the thread is not there (cannot pause what does not run).
  EXPECT_FALSE(PlanClose(InstallState::kRunning, false, false).pauseWorker);

  // Unattended without a previous installation: nobody to ask.
  const ClosePlan silent = PlanClose(InstallState::kIdle, false, true);
  EXPECT_TRUE(silent.destroyAtOnce);
  EXPECT_FALSE(silent.ask);
}

TEST(CloseTableTest, AnswerByResult) {
  const CloseAnswer yes_running = AnswerClose(kDialogConfirmed, true);
  EXPECT_TRUE(yes_running.destroy);
  EXPECT_TRUE(yes_running.cancelWorker);
  EXPECT_FALSE(yes_running.resumeWorker);

  const CloseAnswer yes_idle = AnswerClose(kDialogConfirmed, false);
  EXPECT_TRUE(yes_idle.destroy);
  EXPECT_FALSE(yes_idle.cancelWorker);

  const CloseAnswer no_running = AnswerClose(kDialogDeclined, true);
  EXPECT_FALSE(no_running.destroy);
  EXPECT_TRUE(no_running.resumeWorker);
  EXPECT_FALSE(no_running.cancelWorker);
  EXPECT_TRUE(no_running.hideOverlay);

  // Any result other than 1 counts as "no".
  for (int result : {0, 2, 3, -1}) {
    const CloseAnswer a = AnswerClose(result, false);
    EXPECT_FALSE(a.destroy) << result;
    EXPECT_TRUE(a.hideOverlay) << result;
    EXPECT_FALSE(a.resumeWorker) << result;
  }
}

TEST(MessageDlgLogicTest, OnlyBitsTwoAndFourAreRead) {
  const MessageDlgLook six = MessageDlgLookForStyle(6);
  EXPECT_TRUE(six.hideDecline);
  EXPECT_TRUE(six.padConfirm);
  EXPECT_TRUE(six.alternateIcon);

  const MessageDlgLook nine = MessageDlgLookForStyle(9);
  EXPECT_FALSE(nine.hideDecline);
  EXPECT_FALSE(nine.padConfirm);
  EXPECT_FALSE(nine.alternateIcon);

  EXPECT_TRUE(MessageDlgLookForStyle(2).hideDecline);
  EXPECT_FALSE(MessageDlgLookForStyle(2).alternateIcon);
  EXPECT_TRUE(MessageDlgLookForStyle(4).alternateIcon);
  EXPECT_FALSE(MessageDlgLookForStyle(4).hideDecline);
  EXPECT_EQ(std::wstring(kAlternateIconImage), L"res='204' restype='PNG' source='0,0,44,44'");
}

TEST(MessageDlgLogicTest, ResultsByButton) {
  EXPECT_EQ(DialogResultForClick(205), kDialogConfirmed);
  EXPECT_EQ(DialogResultForClick(206), kDialogDeclined);
  EXPECT_EQ(DialogResultForClick(202), kDialogDeclined);
  EXPECT_EQ(DialogResultForClick(201), 0);
  EXPECT_EQ(DialogResultForClick(203), 0);
  EXPECT_EQ(DialogResultForClick(204), 0);
}

TEST(ExitCodeTest, DistinctCodesForEachEnd) {
  EXPECT_EQ(ExitCodeFor(InstallOutcome::kInstalled, false, true), 0);
  EXPECT_EQ(ExitCodeFor(InstallOutcome::kNotDone, false, true), 0);   // closed before installing
  EXPECT_EQ(ExitCodeFor(InstallOutcome::kCancelled, false, true), 0); // closed during the install
  EXPECT_EQ(ExitCodeFor(InstallOutcome::kExtractionFailed, false, true), kExitExtractionFailed);
  EXPECT_EQ(ExitCodeFor(InstallOutcome::kNotDone, true, true), kExitNoPreviousInstall);
  EXPECT_EQ(ExitCodeFor(InstallOutcome::kNotDone, false, false), kExitWindowFailed);
  EXPECT_NE(kExitExtractionFailed, kExitNoPreviousInstall);
  EXPECT_NE(kExitWindowFailed, kExitNoPreviousInstall);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
