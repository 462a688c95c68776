// startup_probe.cpp -- a helper program for the start-up tests.
//   startup_probe sleep     waits up to 60 s (stands in for a product process)
//   startup_probe instance  exits 1 when another setup holds the instance
//                           event, 0 when it created the event itself
#include <windows.h>

#include <cstring>

#include "app/startup/startup_checks.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "sleep") == 0) {
    ::Sleep(60000);
    return 7;
  }
  if (argc >= 2 && std::strcmp(argv[1], "instance") == 0) {
    return ZEPHYRA_NAMESPACE::IsSetupAlreadyRunning() ? 1 : 0;
  }
  return 2;
}
