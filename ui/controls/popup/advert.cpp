// advert.cpp -- YdAdvert: hit testing as a whole, activation and the
// visibility of its children.
#include "ui/controls/popup/advert.h"

#include "ui/control/control_logic.h"

namespace ZEPHYRA_NAMESPACE {

YdControl* YdAdvert::QueryKind(int kind) {
  if (kind == kKindAdvert) return this;
  return YdContainer::QueryKind(kind);
}

YdControl* YdAdvert::FindMatching(YdFindProc proc, void* data, unsigned flags) {
  // Hit tests end at the advert; other searches (by name, by id, the
  // manager's indexing) still walk the children.
  if ((flags & kFindHitTest) != 0) return YdControl::FindMatching(proc, data, flags);
  return YdContainer::FindMatching(proc, data, flags);
}

void YdAdvert::SetVisible(bool visible) {
  for (YdControl* child : children_) child->SetVisible(visible);
  YdContainer::SetVisible(visible);
}

bool YdAdvert::Activate(YdEvent& event) {
  if (!YdContainer::Activate(event)) return false;
  ++activations_;
  return true;
}

}  // namespace ZEPHYRA_NAMESPACE
