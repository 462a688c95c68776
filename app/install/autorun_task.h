// autorun_task.h -- the scheduled task that starts the product at logon
// (Windows 6 and later), registered and removed through Task Scheduler 2.0.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// The operations of a task registration, in the order they run; a failure
// skips every later one.
enum class TaskStage {
  kComInit,
  kComSecurity,
  kCreateService,
  kConnect,
  kRootFolder,
  kDeleteOld,  // its result never stops the sequence
  kNewTask,
  kAuthor,
  kSettings,
  kRunLevel,
  kLogonTrigger,
  kExecAction,
  kRegister,
  kDone,
};

// Where a task operation stopped: `stage` is the operation that failed (or
// kDone), `result` its HRESULT.
struct TaskOutcome {
  TaskStage stage = TaskStage::kComInit;
  HRESULT result = E_FAIL;
  bool Succeeded() const { return stage == TaskStage::kDone; }
};

// Registers (creates or replaces) the task "Zephyra" in the root folder.
// Failures are silent: the autostart is then absent.
TaskOutcome RegisterAutorunTaskDetailed(const std::wstring& executable_path);
bool RegisterAutorunTask(const std::wstring& executable_path);

// Deletes the task "Zephyra"; true when the deletion succeeded.
TaskOutcome RemoveAutorunTaskDetailed();
bool RemoveAutorunTask();

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
