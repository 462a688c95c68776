// autorun_task.cpp -- Task Scheduler 2.0 calls for the autostart task.
#include "app/install/autorun_task.h"

#include <objbase.h>
#include <taskschd.h>

#include "app/install/registration_logic.h"
#include "common/scoped_com.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// ILogonTrigger, which the MinGW headers do not declare; the trigger is only
// queried for it, never changed, so IUnknown serves as its type.
constexpr IID kIidLogonTrigger = {0x72DADE38, 0xFAE4, 0x4B3E, {0xBA, 0xF4, 0x5D, 0x00, 0x9A, 0xF0, 0x2B, 0x1C}};

// COM for the calling thread, the process's COM security and a connected
// scheduling service: the first three operations of every task call.
class TaskSchedulerSession {
 public:
  TaskSchedulerSession() : apartment_(COINIT_APARTMENTTHREADED) {}

  // Connects; false with `outcome` telling where it stopped.
  bool Open(TaskOutcome* outcome) {
    outcome->stage = TaskStage::kComInit;
    outcome->result = apartment_.Result();
    if (!apartment_.Succeeded()) return false;

    outcome->stage = TaskStage::kComSecurity;
    outcome->result = ::CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                                             RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    if (FAILED(outcome->result) && outcome->result != RPC_E_TOO_LATE) return false;

    outcome->stage = TaskStage::kCreateService;
    outcome->result = ::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                         service_.ReceiveVoid());
    if (FAILED(outcome->result)) return false;

    outcome->stage = TaskStage::kConnect;
    VARIANT empty;
    ::VariantInit(&empty);
    outcome->result = service_->Connect(empty, empty, empty, empty);
    if (FAILED(outcome->result)) return false;

    outcome->stage = TaskStage::kRootFolder;
    ScopedBstr root(L"\\");
    outcome->result = service_->GetFolder(root.Get(), root_.Receive());
    return SUCCEEDED(outcome->result);
  }

  ITaskService* service() const { return service_.Get(); }
  ITaskFolder* root() const { return root_.Get(); }

 private:
  // Declared first: COM stays initialised until every interface is released.
  ScopedComApartment apartment_;
  ScopedComPtr<ITaskService> service_;
  ScopedComPtr<ITaskFolder> root_;
};

// Records `result` for `stage`; true when the sequence may go on.
bool Step(TaskOutcome* outcome, TaskStage stage, HRESULT result) {
  outcome->stage = stage;
  outcome->result = result;
  return SUCCEEDED(result);
}

HRESULT DefineTask(ITaskDefinition* task, const AutorunTaskPlan& plan, TaskOutcome* outcome) {
  ScopedComPtr<IRegistrationInfo> info;
  if (!Step(outcome, TaskStage::kAuthor, task->get_RegistrationInfo(info.Receive()))) return outcome->result;
  ScopedBstr author(plan.author.c_str());
  if (!Step(outcome, TaskStage::kAuthor, info->put_Author(author.Get()))) return outcome->result;

  ScopedComPtr<ITaskSettings> settings;
  if (!Step(outcome, TaskStage::kSettings, task->get_Settings(settings.Receive()))) return outcome->result;
  if (!Step(outcome, TaskStage::kSettings,
            settings->put_DisallowStartIfOnBatteries(plan.disallowStartOnBatteries ? VARIANT_TRUE : VARIANT_FALSE))) {
    return outcome->result;
  }

  ScopedComPtr<IPrincipal> principal;
  if (!Step(outcome, TaskStage::kRunLevel, task->get_Principal(principal.Receive()))) return outcome->result;
  if (!Step(outcome, TaskStage::kRunLevel,
            principal->put_RunLevel(plan.runLevelHighest ? TASK_RUNLEVEL_HIGHEST : TASK_RUNLEVEL_LUA))) {
    return outcome->result;
  }

  // One logon trigger with default settings: any user's logon.
  ScopedComPtr<ITriggerCollection> triggers;
  if (!Step(outcome, TaskStage::kLogonTrigger, task->get_Triggers(triggers.Receive()))) return outcome->result;
  ScopedComPtr<ITrigger> trigger;
  if (!Step(outcome, TaskStage::kLogonTrigger, triggers->Create(TASK_TRIGGER_LOGON, trigger.Receive()))) {
    return outcome->result;
  }
  ScopedComPtr<IUnknown> logon;
  if (!Step(outcome, TaskStage::kLogonTrigger, trigger.QueryInto(kIidLogonTrigger, &logon))) return outcome->result;

  ScopedComPtr<IActionCollection> actions;
  if (!Step(outcome, TaskStage::kExecAction, task->get_Actions(actions.Receive()))) return outcome->result;
  ScopedComPtr<IAction> action;
  if (!Step(outcome, TaskStage::kExecAction, actions->Create(TASK_ACTION_EXEC, action.Receive()))) {
    return outcome->result;
  }
  ScopedComPtr<IExecAction> exec;
  if (!Step(outcome, TaskStage::kExecAction, action.QueryInto(IID_IExecAction, &exec))) return outcome->result;
  ScopedBstr path(plan.actionPath.c_str());
  if (!Step(outcome, TaskStage::kExecAction, exec->put_Path(path.Get()))) return outcome->result;
  ScopedBstr arguments(plan.actionArguments.c_str());
  Step(outcome, TaskStage::kExecAction, exec->put_Arguments(arguments.Get()));
  return outcome->result;
}

}  // namespace

TaskOutcome RegisterAutorunTaskDetailed(const std::wstring& executable_path) {
  const AutorunTaskPlan plan = AutorunTaskPlanFor(executable_path);
  TaskOutcome outcome;
  TaskSchedulerSession session;
  if (!session.Open(&outcome)) return outcome;

  ScopedBstr name(plan.name.c_str());
  outcome.stage = TaskStage::kDeleteOld;
  outcome.result = session.root()->DeleteTask(name.Get(), 0);  // a missing task is fine

  ScopedComPtr<ITaskDefinition> task;
  if (!Step(&outcome, TaskStage::kNewTask, session.service()->NewTask(0, task.Receive()))) return outcome;
  if (FAILED(DefineTask(task.Get(), plan, &outcome))) return outcome;

  ScopedBstr user(plan.userGroup.c_str());
  VARIANT user_variant;
  ::VariantInit(&user_variant);
  user_variant.vt = VT_BSTR;
  user_variant.bstrVal = user.Get();  // borrowed: not cleared below
  VARIANT no_password;
  ::VariantInit(&no_password);
  VARIANT empty_sddl;
  ::VariantInit(&empty_sddl);
  empty_sddl.vt = VT_BSTR;
  ScopedBstr sddl(L"");
  empty_sddl.bstrVal = sddl.Get();
  ScopedComPtr<IRegisteredTask> registered;
  if (!Step(&outcome, TaskStage::kRegister,
            session.root()->RegisterTaskDefinition(name.Get(), task.Get(), TASK_CREATE_OR_UPDATE, user_variant,
                                                    no_password, TASK_LOGON_GROUP, empty_sddl,
                                                    registered.Receive()))) {
    return outcome;
  }
  outcome.stage = TaskStage::kDone;
  return outcome;
}

bool RegisterAutorunTask(const std::wstring& executable_path) {
  return RegisterAutorunTaskDetailed(executable_path).Succeeded();
}

TaskOutcome RemoveAutorunTaskDetailed() {
  TaskOutcome outcome;
  TaskSchedulerSession session;
  if (!session.Open(&outcome)) return outcome;
  ScopedBstr name(AutorunTaskPlanFor(L"").name.c_str());
  if (Step(&outcome, TaskStage::kDeleteOld, session.root()->DeleteTask(name.Get(), 0))) {
    outcome.stage = TaskStage::kDone;
  }
  return outcome;
}

bool RemoveAutorunTask() { return RemoveAutorunTaskDetailed().Succeeded(); }

}  // namespace ZEPHYRA_NAMESPACE
