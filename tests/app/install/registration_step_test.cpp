// The registration step for real under Wine: registry values with their
// types and stored lengths, reinstallation, the Run value before Windows 6
// (a program run as Windows XP) and the task path from Windows 6 on.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <taskschd.h>

#include "app/install/autorun_task.h"
#include "app/install/install_job.h"
#include "app/install/registration_logic.h"
#include "app/install/registration_step.h"
#include "common/scoped_com.h"
#include "common/scoped_handle.h"
#include "tests/app/install/install_test_support.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using namespace testing_support;

const wchar_t kSentinel[] = L"left by an earlier installation";

// Task Scheduler access for checking and preparing the task "Zephyra".
class TaskFolder {
 public:
  TaskFolder() {
    if (FAILED(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                  service_.ReceiveVoid()))) {
      return;
    }
    VARIANT empty;
    ::VariantInit(&empty);
    ScopedBstr root(L"\\");
    if (FAILED(service_->Connect(empty, empty, empty, empty)) ||
        FAILED(service_->GetFolder(root.Get(), root_.Receive()))) {
      root_.Reset();
    }
  }
  bool Ready() const { return static_cast<bool>(root_); }

  bool Exists(const wchar_t* name) const {
    ScopedBstr bstr(name);
    ScopedComPtr<IRegisteredTask> task;
    return SUCCEEDED(root_->GetTask(bstr.Get(), task.Receive()));
  }

  // A task with one exec action and no trigger: what Wine can register.
  bool RegisterPlain(const wchar_t* name) const {
    ScopedComPtr<ITaskDefinition> task;
    if (FAILED(service_->NewTask(0, task.Receive()))) return false;
    ScopedComPtr<IActionCollection> actions;
    ScopedComPtr<IAction> action;
    ScopedComPtr<IExecAction> exec;
    ScopedBstr path(L"C:\\windows\\notepad.exe");
    if (FAILED(task->get_Actions(actions.Receive())) || FAILED(actions->Create(TASK_ACTION_EXEC, action.Receive())) ||
        FAILED(action.QueryInto(IID_IExecAction, &exec)) || FAILED(exec->put_Path(path.Get()))) {
      return false;
    }
    VARIANT empty;
    ::VariantInit(&empty);
    ScopedBstr bstr(name);
    ScopedComPtr<IRegisteredTask> registered;
    return SUCCEEDED(root_->RegisterTaskDefinition(bstr.Get(), task.Get(), TASK_CREATE_OR_UPDATE, empty, empty,
                                                   TASK_LOGON_INTERACTIVE_TOKEN, empty, registered.Receive()));
  }

 private:
  ScopedComPtr<ITaskService> service_;
  ScopedComPtr<ITaskFolder> root_;
};

class RegistrationStep : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteMachineTree(kUninstallKey);
    DeleteMachineTree(kAppPathsKey);
    ScopedRegKey run;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, run.Receive(),
                                nullptr),
              ERROR_SUCCESS);
    ::RegDeleteValueW(run.Get(), kRunValueName);
  }
  void TearDown() override {
    DeleteMachineTree(kUninstallKey);
    DeleteMachineTree(kAppPathsKey);
    ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName);
  }

  static void SetRunSentinel() {
    ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName, REG_SZ, kSentinel, sizeof(kSentinel)),
              ERROR_SUCCESS);
  }

  // Every value of `plans` is REG_SZ with exactly the planned text and its
  // terminating zero in the stored length.
  static void ExpectValues(const std::wstring& key, const std::vector<RegistryValuePlan>& plans) {
    for (const auto& plan : plans) {
      const auto value = ReadMachineValue(key, plan.name.empty() ? nullptr : plan.name.c_str());
      ASSERT_TRUE(value.has_value()) << key << " " << plan.name;
      EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ)) << plan.name;
      EXPECT_EQ(value->text, plan.data) << plan.name;
      EXPECT_EQ(value->bytes, 2 * (plan.data.size() + 1)) << plan.name;
      EXPECT_TRUE(value->storedWithZero) << plan.name;
    }
  }
};

TEST_F(RegistrationStep, WritesEveryValueAndOverwritesOnReinstall) {
  InstallJob job;
  job.installDir = L"C:\\Program Files (x86)\\WiFi";
  EXPECT_TRUE(WriteRegistration(job));
  ExpectValues(kUninstallKey, {
                                  {L"DisplayIcon", L"C:\\Program Files (x86)\\WiFi\\Zephyra.exe"},
                                  {L"DisplayName", L"Zephyra"},
                                  {L"DisplayVersion", L"4.2015.1225.001"},
                                  {L"Publisher", L"Orvane,Inc"},
                                  {L"UninstallString", L"C:\\Program Files (x86)\\WiFi\\uninst.exe"},
                                  {L"URLInfoAbout", kProductHomePage},
                              });
  ExpectValues(kAppPathsKey, {{L"", L"C:\\Program Files (x86)\\WiFi\\Zephyra.exe"},
                              {L"Path", L"C:\\Program Files (x86)\\WiFi"}});

  job.installDir = L"D:\\\u65B0\u76EE\u5F55\\Zephyra\\";  // a trailing separator is not written
  EXPECT_TRUE(WriteRegistration(job));
  ExpectValues(kUninstallKey, UninstallRecordPlan(job.installDir));
  ExpectValues(kAppPathsKey, AppPathPlan(job.installDir));
  EXPECT_EQ(ReadMachineValue(kUninstallKey, L"DisplayIcon")->text, L"D:\\\u65B0\u76EE\u5F55\\Zephyra\\Zephyra.exe");
  EXPECT_EQ(ReadMachineValue(kAppPathsKey, L"Path")->text, L"D:\\\u65B0\u76EE\u5F55\\Zephyra");
}

TEST_F(RegistrationStep, BeforeWindows6TheRunValueFollowsTheChoice) {
  InstallJob job;
  job.installDir = L"C:\\Program Files\\WiFi";
  job.autostart = true;
  EXPECT_TRUE(WriteRegistrationFor(job, 5));
  ExpectValues(kRunKey, {{L"Zephyra", L"\"C:\\Program Files\\WiFi\\Zephyra.exe\" -autorun"}});

  job.autostart = false;
  EXPECT_TRUE(WriteRegistrationFor(job, 5));
  EXPECT_FALSE(ReadMachineValue(kRunKey, kRunValueName).has_value());
  EXPECT_TRUE(WriteRegistrationFor(job, 5));  // a missing value is no error
}

TEST_F(RegistrationStep, ProgramRunAsWindowsXpWritesAndDeletesTheRunValue) {
  ScopedComApartment apartment;
  TaskFolder tasks;
  ASSERT_TRUE(tasks.Ready());
  ASSERT_TRUE(tasks.RegisterPlain(L"Zephyra"));

  const fs::path probe = ProbeWithWindowsVersion(L"winxp64");
  ASSERT_EQ(RunProgram(probe, L"platform"), 51);  // major version 5 on a 64-bit processor

  EXPECT_EQ(RunProgram(probe, L"registration \"C:\\Program Files (x86)\\WiFi\" 1"), 1);
  ExpectValues(kRunKey, {{L"Zephyra", L"\"C:\\Program Files (x86)\\WiFi\\Zephyra.exe\" -autorun"}});
  ExpectValues(kUninstallKey, UninstallRecordPlan(L"C:\\Program Files (x86)\\WiFi"));

  EXPECT_EQ(RunProgram(probe, L"registration \"C:\\Program Files (x86)\\WiFi\" 0"), 1);
  EXPECT_FALSE(ReadMachineValue(kRunKey, kRunValueName).has_value());
  // Before Windows 6 the scheduled task is not touched.
  EXPECT_TRUE(tasks.Exists(L"Zephyra"));
  RemoveAutorunTask();
}

TEST_F(RegistrationStep, Windows6UsesTheTaskAndLeavesTheRunValue) {
  ScopedComApartment apartment;
  TaskFolder tasks;
  ASSERT_TRUE(tasks.Ready());
  SetRunSentinel();

  // Autostart cleared: an existing task is deleted.
  ASSERT_TRUE(tasks.RegisterPlain(L"Zephyra"));
  ASSERT_TRUE(tasks.Exists(L"Zephyra"));
  InstallJob job;
  job.installDir = L"C:\\Program Files (x86)\\WiFi";
  EXPECT_TRUE(WriteRegistration(job));  // this prefix reports Windows 7
  EXPECT_FALSE(tasks.Exists(L"Zephyra"));
  EXPECT_EQ(ReadMachineValue(kRunKey, kRunValueName)->text, kSentinel);

  // Autostart chosen: the old task goes first; Wine then stops at the first
  // call it does not implement, and the step stays silent about it.
  ASSERT_TRUE(tasks.RegisterPlain(L"Zephyra"));
  job.autostart = true;
  EXPECT_TRUE(WriteRegistration(job));
  EXPECT_EQ(ReadMachineValue(kRunKey, kRunValueName)->text, kSentinel);
  EXPECT_FALSE(tasks.Exists(L"Zephyra"));
}

TEST(AutorunTask, SequenceUpToWhatWineImplements) {
  ScopedComApartment apartment;
  TaskFolder tasks;
  ASSERT_TRUE(tasks.Ready());
  ASSERT_TRUE(tasks.RegisterPlain(L"Zephyra"));

  const TaskOutcome registered = RegisterAutorunTaskDetailed(L"C:\\Program Files (x86)\\WiFi\\Zephyra.exe");
  // Connecting, the root folder, deleting the old task, the new definition,
  // its author and its settings all worked; Wine 8 has no run levels.
  EXPECT_EQ(registered.stage, TaskStage::kRunLevel);
  EXPECT_EQ(registered.result, E_NOTIMPL);
  EXPECT_FALSE(registered.Succeeded());
  EXPECT_FALSE(tasks.Exists(L"Zephyra"));

  ASSERT_TRUE(tasks.RegisterPlain(L"Zephyra"));
  const TaskOutcome removed = RemoveAutorunTaskDetailed();
  EXPECT_TRUE(removed.Succeeded());
  EXPECT_EQ(removed.result, S_OK);
  EXPECT_FALSE(tasks.Exists(L"Zephyra"));
  // Nothing left to delete: a failure, reported as such.
  EXPECT_FALSE(RemoveAutorunTask());
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
