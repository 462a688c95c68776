// Plans of the install steps: registry values, autostart choice, service and
// driver command lines, link plans and paths, launch and report starts.
#include <gtest/gtest.h>

#include "app/install/launch_logic.h"
#include "app/install/registration_logic.h"
#include "app/install/service_driver_logic.h"
#include "app/install/shortcut_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

const std::wstring kDir = L"C:\\Program Files (x86)\\WiFi";

TEST(RegistrationPlan, UninstallRecordInOrder) {
  const std::vector<RegistryValuePlan> expected = {
      {L"DisplayIcon", L"C:\\Program Files (x86)\\WiFi\\Zephyra.exe"},
      {L"DisplayName", L"Zephyra"},
      {L"DisplayVersion", L"4.2015.1225.001"},
      {L"Publisher", L"Orvane,Inc"},
      {L"UninstallString", L"C:\\Program Files (x86)\\WiFi\\uninst.exe"},
      {L"URLInfoAbout", L"http://www.zephyra.example/"},
  };
  EXPECT_EQ(UninstallRecordPlan(kDir), expected);
  // A trailing separator of the chosen directory is not doubled.
  EXPECT_EQ(UninstallRecordPlan(kDir + L"\\"), expected);
  EXPECT_EQ(UninstallRecordPlan(L"D:\\x/")[0].data, L"D:\\x\\Zephyra.exe");
}

TEST(RegistrationPlan, AppPathAndRunValue) {
  const std::vector<RegistryValuePlan> app_path = {{L"", kDir + L"\\Zephyra.exe"}, {L"Path", kDir}};
  EXPECT_EQ(AppPathPlan(kDir), app_path);
  EXPECT_EQ(AppPathPlan(kDir + L"\\\\"), app_path);
  EXPECT_EQ(RunValuePlan(kDir), (RegistryValuePlan{L"Zephyra", L"\"" + kDir + L"\\Zephyra.exe\" -autorun"}));
  EXPECT_EQ(std::wstring(kRunKey), L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(std::wstring(kUninstallKey), L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zephyra");
  EXPECT_EQ(std::wstring(kAppPathsKey), L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Zephyra.exe");
}

TEST(RegistrationPlan, StoredLengthCountsTheTerminatingZero) {
  EXPECT_EQ(RegStringByteLength(L""), 2u);
  EXPECT_EQ(RegStringByteLength(L"Zephyra"), 16u);
  EXPECT_EQ(RegStringByteLength(L"Zephyra\u5378\u8F7D"), 20u);
}

TEST(RegistrationPlan, AutostartByVersionAndChoice) {
  for (int major : {4, 5}) {
    EXPECT_EQ(PlanAutostart(major, true), AutostartAction::kWriteRunValue) << major;
    EXPECT_EQ(PlanAutostart(major, false), AutostartAction::kDeleteRunValue) << major;
  }
  for (int major : {6, 10}) {
    EXPECT_EQ(PlanAutostart(major, true), AutostartAction::kRegisterTask) << major;
    EXPECT_EQ(PlanAutostart(major, false), AutostartAction::kRemoveTask) << major;
  }
}

TEST(RegistrationPlan, AutorunTask) {
  const AutorunTaskPlan plan = AutorunTaskPlanFor(kDir + L"\\Zephyra.exe");
  EXPECT_EQ(plan.folder, L"\\");
  EXPECT_EQ(plan.name, L"Zephyra");
  EXPECT_EQ(plan.author, L"Zephyra");
  EXPECT_TRUE(plan.disallowStartOnBatteries);
  EXPECT_TRUE(plan.runLevelHighest);
  EXPECT_TRUE(plan.logonTrigger);
  EXPECT_EQ(plan.actionPath, kDir + L"\\Zephyra.exe");
  EXPECT_EQ(plan.actionArguments, L"-autorun");
  EXPECT_EQ(plan.userGroup, L"Builtin\\Users");
}

TEST(ServiceDriverPlan, ServiceCommandLineIsQuoted) {
  EXPECT_EQ(CoreServiceCommandLine(kDir), L"\"C:\\Program Files (x86)\\WiFi\\ydcoresrv.exe\" -i");
  EXPECT_EQ(CoreServiceCommandLine(L"D:\\Zephyra\\"), L"\"D:\\Zephyra\\ydcoresrv.exe\" -i");
}

TEST(ServiceDriverPlan, DriverCommandLinesForEveryVersionAndWidth) {
  const std::wstring d = L"C:\\Program Files\\WiFi";
  using Lines = std::vector<std::wstring>;
  const Lines modern64 = {L"\"" + d + L"\\snetcfg64.exe\" -m -w -f ydnatwfp -k \"" + d +
                          L"\\YdNatDriver\\ydnatwfp64.sys\""};
  const Lines modern32 = {L"\"" + d + L"\\snetcfg.exe\" -m -w -f ydnatwfp -k \"" + d +
                          L"\\YdNatDriver\\ydnatwfp.sys\""};
  const Lines xp32 = {
      L"\"" + d + L"\\snetcfg.exe\" -l \"" + d + L"\\YdNatDriver\\ydnat_xp_m.inf\" -c s -i ydnatmp",
      L"\"" + d + L"\\snetcfg.exe\" -l \"" + d + L"\\YdNatDriver\\ydnat_xp.inf\" -c s -i ms_ydnat",
  };
  for (int major : {6, 10}) {
    EXPECT_EQ(NatDriverCommandLines(d, {major, true}), modern64) << major;
    EXPECT_EQ(NatDriverCommandLines(d, {major, false}), modern32) << major;
  }
  for (int major : {4, 5}) {
    EXPECT_EQ(NatDriverCommandLines(d, {major, false}), xp32) << major;
    EXPECT_TRUE(NatDriverCommandLines(d, {major, true}).empty()) << major;
  }
  EXPECT_EQ(NatDriverCommandLines(d + L"\\", {6, true}), modern64);
}

TEST(ShortcutPlan, FourLinksWithDesktopThreeWithout) {
  const std::wstring exe = kDir + L"\\Zephyra.exe";
  const auto with = ShortcutPlans(kDir, true);
  ASSERT_EQ(with.size(), 4u);
  EXPECT_EQ(with[0].specialFolder, kDesktopFolder);
  EXPECT_EQ(with[0].subFolder, L"");
  EXPECT_EQ(with[0].linkName, L"Zephyra");
  EXPECT_EQ(with[0].target, exe);

  const auto without = ShortcutPlans(kDir, false);
  ASSERT_EQ(without.size(), 3u);
  const std::wstring names[] = {L"Zephyra", L"Zephyra\u5B98\u7F51", L"Zephyra\u5378\u8F7D"};
  const std::wstring targets[] = {exe, kDir + L"\\Zephyra_WFP.url", kDir + L"\\uninst.exe"};
  for (size_t i = 0; i < 3; ++i) {
    for (const ShortcutPlan& plan : {without[i], with[i + 1]}) {
      EXPECT_EQ(plan.specialFolder, kProgramsFolder) << i;
      EXPECT_EQ(plan.subFolder, L"Zephyra") << i;
      EXPECT_EQ(plan.linkName, names[i]) << i;
      EXPECT_EQ(plan.target, targets[i]) << i;
    }
  }
  for (const auto& plan : with) {
    EXPECT_EQ(plan.description, L"Zephyra");
    EXPECT_EQ(plan.arguments, L"");
  }
}

TEST(ShortcutPlan, FolderLinkPathNormalisesSeparators) {
  EXPECT_EQ(FolderLinkPath(L"C:\\Start\\Programs", L"Zephyra", L"Z"), L"C:\\Start\\Programs\\Zephyra\\Z");
  EXPECT_EQ(FolderLinkPath(L"C:\\Start\\Programs\\/", L"Zephyra\\\\", L"Z"), L"C:\\Start\\Programs\\Zephyra\\Z");
  EXPECT_EQ(FolderLinkPath(L"C:\\Desktop\\", L"", L"Z"), L"C:\\Desktop\\Z");
  EXPECT_EQ(FolderLinkPath(L"C:\\Desktop", L"a\\b", L"Z"), L"C:\\Desktop\\a\\b\\Z");
  EXPECT_EQ(FolderLinkPath(L"", L"Zephyra", L"Z"), L"");
}

TEST(ShortcutPlan, LinkExtensionRule) {
  EXPECT_EQ(WithLinkExtension(L"Zephyra"), L"Zephyra.lnk");
  EXPECT_EQ(WithLinkExtension(L"Zephyra.lnk"), L"Zephyra.lnk");
  EXPECT_EQ(WithLinkExtension(L"Zephyra.LNK"), L"Zephyra.LNK");
  EXPECT_EQ(WithLinkExtension(L"Zephyra.LnK"), L"Zephyra.LnK");
  EXPECT_EQ(WithLinkExtension(L"Zephyra.url"), L"Zephyra.url.lnk");
  EXPECT_EQ(WithLinkExtension(L"a.lnk.bak"), L"a.lnk.bak.lnk");
  EXPECT_EQ(WithLinkExtension(L"a.lnkx"), L"a.lnkx.lnk");
  EXPECT_EQ(WithLinkExtension(L"a."), L"a..lnk");
  EXPECT_EQ(WithLinkExtension(L"Zephyra\u5B98\u7F51"), L"Zephyra\u5B98\u7F51.lnk");
}

TEST(ShortcutPlan, ShellLinkSettings) {
  const auto s = PlanShellLink(L"Zephyra", L"", L"C:\\WiFi\\Zephyra.exe", L"", L"C:\\Desk\\\\Zephyra");
  ASSERT_TRUE(s.valid);
  EXPECT_EQ(s.target, L"C:\\WiFi\\Zephyra.exe");
  EXPECT_EQ(s.workingDir, L"C:\\WiFi\\");
  EXPECT_EQ(s.iconPath, L"C:\\WiFi\\Zephyra.exe");
  EXPECT_EQ(s.iconIndex, 0);
  EXPECT_EQ(s.description, L"Zephyra");
  EXPECT_EQ(s.linkDir, L"C:\\Desk");
  EXPECT_EQ(s.linkFile, L"C:\\Desk\\Zephyra.lnk");

  const auto given_icon = PlanShellLink(L"d", L"C:\\icons\\z.ico", L"C:\\WiFi\\uninst.exe", L"-x", L"C:\\D\\u.LNK");
  ASSERT_TRUE(given_icon.valid);
  EXPECT_EQ(given_icon.iconPath, L"C:\\icons\\z.ico");
  EXPECT_EQ(given_icon.arguments, L"-x");
  EXPECT_EQ(given_icon.linkFile, L"C:\\D\\u.LNK");

  EXPECT_FALSE(PlanShellLink(L"d", L"", L"", L"", L"C:\\D\\u").valid);
  EXPECT_FALSE(PlanShellLink(L"d", L"", L"C:\\a.exe", L"", L"").valid);
  EXPECT_FALSE(PlanShellLink(L"d", L"", L"C:\\a.exe", L"", L"C:\\D\\").valid);  // no file name
}

TEST(LaunchPlan, ProductAndReports) {
  EXPECT_EQ(ProductLaunchPlan(kDir), (LaunchPlan{kDir + L"\\Zephyra.exe", L"-setup", kShowNormal}));
  const std::vector<LaunchPlan> install = {
      {kDir + L"\\ydn_reporter_routine.exe",
       L"--url report.zephyra.example/zephyra.php -p a=INSTALL&s=N/A", kShowHidden},
      {kDir + L"\\pkrep.exe", L"install", kShowHidden},
  };
  EXPECT_EQ(ReportInstallPlans(kDir), install);
  const std::vector<LaunchPlan> update = {
      {kDir + L"\\ydn_reporter_routine.exe",
       L"--url report.zephyra.example/zephyra.php -p a=AutoUpdInstall&s=N/A", kShowHidden},
      {kDir + L"\\pkrep.exe", L"AutoUpdInstall", kShowHidden},
  };
  EXPECT_EQ(ReportAutoUpdateInstallPlans(kDir + L"\\"), update);
  EXPECT_EQ(kShowHidden, 0);
  EXPECT_EQ(kShowNormal, 5);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
