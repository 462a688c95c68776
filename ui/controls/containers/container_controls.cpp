// container_controls.cpp -- registration of the plain control, the container
// and the layouts.
#include "ui/controls/containers/container_controls.h"

#include <utility>

#include "ui/control/control_factory.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/containers/grid_layout.h"
#include "ui/controls/containers/linear_layouts.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterContainerControls() {
  const std::pair<const wchar_t*, YdControlCreator> own[] = {
      {L"Control", &MakeControl<YdControl>},
      {L"Container", &MakeControl<YdContainer>},
      {L"HorizontalLayout", &MakeControl<YdHorizontalLayout>},
      {L"VerticalLayout", &MakeControl<YdVerticalLayout>},
      {L"GridLayout", &MakeControl<YdGridLayout>},
  };
  // A program that registered its own class under one of these names keeps it.
  for (const auto& entry : own) {
    if (!IsControlClassRegistered(entry.first)) RegisterControlClass(entry.first, entry.second);
  }
}

}  // namespace ZEPHYRA_NAMESPACE
