// service_driver_logic.cpp -- command lines of the service and driver steps.
#include "app/install/service_driver_logic.h"

#include "app/install/install_paths.h"

namespace ZEPHYRA_NAMESPACE {

std::wstring CoreServiceCommandLine(const std::wstring& install_dir) {
  return Quoted(InstallFilePath(install_dir, L"ydcoresrv.exe")) + L" -i";
}

std::vector<std::wstring> NatDriverCommandLines(const std::wstring& install_dir, const WindowsPlatform& platform) {
  const std::wstring driver_dir = InstallDirText(install_dir) + L"\\YdNatDriver\\";
  if (platform.majorVersion >= 6) {
    const wchar_t* tool = platform.is64bit ? L"snetcfg64.exe" : L"snetcfg.exe";
    const wchar_t* driver = platform.is64bit ? L"ydnatwfp64.sys" : L"ydnatwfp.sys";
    return {Quoted(InstallFilePath(install_dir, tool)) + L" -m -w -f ydnatwfp -k " + Quoted(driver_dir + driver)};
  }
  if (platform.is64bit) return {};  // no NAT driver for 64-bit XP
  const std::wstring tool = Quoted(InstallFilePath(install_dir, L"snetcfg.exe"));
  return {
      tool + L" -l " + Quoted(driver_dir + L"ydnat_xp_m.inf") + L" -c s -i ydnatmp",
      tool + L" -l " + Quoted(driver_dir + L"ydnat_xp.inf") + L" -c s -i ms_ydnat",
  };
}

}  // namespace ZEPHYRA_NAMESPACE
