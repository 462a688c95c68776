// mode_flags.h -- the mode value an updater passes to the setup.
#pragma once

#include <cstdint>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// A 32-bit signed value; only the lowest five bits steer the installation,
// and the window is shown only when the whole value is 0.
using ModeFlags = int32_t;

enum ModeBit : ModeFlags {
  kSkipRegistration = 0x01,
  kSkipUnpack = 0x02,
  kSkipDriver = 0x04,
  kSkipShortcuts = 0x08,
  kUnattended = 0x10,
};

}  // namespace ZEPHYRA_NAMESPACE
