// ring_logic.h -- what the progress page shows for each install step: the
// ring's image descriptor, the completion animation frames and texts.
#pragma once

#include <string>
#include <vector>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

constexpr unsigned kFirstRingStep = 1;
constexpr unsigned kLastRingStep = 13;
// The step the install thread passes when all steps are done.
constexpr unsigned kCompletionStep = 14;
// Frame sequence animation of the ring: eight frames, 50 ms each, last index 7.
constexpr int kCompletionAnimationKind = 0x2003;
constexpr int kCompletionFramePeriodMs = 50;
constexpr int kCompletionStepLimit = 7;

extern const wchar_t kCompletionText[];    // "安装完成，马上开启WiFi..."
extern const wchar_t kInstallFailedText[];  // caption after a failed extraction

// True for the steps that switch the ring's image (1..13).
bool IsRingStep(unsigned step);
// The ring's normal image for steps 1..13 (PNG step + 219); empty for any
// other step.
std::wstring RingImageForStep(unsigned step);
// The eight completion frames in order: PNG 232..235, then 211..214.
std::vector<std::wstring> CompletionFrames();

}  // namespace ZEPHYRA_NAMESPACE
