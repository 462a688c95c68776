// control_factory.cpp -- the element-name registry and the registration of
// the containers, layouts and the scroll bar.
#include "ui/controls/control_factory.h"

#include <map>

#include "ui/controls/container.h"
#include "ui/controls/grid_layout.h"
#include "ui/controls/linear_layouts.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

// Touched only from the UI thread that builds windows.
std::map<std::wstring, YdControlCreator>& Registry() {
  static std::map<std::wstring, YdControlCreator> registry;
  return registry;
}

YdControl* NewControl() { return new YdControl; }
YdControl* NewContainer() { return new YdContainer; }
YdControl* NewHorizontalLayout() { return new YdHorizontalLayout; }
YdControl* NewVerticalLayout() { return new YdVerticalLayout; }
YdControl* NewGridLayout() { return new YdGridLayout; }

}  // namespace

bool RegisterControlClass(const std::wstring& name, YdControlCreator creator) {
  if (name.empty() || creator == nullptr) return false;
  Registry()[name] = creator;
  return true;
}

bool UnregisterControlClass(const std::wstring& name) { return Registry().erase(name) != 0; }

YdControl* CreateRegisteredControl(const std::wstring& name) {
  const auto at = Registry().find(name);
  return at == Registry().end() ? nullptr : at->second();
}

bool IsControlClassRegistered(const std::wstring& name) { return Registry().count(name) != 0; }

void RegisterContainerControls() {
  const std::pair<const wchar_t*, YdControlCreator> own[] = {
      {L"Control", &NewControl},
      {L"Container", &NewContainer},
      {L"HorizontalLayout", &NewHorizontalLayout},
      {L"VerticalLayout", &NewVerticalLayout},
      {L"GridLayout", &NewGridLayout},
  };
  // A program that registered its own class under one of these names keeps it.
  for (const auto& entry : own) {
    if (!IsControlClassRegistered(entry.first)) RegisterControlClass(entry.first, entry.second);
  }
}

}  // namespace ZEPHYRA_NAMESPACE
