// The pure pieces of the install worker: ring descriptors and completion
// frames, step switches from the mode value, the uninstall record's text and
// directory, and the progress object's percent-to-ring rule and cancel relay.
#include <gtest/gtest.h>

#include "app/worker/install_ui.h"
#include "app/worker/previous_install.h"
#include "app/worker/ring_logic.h"
#include "app/worker/step_switches.h"
#include "app/worker/unpaker_progress.h"
#include "archive/res_unpacker.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(RingSteps, DescriptorsAreStepPlus219ForSteps1To13) {
  EXPECT_EQ(RingImageForStep(1), L"res='220' restype='PNG' source='0,0,140,140' dest='0,0,140,140'");
  EXPECT_EQ(RingImageForStep(3), L"res='222' restype='PNG' source='0,0,140,140' dest='0,0,140,140'");
  EXPECT_EQ(RingImageForStep(10), L"res='229' restype='PNG' source='0,0,140,140' dest='0,0,140,140'");
  EXPECT_EQ(RingImageForStep(13), L"res='232' restype='PNG' source='0,0,140,140' dest='0,0,140,140'");
  // Everything else is the completion, not an image.
  EXPECT_EQ(RingImageForStep(0), L"");
  EXPECT_EQ(RingImageForStep(14), L"");
  EXPECT_EQ(RingImageForStep(0xFFFFFFFFu), L"");
  EXPECT_FALSE(IsRingStep(kCompletionStep));
}

TEST(RingSteps, CompletionFramesAndText) {
  const std::vector<std::wstring> frames = CompletionFrames();
  const int expected[] = {232, 233, 234, 235, 211, 212, 213, 214};
  ASSERT_EQ(frames.size(), 8u);
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(frames[i], L"res='" + std::to_wstring(expected[i]) +
                             L"' restype='PNG' source='0,0,140,140' dest='0,0,140,140'")
        << i;
  }
  EXPECT_EQ(std::wstring(kCompletionText), L"安装完成，马上开启WiFi...");
  EXPECT_EQ(kCompletionStepLimit + 1, static_cast<int>(frames.size()));
}

TEST(StepSwitches, EachSkipBitClearsItsOwnStepOnly) {
  const StepSwitches all = StepSwitchesFromMode(0);
  EXPECT_TRUE(all.unpack && all.service && all.driver && all.registration && all.shortcuts);
  EXPECT_FALSE(IsUnattendedMode(0));

  struct Case {
    ModeFlags mode;
    bool unpack, driver, registration, shortcuts;
  } cases[] = {
      {kSkipRegistration, true, true, false, true},
      {kSkipUnpack, false, true, true, true},
      {kSkipDriver, true, false, true, true},
      {kSkipShortcuts, true, true, true, false},
      {kUnattended, true, true, true, true},
      {0x1F, false, false, false, false},
      {0x20, true, true, true, true},  // bits above the five do nothing
  };
  for (const Case& c : cases) {
    const StepSwitches s = StepSwitchesFromMode(c.mode);
    EXPECT_EQ(s.unpack, c.unpack) << c.mode;
    EXPECT_EQ(s.driver, c.driver) << c.mode;
    EXPECT_EQ(s.registration, c.registration) << c.mode;
    EXPECT_EQ(s.shortcuts, c.shortcuts) << c.mode;
    EXPECT_TRUE(s.service) << c.mode;  // the service step has no bit
  }
  EXPECT_TRUE(IsUnattendedMode(0x1F));
  EXPECT_TRUE(IsUnattendedMode(kUnattended));
  EXPECT_FALSE(IsUnattendedMode(0x0F));
  // A negative value carries all low bits.
  EXPECT_TRUE(IsUnattendedMode(-1));
  EXPECT_FALSE(StepSwitchesFromMode(-1).unpack);
}

TEST(PreviousInstall, DirectoryOfUninstallerCutsAtTheLastBackslash) {
  EXPECT_EQ(DirectoryOfUninstaller(L"C:\\Program Files (x86)\\Zephyra\\uninst.exe"),
            L"C:\\Program Files (x86)\\Zephyra");
  EXPECT_EQ(DirectoryOfUninstaller(L"D:\\\\WiFi\\uninst.exe"), L"D:\\\\WiFi");
  EXPECT_EQ(DirectoryOfUninstaller(L"C:\\Zephyra\\"), L"C:\\Zephyra");
  EXPECT_EQ(DirectoryOfUninstaller(L"C:\\uninst.exe"), L"C:");
  EXPECT_EQ(DirectoryOfUninstaller(L"uninst.exe"), L"");
  EXPECT_EQ(DirectoryOfUninstaller(L"C:/Zephyra/uninst.exe"), L"");  // only "\" counts
  EXPECT_EQ(DirectoryOfUninstaller(L""), L"");
}

std::vector<uint8_t> Utf16Bytes(const std::u16string& text, bool terminated) {
  std::vector<uint8_t> bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  if (terminated) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

TEST(PreviousInstall, UninstallStringNeedsAStringTypeAndATerminator) {
  EXPECT_EQ(UninstallStringFromValue(kRegistryString, Utf16Bytes(u"C:\\Z\\uninst.exe", true)), L"C:\\Z\\uninst.exe");
  EXPECT_EQ(UninstallStringFromValue(kRegistryExpandString, Utf16Bytes(u"C:\\Z\\u.exe", true)), L"C:\\Z\\u.exe");
  EXPECT_EQ(UninstallStringFromValue(kRegistryString, Utf16Bytes(u"安装\\u.exe", true)), L"安装\\u.exe");
  // Not terminated within the data: empty.
  EXPECT_EQ(UninstallStringFromValue(kRegistryString, Utf16Bytes(u"C:\\Z\\uninst.exe", false)), L"");
  // Text ends at the first zero.
  std::vector<uint8_t> two = Utf16Bytes(u"C:\\A\\u.exe", true);
  const std::vector<uint8_t> tail = Utf16Bytes(u"rest", true);
  two.insert(two.end(), tail.begin(), tail.end());
  EXPECT_EQ(UninstallStringFromValue(kRegistryString, two), L"C:\\A\\u.exe");
  // Other types (REG_BINARY 3, REG_DWORD 4, REG_MULTI_SZ 7) count as empty.
  EXPECT_EQ(UninstallStringFromValue(3, Utf16Bytes(u"C:\\Z\\u.exe", true)), L"");
  EXPECT_EQ(UninstallStringFromValue(4, {1, 0, 0, 0}), L"");
  EXPECT_EQ(UninstallStringFromValue(7, Utf16Bytes(u"C:\\Z\\u.exe", true)), L"");
  EXPECT_EQ(UninstallStringFromValue(kRegistryString, {}), L"");
  EXPECT_EQ(UninstallStringFromValue(kRegistryString, {'A', 0, 0}), L"");  // odd size: half a terminator
  // Longer than the 129 characters a 260-byte buffer holds: read whole.
  const std::u16string long_dir = u"C:\\" + std::u16string(200, u'x');
  EXPECT_EQ(UninstallStringFromValue(kRegistryString, Utf16Bytes(long_dir + u"\\uninst.exe", true)).size(),
            long_dir.size() + 11);
}

// Records the ring steps the progress object asks for.
class StepRecorder : public IInstallUi {
 public:
  void ShowInstallStep(unsigned step) override { steps.push_back(step); }
  void ShowInstallFailed() override {}
  void RequestClose() override {}
  std::vector<unsigned> steps;
};

std::vector<unsigned> StepsFor(std::initializer_list<double> percentages) {
  StepRecorder ui;
  YdUnpakerProgress progress(&ui);
  for (double x : percentages) progress.OnPercent(x, 0.0);
  return ui.steps;
}

TEST(UnpakerProgress, PercentagesBecomeRingSteps) {
  EXPECT_EQ(StepsFor({35.0, 100.0}), (std::vector<unsigned>{3, 10}));  // PNG 222, then 229
  EXPECT_EQ(StepsFor({99.5}), (std::vector<unsigned>{9, 10}));         // PNG 228, then 229
  EXPECT_EQ(StepsFor({95.0}), (std::vector<unsigned>{9}));
  EXPECT_EQ(StepsFor({99.0}), (std::vector<unsigned>{9, 10}));
  EXPECT_EQ(StepsFor({0.0, 9.99}), (std::vector<unsigned>{}));
  EXPECT_EQ(StepsFor({10.0, 19.999, 20.0}), (std::vector<unsigned>{1, 1, 2}));
  EXPECT_EQ(RingImageForStep(StepsFor({35.0})[0]),
            L"res='222' restype='PNG' source='0,0,140,140' dest='0,0,140,140'");
}

TEST(UnpakerProgress, WithoutAnOwnerNothingIsShown) {
  YdUnpakerProgress progress(nullptr);
  progress.OnPercent(50.0, 0.0);  // must not crash
  EXPECT_FALSE(progress.CancelRequested());
}

// Exposes the unpacker's own cancel flag.
class ObservedUnpacker : public YdResUnpacker {
 public:
  bool Cancelled() const { return IsCancelFlagSet(); }
};

TEST(UnpakerProgress, CancelReachesTheAttachedUnpackerNowAndAtTheNextReport) {
  StepRecorder ui;
  YdUnpakerProgress progress(&ui);
  ObservedUnpacker unpacker;
  unpacker.SetProgress(&progress);
  progress.AttachUnpacker(&unpacker);
  progress.Pause(true);
  progress.RequestCancel();
  EXPECT_TRUE(unpacker.Cancelled());
  EXPECT_TRUE(progress.IsCancelled());
  EXPECT_TRUE(progress.CancelRequested());
  progress.WaitWhilePaused();  // the cancel let the held extraction go on

  // An unpacker that cleared its flags after the cancel (as Unpack does at
  // its start) is cancelled again at its next report.
  ObservedUnpacker late;
  progress.AttachUnpacker(&late);
  EXPECT_FALSE(late.Cancelled());
  progress.OnPercent(12.0, 0.0);
  EXPECT_TRUE(late.Cancelled());
  progress.AttachUnpacker(nullptr);
}

TEST(UnpakerProgress, ReportsWithoutCancelLeaveTheUnpackerRunning) {
  YdUnpakerProgress progress(nullptr);
  ObservedUnpacker unpacker;
  progress.AttachUnpacker(&unpacker);
  progress.OnPercent(50.0, 0.0);
  EXPECT_FALSE(unpacker.Cancelled());
  progress.AttachUnpacker(nullptr);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
