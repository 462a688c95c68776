// setup_skin.cpp -- registers the skin's control classes and installs the
// XML skin builder; see setup_skin.h.
#include "app/wizard/setup_skin.h"

#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/rich_edit/rich_edit.h"
#include "ui/skin/skin_builder.h"

namespace ZEPHYRA_NAMESPACE {

bool InstallSetupSkin() {
  // Label, Button, Option, Progress and the rich edit; the containers and
  // layouts are registered by the builder itself.
  RegisterBasicControls();
  RegisterRichEditControls();
  return InstallXmlSkinBuilder() != nullptr;
}

}  // namespace ZEPHYRA_NAMESPACE
