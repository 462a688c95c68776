// service_driver_step.h -- the core service step and the NAT driver step:
// run payload programs of the install directory and wait for each.
#pragma once

#ifdef _WIN32

#include "app/install/install_job.h"
#include "app/install/service_driver_logic.h"
#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// Runs "ydcoresrv.exe -i" and waits (until it ends or the job's cancel
// signal is set); true when the process could be started. With the signal
// already set nothing starts and the result is false.
bool InstallCoreService(const InstallJob& job);

// Runs snetcfg for the running system's version and width, each command in
// order, waiting for each; a set cancel signal stops the sequence. Programs that cannot start are passed over
// silently; exit codes are not read. Always true.
bool InstallNatDriver(const InstallJob& job);
// The same for a given platform.
bool InstallNatDriverOn(const InstallJob& job, const WindowsPlatform& platform);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
