// edit_picture_fixture.cpp -- building the literal skins of the tests.
#include "tests/ui/controls/edit_picture/edit_picture_fixture.h"

#include "tests/support/skin_window_fixture.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/control/control_factory.h"
#include "ui/controls/edit_picture/edit_picture_controls.h"
#include "ui/controls/rich_edit/rich_edit.h"
#include "ui/skin/skin_builder.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

YdControl* EditPictureTest::Build(const wchar_t* skin) {
  RegisterBasicControls();
  RegisterRichEditControls();
  RegisterEditAndPictureControls();
  // Window controls build their own part through the installed builder.
  InstallXmlSkinBuilder();
  AddImages();
  YdControl* root = BuildLiteralSkin(manager_, skin, nullptr, &listener_);
  if (root == nullptr) return nullptr;
  PaintNow(hwnd_);
  notes_.clear();
  return root;
}

POINT EditPictureTest::Centre(const YdControl* c) {
  const RECT r = c->GetPosition();
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void EditPictureTest::AddImages() {
  AddFileImage(L"m3_red", MakeSolidImage(8, 8, 0xFFFF0000u, false));
  AddFileImage(L"m3_green", MakeSolidImage(8, 8, 0xFF00FF00u, false));
  AddFileImage(L"m3_blue", MakeSolidImage(8, 8, 0xFF0000FFu, false));
  AddFileImage(L"m3_yellow", MakeSolidImage(8, 8, 0xFFFFFF00u, false));
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
