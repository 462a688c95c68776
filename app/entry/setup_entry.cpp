// setup_entry.cpp -- the setup program's start-up sequence; see
// setup_entry.h.
#include "app/entry/setup_entry.h"

#include <memory>

#include "app/worker/install_actions.h"
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

int RunSetup(HINSTANCE instance, const std::string& argument) {
  RestrictDllSearchToSystem();
  GetResourceCache().SetResourceModule(instance);
  InstallSetupSkin();
  YdWindowShadow::InitializeShadows(instance);
  KillProductProcesses();
  if (IsSetupAlreadyRunning()) {
    YdMessageDlg dlg(nullptr, kDlgSingleButton | kDlgAlternateIcon);
    dlg.SetMessageText(kAlreadyRunningText);
    if (::IsWindow(dlg.GetHWND())) dlg.RunModal();
    return kExitOk;
  }
  const std::wstring dir = DefaultInstallDirectory();
  const ModeFlags mode = argument.empty() ? 0 : ParseModeValue(argument);

  YdMachineInstallActions actions;
  // Declared after `actions`: the wizard (and its install thread) goes first.
  std::unique_ptr<YdSetupWnd> wizard(new (std::nothrow) YdSetupWnd(dir, mode, &actions));
  if (!wizard) return kExitOk;
  if (!wizard->Created()) return wizard->ExitCode();
  wizard->CenterOnOwner();
  wizard->ShowWithDelay(wizard->Mode().show_window, true);
  YdPaintManager::RunMessageLoop();
  if (YdInstallWorker* worker = wizard->Worker()) worker->Join();
  return wizard->ExitCode();
}

}  // namespace ZEPHYRA_NAMESPACE
