// list_drag.cpp -- YdList::RunDrag: the drag-and-drop operation of a row,
// from the data object and drop source to the end of the press it took
// over.
#include <ole2.h>

#include "common/scoped_com.h"
#include "ui/controls/list_tab/data_object.h"
#include "ui/controls/list_tab/drop_source.h"
#include "ui/controls/list_tab/list.h"
#include "ui/controls/list_tab/list_element.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

int YdList::RunDrag(YdListElement* row) {
  if (!drag_ || row == nullptr || IndexOfChild(row) < 0 || manager_ == nullptr) return -1;
  // OLE for the drag's duration (S_FALSE when the thread had it already:
  // still balanced by one OleUninitialize).
  ScopedOleInitialize ole;
  if (!ole.Succeeded()) return -1;
  ScopedComPtr<IDataObject> data;
  *data.Receive() = YdDataObject::ForListElement(row->GetText(), row->GetName());
  ScopedComPtr<IDropSource> source;
  *source.Receive() = YdDropSource::Create();
  if (!data || !source) return -1;

  const DWORD offered = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  manager_->RaiseNotify(row, kNotifyListDrag, 0, static_cast<LPARAM>(offered));
  DWORD effect = DROPEFFECT_NONE;
  // The drag loop holds the mouse itself: a button up seen by the window
  // meanwhile must not release that capture.
  manager_->SetDragInProgress(true);
  const HRESULT hr = ::DoDragDrop(data.Get(), source.Get(), offered, &effect);
  manager_->SetDragInProgress(false);
  if (hr != DRAGDROP_S_DROP) effect = DROPEFFECT_NONE;

  // The drag loop ate the button up: end the press as the window would,
  // without a click, so the window lets go of the row and the capture.
  // (Wine's drag loop instead sends the window a button up when it starts;
  // the manager then has dropped the row already and this up finds none.)
  row->EndPressForDrag();
  if (HWND window = manager_->GetWindow()) {
    POINT pt{};
    ::GetCursorPos(&pt);
    ::ScreenToClient(window, &pt);
    ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
  }
  manager_->RaiseNotify(row, kNotifyListDrag, 1, static_cast<LPARAM>(effect));
  return static_cast<int>(effect);
}

}  // namespace ZEPHYRA_NAMESPACE
