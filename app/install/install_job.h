// install_job.h -- the record the install thread builds once and hands to
// every install step.
#pragma once

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdSetupWnd;      // the wizard that owns the installation
class YdCancelSignal;  // set when the user cancels the installation

struct InstallJob {
  YdSetupWnd* window = nullptr;  // not owned; may be null (tests, tools)
  std::wstring installDir;      // a copy, as the user or the record gave it
  bool desktopShortcut = false;  // option 110 when the thread started
  bool autostart = false;         // option 111 when the thread started
  // Not owned; when set, the waits for child processes end as soon as it is
  // signalled. Null means the waits end only with the child.
  const YdCancelSignal* cancel = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE
