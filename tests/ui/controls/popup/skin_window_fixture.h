// skin_window_fixture.h -- the literal-skin fixture of the popup tests: the
// shared SkinWindowTest with the basic and the popup element classes.
#pragma once

#include "tests/support/skin_window_fixture.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/popup/popup_controls.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

class PopupSkinTest : public SkinWindowTest {
 protected:
  void RegisterElements() override {
    RegisterBasicControls();
    RegisterPopupControls();
  }
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
