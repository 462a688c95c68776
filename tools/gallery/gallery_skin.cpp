// gallery_skin.cpp -- registers the gallery skin's control classes and
// installs the XML skin builder; see gallery_skin.h.
#include "tools/gallery/gallery_skin.h"

#include "ui/controls/activex/active_x_controls.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/edit_picture/edit_picture_controls.h"
#include "ui/controls/list_tab/list_tab_controls.h"
#include "ui/controls/popup/popup_controls.h"
#include "ui/controls/rich_edit/rich_edit.h"
#include "ui/skin/skin_builder.h"

namespace ZEPHYRA_NAMESPACE {

bool InstallGallerySkin() {
  // The containers and layouts are registered by the builder itself.
  RegisterBasicControls();
  RegisterRichEditControls();
  RegisterListAndTabControls();
  RegisterPopupControls();
  RegisterEditAndPictureControls();
  RegisterActiveXControls();
  return InstallXmlSkinBuilder() != nullptr;
}

}  // namespace ZEPHYRA_NAMESPACE
