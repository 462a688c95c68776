// install_actions.h -- YdMachineInstallActions: the install worker's steps
// done for real on this machine (payload resource, payload programs,
// registry, links, reporters and the product).
#pragma once

#ifdef _WIN32

#include "app/install/cancel_signal.h"
#include "app/worker/install_worker.h"
#include "app/worker/unpack_payload.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdMachineInstallActions : public IInstallActions {
 public:
  YdMachineInstallActions() = default;

  bool UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress) override;
  bool InstallCoreService(const InstallJob& job) override;
  bool InstallNatDriver(const InstallJob& job) override;
  bool WriteRegistration(const InstallJob& job) override;
  bool CreateShortcuts(const InstallJob& job) override;
  void ReportInstall(const InstallJob& job) override;
  void ReportAutoUpdateInstall(const InstallJob& job) override;
  void LaunchProduct(const InstallJob& job) override;
  void Cancel() override { cancel_.Set(); }
  const YdCancelSignal* CancelSignal() const override { return &cancel_; }
  void AfterFailedExtraction(const InstallJob& job) override;
  bool ExtractionLackedSpace() const override { return summary_.shortOfSpace; }

 private:
  YdCancelSignal cancel_;
  UnpackSummary summary_;  // of the last unpack step
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
