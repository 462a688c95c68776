// progress_math.cpp -- percentages and installer steps.
#include "archive/progress_math.h"

namespace ZEPHYRA_NAMESPACE {

double ProgressPercent(uint64_t done, uint64_t total) {
  if (total == 0) return 100.0;
  return static_cast<double>(done) * 100.0 / static_cast<double>(total);
}

std::vector<int> InstallStepsForPercent(double overall) {
  std::vector<int> steps;
  for (int band = 1; band <= 9; ++band) {
    if (10.0 * band <= overall && overall < 10.0 * (band + 1)) {
      steps.push_back(band);
      break;
    }
  }
  if (overall >= 99.0) steps.push_back(10);
  return steps;
}

}  // namespace ZEPHYRA_NAMESPACE
