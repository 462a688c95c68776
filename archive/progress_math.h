// progress_math.h -- the arithmetic of extraction progress: percentages of
// stored bytes, and the installer's step numbers for an overall percentage.
#pragma once

#include <cstdint>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// done × 100 ÷ total in floating point, or 100 when total is 0.
double ProgressPercent(uint64_t done, uint64_t total);

// Steps of the installer's progress ring for an overall percentage x: the
// band i (1..9) with 10·i ≤ x < 10·(i+1), then 10 when x ≥ 99.
// 95 → {9}; 99.5 → {9, 10}; below 10 → {}.
std::vector<int> InstallStepsForPercent(double overall);

}  // namespace ZEPHYRA_NAMESPACE
