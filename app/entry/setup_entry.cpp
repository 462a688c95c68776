// setup_entry.cpp -- the setup program's start-up sequence; see
// setup_entry.h.
#include "app/entry/setup_entry.h"

#include <memory>
#include <string>

#include "app/install/install_log.h"
#include "app/worker/install_actions.h"
#include "app/wizard/exit_codes.h"
#include "app/wizard/message_dlg.h"
#include "app/startup/mode_argument.h"
#include "app/wizard/setup_skin.h"
#include "app/wizard/setup_wnd.h"
#include "app/startup/startup_checks.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/resource_cache.h"
#include "ui/window/window_shadow.h"

namespace ZEPHYRA_NAMESPACE {

bool RestrictDllSearchToSystem() {
  // Looked up at run time: older systems do not have it.
  using SetDirsFn = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return false;
  const auto setDirs =
      reinterpret_cast<SetDirsFn>(reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  return setDirs != nullptr && setDirs(kSearchSystem32) != FALSE;
}

namespace {

#ifndef ZEPHYRA_SETUP_VERSION
#define ZEPHYRA_SETUP_VERSION "unknown"
#endif

LogRunFacts RunFacts(ModeFlags mode) {
  LogRunFacts facts;
  facts.setupVersion = ZEPHYRA_SETUP_VERSION;
  facts.mode = mode;
  facts.modeNames = DescribeModeFlags(mode);
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (::GetVersionExW(&version)) {
    facts.windows = std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion) + "." +
                    std::to_string(version.dwBuildNumber);
  }
  SYSTEM_INFO system{};
  ::GetNativeSystemInfo(&system);
  facts.windows64Bit = system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
                         system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64 ||
                         system.wProcessorArchitecture == 12;  // ARM64
  return facts;
}

void StartInstallLog(ModeFlags mode) {
  wchar_t temp[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) return;
  InstallLog().Begin(std::wstring(temp, length) + kInstallLogName, RunFacts(mode));  // the path ends in "\\"
}

int Ended(int code) {
  LogEvent("exit code " + std::to_string(code));
  return code;
}

}  // namespace

int RunSetup(HINSTANCE instance, const std::string& argument) {
  const ModeFlags mode = argument.empty() ? 0 : ParseModeValue(argument);
  StartInstallLog(mode);
  RestrictDllSearchToSystem();
  GetResourceCache().SetResourceModule(instance);
  InstallSetupSkin();
  YdWindowShadow::InitializeShadows(instance);
  // A shown wizard stops the product's processes right after its first
  // frame, before it takes input; else they are stopped before the window.
  const bool afterFirstPaint = DefersToFirstPaint(WizardModeFromValue(mode));
  if (!afterFirstPaint) KillProductProcesses();
  if (IsSetupAlreadyRunning()) {
    if (afterFirstPaint) KillProductProcesses();
    YdMessageDlg dlg(nullptr, kDlgSingleButton | kDlgAlternateIcon);
    dlg.SetMessageText(kAlreadyRunningText);
    LogEvent("another setup is running");
    if (::IsWindow(dlg.GetHWND())) dlg.RunModal();
    return Ended(kExitOk);
  }
  const std::wstring dir = DefaultInstallDirectory();
  LogEvent(L"default install folder " + dir);

  YdMachineInstallActions actions;
  // Declared after `actions`: the wizard (and its install thread) goes first.
  std::unique_ptr<YdSetupWnd> wizard(new (std::nothrow) YdSetupWnd(dir, mode, &actions));
  if (!wizard) return Ended(kExitOk);
  if (!wizard->Created()) return Ended(wizard->ExitCode());
  if (afterFirstPaint) wizard->SetBeforeInstall([] { KillProductProcesses(); });
  wizard->CenterOnOwner();
  wizard->ShowWithDelay(wizard->Mode().showWindow, true);
  YdPaintManager::RunMessageLoop();
  if (YdInstallWorker* worker = wizard->Worker()) worker->Join();
  return Ended(wizard->ExitCode());
}

}  // namespace ZEPHYRA_NAMESPACE
