// control_factory.h -- the registry that turns a skin element name into a
// control object. The skin builder asks it for every element it meets; the
// containers and layouts are registered by the builder itself
// (RegisterContainerControls), and every other control module registers its own classes, so new
// controls join the skin format without the builder being edited.
//
// How a control module registers (example for a label):
//
//   #include "ui/control/control_factory.h"
//   void RegisterLabelControls() { RegisterControlClass(L"Label", &MakeControl<YdLabel>); }
//
// and the program (or a test) calls RegisterLabelControls() once before it
// builds a window. Registration is explicit on purpose: a self-registering
// static object in a static library is dropped by the linker when nothing
// else in its object file is referenced.
#pragma once

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;

// Makes a new control with `new`; its owner (the parent container, or the
// paint manager for the root) deletes it.
using YdControlCreator = YdControl* (*)();

// The creator of class T (a complete YdControl subclass where it is used):
// RegisterControlClass(L"Label", &MakeControl<YdLabel>).
template <typename T>
YdControl* MakeControl() {
  return new T;
}

// Registers `creator` for the element `name` (matched exactly, names are
// case-sensitive: the skin's lower-case names are not elements). A second
// registration of the same name replaces the first. False for an empty name
// or a null creator.
bool RegisterControlClass(const std::wstring& name, YdControlCreator creator);

// Removes the registration of `name`; false when there was none.
bool UnregisterControlClass(const std::wstring& name);

// A new control for `name`, or null when no class is registered under it.
YdControl* CreateRegisteredControl(const std::wstring& name);

// Whether a class is registered under `name`.
bool IsControlClassRegistered(const std::wstring& name);

}  // namespace ZEPHYRA_NAMESPACE
