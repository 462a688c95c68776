// linear_layouts.h -- the two layouts the whole installer skin is built
// from: a container whose layout kind is preset to horizontal (1) or
// vertical (2) and that differs in nothing else.
#pragma once

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"

namespace ZEPHYRA_NAMESPACE {

class YdHorizontalLayout : public YdContainer {
 public:
  YdHorizontalLayout() { kind_ = YdLayoutKind::kHorizontal; }
};

class YdVerticalLayout : public YdContainer {
 public:
  YdVerticalLayout() { kind_ = YdLayoutKind::kVertical; }
};

}  // namespace ZEPHYRA_NAMESPACE
