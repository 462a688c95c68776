// child_process.h -- starts a payload program with a command line and waits
// for it; the wait has no time limit but ends at once on cancellation.
#pragma once

#ifdef _WIN32

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdCancelSignal;

enum class ChildRun {
  kNotStarted,  // process creation failed
  kSkipped,     // the cancel signal was already set: nothing started
  kFinished,    // the child ended
  kCancelled,   // the cancel signal was set first; the child keeps running
};

// Creates the process from `command_line` alone (no application name, no
// inherited handles, CREATE_NO_WINDOW, inherited environment and current
// directory) and waits for it to end or for `cancel` (may be null). A set
// signal starts nothing.
ChildRun RunAndWait(const std::wstring& command_line, const YdCancelSignal* cancel);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
