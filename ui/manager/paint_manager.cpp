// paint_manager.cpp -- binding, the control tree and its indexes,
// notifications, filters, focus and tab order, control timers, default
// attribute lists, groups, deferred deletion and destruction of the paint
// manager. Messages, painting and the message loop live in the sibling
// paint_manager_*.cpp files.
#include "ui/manager/paint_manager.h"

#include <algorithm>

#include "ui/control/control.h"
#include "ui/control/control_logic.h"
#include "ui/manager/deletion_logic.h"
#include "ui/manager/tab_order.h"
#include "ui/window/window_dpi.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

std::vector<YdPaintManager*>& BoundList() {
  static std::vector<YdPaintManager*> list;
  return list;
}

struct IndexWalk {
  std::map<std::wstring, YdControl*>* names;
  std::map<int, YdControl*>* ids;
};

YdControl* IndexName(YdControl* control, void* data) {
  auto* names = static_cast<IndexWalk*>(data)->names;
  const std::wstring name = control->GetName();
  if (!name.empty()) names->emplace(name, control);  // the first one wins
  return nullptr;
}

YdControl* IndexId(YdControl* control, void* data) {
  auto* ids = static_cast<IndexWalk*>(data)->ids;
  if (control->GetId() != 0) ids->emplace(control->GetId(), control);
  return nullptr;
}

YdControl* WithName(YdControl* control, void* data) {
  return control->GetName() == *static_cast<const std::wstring*>(data) ? control : nullptr;
}

YdControl* WithId(YdControl* control, void* data) {
  return control->GetId() == *static_cast<const int*>(data) ? control : nullptr;
}

YdControl* AtPoint(YdControl* control, void* data) {
  const POINT pt = *static_cast<POINT*>(data);
  const RECT rc = control->GetPosition();
  return ::PtInRect(&rc, pt) ? control : nullptr;
}

YdControl* OfWindow(YdControl* control, void* data) {
  const HWND target = static_cast<HWND>(data);
  const HWND own = control->GetNativeWindow();
  if (own == nullptr) return nullptr;
  return (own == target || ::IsChild(own, target)) ? control : nullptr;
}

YdControl* VisitTabStop(YdControl* control, void* data) {
  auto* search = static_cast<YdTabStopSearch<YdControl>*>(data);
  return search->Visit(control, control->TestFlag(kFlagTabStop));
}

YdControl* CollectAll(YdControl* control, void* data) {
  static_cast<std::vector<YdControl*>*>(data)->push_back(control);
  return nullptr;
}

YdControl* IsSame(YdControl* control, void* data) { return control == data ? control : nullptr; }

YdControl* MarkedForLayout(YdControl* control, void* data) {
  if (control->NeedsLayout()) static_cast<std::vector<YdControl*>*>(data)->push_back(control);
  return nullptr;
}

}  // namespace

const std::vector<YdPaintManager*>& YdPaintManager::BoundManagers() { return BoundList(); }

YdPaintManager* YdPaintManager::ManagerOfWindow(HWND window) {
  if (window == nullptr) return nullptr;
  for (YdPaintManager* manager : BoundList()) {
    if (manager->GetWindow() == window) return manager;
  }
  return nullptr;
}

YdPaintManager::YdPaintManager() : animations_(this) { ::InitializeCriticalSection(&deletion_lock_); }

YdPaintManager::~YdPaintManager() {
  DestroyCaretShape();
  auto& list = BoundList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  StopAllTimers();
  animations_.Clear();
  YdControl* root = root_;
  root_ = nullptr;
  delete root;
  while (DeletionQueueSize() != 0) EmptyDeletionQueue();
  groups_.clear();
  DropOffscreen();
  if (window_dc_ != nullptr) ::ReleaseDC(window_, window_dc_);
  window_dc_ = nullptr;
  fonts_.SetMetricsDC(nullptr);
  if (tooltip_window_ != nullptr && ::IsWindow(tooltip_window_)) ::DestroyWindow(tooltip_window_);
  ::DeleteCriticalSection(&deletion_lock_);
}

bool YdPaintManager::IsControlVisible(int id) {
  YdControl* c = ControlById(id);
  return c != nullptr && c->IsVisible();
}

bool YdPaintManager::IsControlEnabled(int id) {
  YdControl* c = ControlById(id);
  return c != nullptr && c->IsEnabled();
}

void YdPaintManager::BindWindow(HWND window) {
  if (window_dc_ != nullptr) ::ReleaseDC(window_, window_dc_);
  window_dc_ = nullptr;
  window_ = window;
  if (window != nullptr) window_dc_ = ::GetDC(window);
  fonts_.SetMetricsDC(window_dc_);
  if (window != nullptr) SetDpiScale(WindowDpiScale(window));
  auto& list = BoundList();
  const auto at = std::find(list.begin(), list.end(), this);
  if (window != nullptr && at == list.end()) list.push_back(this);
  if (window == nullptr && at != list.end()) list.erase(at);  // unbound: out of the loop
}

bool YdPaintManager::AttachRoot(YdControl* root) {
  if (focus_ != nullptr) {
    YdControl* old = focus_;
    focus_ = nullptr;
    SendEvent(old, kEventKillFocus, nullptr, last_mouse_, 0, 0, 0, 0);
  }
  key_down_ = hover_ = hover_tracked_ = pushed_ = captured_ = nullptr;
  ReleaseIdleCapture();
  // The same root attached again stays: queueing it would free the live tree.
  if (root_ != nullptr && root_ != root) QueueForDeletion(root_);
  root_ = root;
  name_index_.clear();
  id_index_.clear();
  layout_pending_ = init_pending_ = focus_pending_ = true;
  if (root_ != nullptr) {
    root_->SetManager(this);
    IndexTree();
  }
  return true;
}

void YdPaintManager::IndexTree() { IndexSubtree(root_); }

void YdPaintManager::IndexSubtree(YdControl* subtree) {
  if (subtree == nullptr || root_ == nullptr) return;
  IndexWalk walk{&name_index_, &id_index_};
  subtree->FindMatching(IndexName, &walk, 0);
  subtree->FindMatching(IndexId, &walk, 0);
}

YdControl* YdPaintManager::ControlById(int id) const {
  if (root_ == nullptr || id == 0) return nullptr;
  auto it = id_index_.find(id);
  if (it != id_index_.end()) return it->second;
  YdControl* found = root_->FindMatching(WithId, &id, 0);
  if (found != nullptr) id_index_.emplace(id, found);
  return found;
}

YdControl* YdPaintManager::ControlByName(const std::wstring& name) const {
  if (root_ == nullptr || name.empty()) return nullptr;
  auto it = name_index_.find(name);
  if (it != name_index_.end()) return it->second;
  YdControl* found = root_->FindMatching(WithName, const_cast<std::wstring*>(&name), 0);
  if (found != nullptr) name_index_.emplace(name, found);
  return found;
}

YdControl* YdPaintManager::ControlAtPoint(POINT pt) const {
  if (root_ == nullptr) return nullptr;
  return root_->FindMatching(AtPoint, &pt, kFindAtPoint);
}

YdControl* YdPaintManager::ControlOfWindow(HWND hwnd) const {
  if (root_ == nullptr || hwnd == nullptr) return nullptr;
  return root_->FindMatching(OfWindow, hwnd, kFindOfWindow);
}

void YdPaintManager::ReleaseControl(YdControl* control) {
  if (control == nullptr) return;
  ReleaseActivity(control);
  for (auto& group : groups_) {
    auto& v = group.second;
    v.erase(std::remove(v.begin(), v.end(), control), v.end());
  }
  for (auto it = name_index_.begin(); it != name_index_.end();) {
    it = it->second == control ? name_index_.erase(it) : std::next(it);
  }
  for (auto it = id_index_.begin(); it != id_index_.end();) {
    it = it->second == control ? id_index_.erase(it) : std::next(it);
  }
}

void YdPaintManager::ReleaseActivity(YdControl* control) {
  if (control == nullptr) return;
  StopControlTimer(control, kAllControlTimers);
  animations_.RemoveControl(control);
  if (key_down_ == control) key_down_ = nullptr;
  if (hover_ == control) hover_ = nullptr;
  if (hover_tracked_ == control) hover_tracked_ = nullptr;
  if (pushed_ == control) pushed_ = nullptr;
  if (captured_ == control) captured_ = nullptr;
  if (focus_ == control) focus_ = nullptr;
  // A capture taken for the control's press goes with it.
  ReleaseIdleCapture();
  // A control gone from here must not be reached by a later tick.
  RemoveTimerListener(control);
}

void YdPaintManager::QueueForDeletion(YdControl* control) {
  if (control == nullptr) return;
  // Out of the tree from now on: no further event, tick or lookup reaches
  // the control or its children while they wait.
  std::vector<YdControl*> subtree;
  control->FindMatching(CollectAll, &subtree, 0);
  for (YdControl* c : subtree) ReleaseControl(c);
  ::EnterCriticalSection(&deletion_lock_);
  deletion_queue_.push_back(control);
  ::LeaveCriticalSection(&deletion_lock_);
}

void YdPaintManager::PostDeletion(YdControl* control) {
  QueueForDeletion(control);
  if (window_ != nullptr) ::PostMessageW(window_, kDeletionQueueMessage, 0, 0);
}

size_t YdPaintManager::DeletionQueueSize() {
  ::EnterCriticalSection(&deletion_lock_);
  const size_t n = deletion_queue_.size();
  ::LeaveCriticalSection(&deletion_lock_);
  return n;
}

bool YdPaintManager::InTree(YdControl* control) const {
  return root_ != nullptr && control != nullptr && root_->FindMatching(IsSame, control, 0) != nullptr;
}

void YdPaintManager::EmptyDeletionQueue() {
  // A control destroyed here may queue further controls (the lock is
  // re-entrant on this thread); those wait for the next 0x8001.
  ::EnterCriticalSection(&deletion_lock_);
  std::vector<YdControl*> queued;
  queued.swap(deletion_queue_);
  const auto doomed = PlanDeletion(queued, [this](YdControl* c) { return InTree(c); });
  for (YdControl* c : doomed) delete c;
  ::LeaveCriticalSection(&deletion_lock_);
}

bool YdPaintManager::AddNotifyListener(INotify* listener) {
  if (listener != nullptr && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
    listeners_.push_back(listener);
  }
  if (root_ != nullptr) root_->Initialize();
  return true;
}

bool YdPaintManager::RemoveNotifyListener(INotify* listener) {
  auto it = std::find(listeners_.begin(), listeners_.end(), listener);
  if (it == listeners_.end()) return false;
  listeners_.erase(it);
  return true;
}

void YdPaintManager::RaiseNotify(YdNotifyMsg& msg) {
  if (msg.point.x == 0 && msg.point.y == 0) msg.point = last_mouse_;
  msg.timestamp = ::GetTickCount();
  // A listener may register another one; that one hears the next message.
  // One removed by an earlier listener (it may be gone) is skipped.
  const std::vector<INotify*> listeners = listeners_;
  for (INotify* l : listeners) {
    if (std::find(listeners_.begin(), listeners_.end(), l) != listeners_.end()) l->Notify(msg);
  }
}

void YdPaintManager::RaiseNotify(YdControl* sender, int type, WPARAM wParam, LPARAM lParam) {
  YdNotifyMsg msg;
  msg.type = type;
  msg.sender = sender;
  msg.wParam = wParam;
  msg.lParam = lParam;
  RaiseNotify(msg);
}

void YdPaintManager::CaptureMouse() {
  if (window_ == nullptr) return;
  ::SetCapture(window_);
  mouse_captured_ = true;
}

void YdPaintManager::ReleaseMouse() {
  if (!mouse_captured_) return;
  mouse_captured_ = false;
  if (::GetCapture() == window_) ::ReleaseCapture();
}

bool YdPaintManager::AddMessageFilter(IWindowMessageFilter* filter) {
  if (filter != nullptr && std::find(filters_.begin(), filters_.end(), filter) == filters_.end()) {
    filters_.push_back(filter);
  }
  return true;
}

bool YdPaintManager::RemoveMessageFilter(IWindowMessageFilter* filter) {
  auto it = std::find(filters_.begin(), filters_.end(), filter);
  if (it == filters_.end()) return false;
  filters_.erase(it);
  return true;
}

void YdPaintManager::SendEvent(YdControl* control, int type, YdControl* sender, POINT pt, WPARAM wParam,
                               LPARAM lParam, WORD key, WORD keyState) {
  if (control == nullptr) return;
  YdEvent event;
  event.type = type;
  event.sender = sender;
  event.timestamp = ::GetTickCount();
  event.point = pt;
  event.key = key;
  event.keyState = keyState;
  event.wParam = wParam;
  event.lParam = lParam;
  control->HandleEvent(event);
}

WORD YdPaintManager::CurrentKeyState() {
  auto down = [](int vk) { return (::GetKeyState(vk) & 0x8000) != 0; };
  return EncodeKeyState(down(VK_RBUTTON), down(VK_LBUTTON), down(VK_SHIFT), down(VK_CONTROL), down(VK_MENU));
}

void YdPaintManager::SetFocusControl(YdControl* control, bool activateWindow) {
  if (activateWindow && window_ != nullptr && ::GetFocus() != window_) ::SetFocus(window_);
  if (control == focus_) return;
  if (focus_ != nullptr) {
    YdControl* old = focus_;
    focus_ = nullptr;
    SendEvent(old, kEventKillFocus, control, last_mouse_, 0, 0, 0, 0);
  }
  if (control == nullptr || control->GetManager() != this || !control->IsVisible() || !control->IsEnabled()) {
    return;
  }
  focus_ = control;
  SendEvent(control, kEventSetFocus, control, last_mouse_, 0, 0, 0, 0);
}

YdControl* YdPaintManager::FindTabStop(YdControl* start, bool forward, YdControl** lastSeen) const {
  YdTabStopSearch<YdControl> search(start, forward);
  YdControl* found = root_->FindMatching(VisitTabStop, &search, kFindVisible | kFindEnabled | kFindMeFirst);
  if (found == nullptr && !forward && lastSeen != nullptr) *lastSeen = search.Fallback();
  if (found == nullptr && search.NeedsSecondWalk()) {
    YdTabStopSearch<YdControl> again(nullptr, true);
    found = root_->FindMatching(VisitTabStop, &again, kFindVisible | kFindEnabled | kFindMeFirst);
  }
  return found;
}

void YdPaintManager::FocusNextTabStop(bool forward) { FocusNextTabStop(forward, true); }

void YdPaintManager::FocusNextTabStop(bool forward, bool checkLayout) {
  if (checkLayout && layout_pending_ && forward) {
    focus_pending_ = true;
    RepaintAll();
    return;
  }
  if (root_ == nullptr) return;
  YdControl* last = nullptr;
  YdControl* next = FindTabStop(focus_, forward, &last);
  if (next == nullptr) next = last;
  if (next == nullptr) return;
  SetFocusControl(next, false);
}

bool YdPaintManager::StartControlTimer(YdControl* control, int localId, UINT intervalMs) {
  // Only the control's own manager keeps its timers: that is the one its
  // destruction tells (ReleaseControl).
  if (control == nullptr || window_ == nullptr || control->GetManager() != this) return false;
  const auto window = reinterpret_cast<uintptr_t>(window_);
  const auto start = timers_.Prepare(control, window, localId, timer_ids_,
                                     [this](unsigned id) { return animations_.UsesTimer(id); });
  if (!start.available) return false;
  if (::SetTimer(window_, start.timerId, intervalMs, nullptr) == 0) return false;
  if (!start.reused) timers_.Add({control, localId, window, start.timerId, intervalMs});
  return true;
}

bool YdPaintManager::StopControlTimer(YdControl* control, int localId) {
  const auto ids = timers_.Stop(control, reinterpret_cast<uintptr_t>(window_), localId);
  for (unsigned id : ids) {
    if (window_ != nullptr && ::IsWindow(window_)) ::KillTimer(window_, id);
  }
  return !ids.empty();
}

void YdPaintManager::StopAllTimers() {
  const auto ids = timers_.StopAll(reinterpret_cast<uintptr_t>(window_));
  for (unsigned id : ids) {
    if (window_ != nullptr && ::IsWindow(window_)) ::KillTimer(window_, id);
  }
}

int YdPaintManager::AllocateRawTimer(UINT intervalMs) {
  if (window_ == nullptr) return -1;
  const auto window = reinterpret_cast<uintptr_t>(window_);
  unsigned id = 0;
  const bool found = timer_ids_.NextFree(
      [&](unsigned c) { return timers_.UsesId(window, c) || animations_.UsesTimer(c); }, &id);
  if (!found) return -1;
  return ::SetTimer(window_, id, intervalMs, nullptr) != 0 ? static_cast<int>(id) : -1;
}

void YdPaintManager::AddTimerListener(YdControl* control) {
  if (control != nullptr && control->GetManager() == this && std::find(timer_listeners_.begin(), timer_listeners_.end(), control) ==
                                timer_listeners_.end()) {
    timer_listeners_.push_back(control);
  }
}

void YdPaintManager::RemoveTimerListener(YdControl* control) {
  timer_listeners_.erase(std::remove(timer_listeners_.begin(), timer_listeners_.end(), control),
                         timer_listeners_.end());
}

void YdPaintManager::SetClassDefaults(const std::wstring& name, const std::wstring& list) {
  class_defaults_[name] = list;
}

std::wstring YdPaintManager::GetClassDefaults(const std::wstring& name) const {
  auto it = class_defaults_.find(name);
  return it == class_defaults_.end() ? std::wstring() : it->second;
}

void YdPaintManager::RemoveClassDefaults(const std::wstring& name) { class_defaults_.erase(name); }

bool YdPaintManager::AddToGroup(int key, YdControl* control) {
  auto& v = groups_[key];
  if (std::find(v.begin(), v.end(), control) != v.end()) return false;
  v.push_back(control);
  return true;
}

const std::vector<YdControl*>* YdPaintManager::GetGroup(int key) const {
  auto it = groups_.find(key);
  return it == groups_.end() ? nullptr : &it->second;
}

void YdPaintManager::RemoveFromGroup(int key, YdControl* control) {
  auto it = groups_.find(key);
  if (it == groups_.end()) return;
  it->second.erase(std::remove(it->second.begin(), it->second.end(), control), it->second.end());
}

void YdPaintManager::PlaceMarkedControls() {
  if (root_ == nullptr) return;
  std::vector<YdControl*> marked;
  root_->FindMatching(MarkedForLayout, &marked, kFindVisible | kFindMeFirst);
  for (YdControl* c : marked) {
    // A container placed earlier in this pass may have placed it already.
    if (c->NeedsLayout()) c->SetPosition(c->GetPosition());
  }
}

void YdPaintManager::SetDpiScale(YdDpiScale scale) {
  scale_ = scale;
  fonts_.SetScale(scale);
}

namespace {

struct RescaleStep {
  YdDpiScale from;
  YdDpiScale to;
};

YdControl* RescaleOne(YdControl* control, void* data) {
  const auto* step = static_cast<const RescaleStep*>(data);
  control->RescaleGeometry(step->from, step->to);
  return nullptr;  // visit every control
}

}  // namespace

void YdPaintManager::ChangeDpiScale(YdDpiScale scale) {
  if (scale == scale_) return;
  RescaleStep step{scale_, scale};
  scale_ = scale;
  fonts_.Rescale(scale);
  if (root_ != nullptr) root_->FindMatching(RescaleOne, &step, 0);
  corner_image_region_.Close();
  DropOffscreen();
  layout_pending_ = true;
  if (window_ != nullptr) ::InvalidateRect(window_, nullptr, FALSE);
}

YdSizeBox YdPaintManager::GetSizeBox() const {
  YdSizeBox box = sizebox_;
  box.left = scale_.Scale(box.left);
  box.top = scale_.Scale(box.top);
  box.right = scale_.Scale(box.right);
  box.bottom = scale_.Scale(box.bottom);
  box.corner = scale_.Scale(box.corner);
  return box;
}

void YdPaintManager::SetRoundCornerImage(const std::wstring& descriptor) {
  round_corner_image_ = descriptor;
  corner_image_region_.Close();
}

}  // namespace ZEPHYRA_NAMESPACE
