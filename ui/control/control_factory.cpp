// control_factory.cpp -- the element-name registry.
#include "ui/control/control_factory.h"

#include <map>

namespace ZEPHYRA_NAMESPACE {

namespace {

// Touched only from the UI thread that builds windows.
std::map<std::wstring, YdControlCreator>& Registry() {
  static std::map<std::wstring, YdControlCreator> registry;
  return registry;
}

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

}  // namespace ZEPHYRA_NAMESPACE
