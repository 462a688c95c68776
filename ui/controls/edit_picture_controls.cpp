// edit_picture_controls.cpp -- element names of the edit family, the picture
// controls and the native window hosts.
#include "ui/controls/edit_picture_controls.h"

#include "ui/controls/control_factory.h"
#include "ui/controls/draw_wnd.h"
#include "ui/controls/edit.h"
#include "ui/controls/extend_edit.h"
#include "ui/controls/hot_key_edit.h"
#include "ui/controls/pic_extend_ctrl.h"
#include "ui/controls/picture.h"
#include "ui/controls/spin_edit.h"
#include "ui/controls/window_placeholder.h"
#include "ui/controls/wnd_control.h"

namespace ZEPHYRA_NAMESPACE {

namespace {
template <typename T>
YdControl* Make() {
  return new T;
}
}  // namespace

void RegisterEditAndPictureControls() {
  RegisterControlClass(L"Edit", &Make<YdEdit>);
  RegisterControlClass(L"SpinEdit", &Make<YdSpinEdit>);
  RegisterControlClass(L"HotKeyEdit", &Make<YdHotKeyEdit>);
  RegisterControlClass(L"ExtendEdit", &Make<YdExtendEdit>);
  RegisterControlClass(L"Picture", &Make<YdPicture>);
  RegisterControlClass(L"PicExtendCtrl", &Make<YdPicExtendCtrl>);
  RegisterControlClass(L"DrawWnd", &Make<YdDrawWnd>);
  RegisterControlClass(L"PlaceHolder", &Make<YdWindowPlaceholder>);
  RegisterControlClass(L"WndControl", &Make<YdWndControl>);
}

}  // namespace ZEPHYRA_NAMESPACE
