// setup_skin.cpp -- registers the skin's control classes and installs the
// XML skin builder; see setup_skin.h. The control modules are linked when
// the build has them (YD_HAVE_* are set by app/CMakeLists.txt from the
// targets that exist).
#include "app/setup_skin.h"

#include "ui/core/skin_builder.h"
#if YD_HAVE_BASIC_CONTROLS
#include "ui/controls/basic_controls.h"
#endif
#if YD_HAVE_RICH_EDIT
#include "ui/controls/rich_edit.h"
#endif

namespace ZEPHYRA_NAMESPACE {

bool InstallSetupSkin() {
#if YD_HAVE_BASIC_CONTROLS
  RegisterBasicControls();
#endif
#if YD_HAVE_RICH_EDIT
  RegisterRichEditControls();
#endif
  return InstallXmlSkinBuilder() != nullptr;
}

}  // namespace ZEPHYRA_NAMESPACE
