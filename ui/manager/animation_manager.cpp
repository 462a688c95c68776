// animation_manager.cpp -- running, stepping and finishing control
// animations on raw window timers of the paint manager.
#include "ui/manager/animation_manager.h"

#include <algorithm>
#include <cwchar>

#include "common/format.h"
#include "common/utf.h"
#include "ui/control/control.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/image_descriptor.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

std::wstring FormatReal(double value) {
  return FormatText(L"%g", value);
}

std::wstring FormatRect(const YdRect& r) {
  return FormatText(L"%d,%d,%d,%d", r.left, r.top, r.right, r.bottom);
}

}  // namespace

YdAnimationManager::~YdAnimationManager() { Clear(); }

bool YdAnimationManager::StartAnimation(int kind, YdControl* control, int intervalMs,
                                        const YdAnimationRecord& record) {
  // Only the control's own manager keeps its records: that is the one its
  // destruction tells.
  if (control == nullptr || owner_ == nullptr || control->GetManager() != owner_) return false;
  const HWND window = owner_->GetWindow();
  if (window == nullptr || !::IsWindow(window)) return false;
  if (!IsAnimationKind(kind) || IsRunning(control, kind)) return false;
  auto running = std::make_unique<Running>();
  running->control = control;
  running->window = window;
  running->record = record;
  running->record.kind = kind;
  const double rotation = ReadDescriptorValue(control->GetEffectOverlay(), DescriptorKey::kRotate).real;
  running->intervalMs = PrepareAnimation(running->record, intervalMs, rotation);
  const int timer = owner_->AllocateRawTimer(static_cast<UINT>(std::max(running->intervalMs, 1)));
  if (timer < 0) return false;
  running->timerId = static_cast<UINT_PTR>(timer);
  byKind_[kind].push_back(std::move(running));
  return true;
}

void YdAnimationManager::KillTimerOf(const Running& running) {
  if (running.window != nullptr && ::IsWindow(running.window)) ::KillTimer(running.window, running.timerId);
}

bool YdAnimationManager::RemoveAnimation(YdControl* control, int kind) {
  auto it = byKind_.find(kind);
  if (it == byKind_.end()) return false;
  auto& list = it->second;
  for (auto r = list.begin(); r != list.end(); ++r) {
    if ((*r)->control == control) {
      KillTimerOf(**r);
      list.erase(r);
      return true;
    }
  }
  return false;
}

void YdAnimationManager::RemoveControl(YdControl* control) {
  for (int kind = kAnimationKindFirst; kind <= kAnimationKindLast; ++kind) RemoveAnimation(control, kind);
}

void YdAnimationManager::Clear() {
  for (auto& entry : byKind_) {
    for (auto& r : entry.second) KillTimerOf(*r);
  }
  byKind_.clear();
}

bool YdAnimationManager::IsRunning(const YdControl* control, int kind) const { return Find(control, kind) != nullptr; }

const YdAnimationRecord* YdAnimationManager::Find(const YdControl* control, int kind) const {
  auto it = byKind_.find(kind);
  if (it == byKind_.end()) return nullptr;
  for (const auto& r : it->second) {
    if (r->control == control) return &r->record;
  }
  return nullptr;
}

UINT_PTR YdAnimationManager::TimerOf(const YdControl* control, int kind) const {
  auto it = byKind_.find(kind);
  if (it == byKind_.end()) return 0;
  for (const auto& r : it->second) {
    if (r->control == control) return r->timerId;
  }
  return 0;
}

bool YdAnimationManager::UsesTimer(UINT_PTR timerId) const {
  for (const auto& entry : byKind_) {
    for (const auto& r : entry.second) {
      if (r->timerId == timerId) return true;
    }
  }
  return false;
}

size_t YdAnimationManager::Count() const {
  size_t n = 0;
  for (const auto& entry : byKind_) n += entry.second.size();
  return n;
}

void YdAnimationManager::Apply(YdControl* control, const YdAnimationChange& change) {
  using C = YdAnimationChange;
  switch (change.target) {
    case C::kFixedPosition:
      control->SetFixedXY({change.position.x, change.position.y});
      control->NeedParentUpdate();
      break;
    case C::kOverlaySource:
      control->SetOverlayValue(L"source", FormatRect(change.rect));
      break;
    case C::kNormalImage:
      control->SetNormalImage(ToWide(change.text));
      break;
    case C::kOverlayRollText:
      control->SetOverlayValue(L"rolltext", WideDecimal(change.number));
      break;
    case C::kOverlayRotate:
      control->SetOverlayValue(L"rotate", FormatReal(change.rotation));
      break;
    case C::kText:
      control->SetText(ToWide(change.text));
      break;
    case C::kMoveResizeFade:
      control->SetNormalImage(ToWide(change.text));
      control->SetFixedWidth(change.size.cx);
      control->SetFixedHeight(change.size.cy);
      control->SetFixedXY({change.position.x, change.position.y});
      control->NeedParentUpdate();
      break;
    case C::kOverlayFade:
      control->SetOverlayValue(L"fade", WideDecimal(change.number));
      break;
    case C::kNothing:
      break;
  }
  if (change.repaint) control->Invalidate();
  if (change.raiseCustomNotify) control->RaiseCustomNotify();
}

bool YdAnimationManager::OnTimer(UINT_PTR timerId) {
  // Listeners reached from a step may start or remove animations; every
  // record is therefore looked up again before it is touched.
  std::vector<Running*> due;
  for (auto& entry : byKind_) {
    for (auto& r : entry.second) {
      if (r->timerId == timerId) due.push_back(r.get());
    }
  }
  auto alive = [this](Running* p) {
    for (auto& entry : byKind_) {
      for (auto& r : entry.second) {
        if (r.get() == p) return true;
      }
    }
    return false;
  };
  std::vector<Running*> ended;
  for (Running* r : due) {
    if (!alive(r)) continue;
    const YdAnimationChange change = StepAnimation(r->record);
    Apply(r->control, change);
    if (change.finished && alive(r)) ended.push_back(r);
  }
  for (Running* r : ended) {
    for (auto& entry : byKind_) {
      auto& list = entry.second;
      auto it = std::find_if(list.begin(), list.end(), [r](const std::unique_ptr<Running>& p) { return p.get() == r; });
      if (it == list.end()) continue;
      std::unique_ptr<Running> owned = std::move(*it);
      list.erase(it);
      Finish(*owned);
      break;
    }
  }
  return !due.empty();
}

bool YdAnimationManager::FinishAnimation(YdControl* control, int kind) {
  auto it = byKind_.find(kind);
  if (it == byKind_.end()) return false;
  auto& list = it->second;
  for (auto r = list.begin(); r != list.end(); ++r) {
    if ((*r)->control != control) continue;
    std::unique_ptr<Running> owned = std::move(*r);
    list.erase(r);
    Finish(*owned);
    return true;
  }
  return false;
}

void YdAnimationManager::Finish(Running& running) {
  KillTimerOf(running);
  YdControl* control = running.control;
  if (running.record.restoreAtEnd) {
    YdAnimationChange restore = RestoreAtFinish(running.record);
    restore.raiseCustomNotify = false;
    restore.repaint = false;
    Apply(control, restore);
    control->Invalidate();
  }
  control->RaiseCommandNotify(running.record.kind);
}

}  // namespace ZEPHYRA_NAMESPACE
