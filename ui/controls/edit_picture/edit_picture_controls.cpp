// edit_picture_controls.cpp -- element names of the edit family, the picture
// controls and the native window hosts.
#include "ui/controls/edit_picture/edit_picture_controls.h"

#include "ui/control/control_factory.h"
#include "ui/controls/edit_picture/draw_wnd.h"
#include "ui/controls/edit_picture/edit.h"
#include "ui/controls/edit_picture/extend_edit.h"
#include "ui/controls/edit_picture/hot_key_edit.h"
#include "ui/controls/edit_picture/pic_extend_ctrl.h"
#include "ui/controls/edit_picture/picture.h"
#include "ui/controls/edit_picture/spin_edit.h"
#include "ui/controls/edit_picture/window_placeholder.h"
#include "ui/controls/edit_picture/wnd_control.h"

namespace ZEPHYRA_NAMESPACE {

void RegisterEditAndPictureControls() {
  RegisterControlClass(L"Edit", &MakeControl<YdEdit>);
  RegisterControlClass(L"SpinEdit", &MakeControl<YdSpinEdit>);
  RegisterControlClass(L"HotKeyEdit", &MakeControl<YdHotKeyEdit>);
  RegisterControlClass(L"ExtendEdit", &MakeControl<YdExtendEdit>);
  RegisterControlClass(L"Picture", &MakeControl<YdPicture>);
  RegisterControlClass(L"PicExtendCtrl", &MakeControl<YdPicExtendCtrl>);
  RegisterControlClass(L"DrawWnd", &MakeControl<YdDrawWnd>);
  RegisterControlClass(L"PlaceHolder", &MakeControl<YdWindowPlaceholder>);
  RegisterControlClass(L"WndControl", &MakeControl<YdWndControl>);
}

}  // namespace ZEPHYRA_NAMESPACE
