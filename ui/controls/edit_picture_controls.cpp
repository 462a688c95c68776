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
