// banner.cpp -- YdBanner's page cycle on its timer (held while the pointer
// is over it) and YdBannerItem's notifications.
#include "ui/controls/popup/banner.h"

#include <cwchar>

#include "ui/manager/animation_logic.h"
#include "ui/manager/event_types.h"
#include "ui/manager/paint_manager.h"
#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class BannerAttr : int { kIntervalTime };

constexpr YdAttributeEntry kBannerEntries[] = {
    AttributeEntry("intervaltime", BannerAttr::kIntervalTime, YdValueSyntax::kInt),
};

}  // namespace

void YdBannerItem::RaiseCommandNotify(int kind) {
  if (CommandNotifyForKind(kind) != 0) {
    YdControl::RaiseCommandNotify(kind);
  } else if (manager_ != nullptr) {
    manager_->RaiseNotify(this, kNotifyCustom, static_cast<WPARAM>(kind));
  }
}

YdBanner::~YdBanner() { StopCycle(); }

YdControl* YdBanner::QueryKind(int kind) {
  if (kind == kKindBanner) return this;
  return YdContainer::QueryKind(kind);
}

const YdAttributeTable& YdBanner::AttributeTable() {
  static const YdAttributeTable table{kBannerEntries, sizeof(kBannerEntries) / sizeof(kBannerEntries[0]),
                                      &YdContainer::AttributeTable()};
  return table;
}

void YdBanner::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  switch (static_cast<BannerAttr>(entry->id)) {
    case BannerAttr::kIntervalTime: {
      const long ms = std::wcstol(value.c_str(), nullptr, 10);
      SetInterval(ms > 0 ? static_cast<UINT>(ms) : 0);
      break;
    }
  }
}

void YdBanner::SetInterval(UINT ms) {
  interval_ = ms != 0 ? ms : kBannerDefaultIntervalMs;
  if (cycling_) StartCycle();
}

void YdBanner::Initialize() {
  YdContainer::Initialize();
  ShowPage(current_ < ChildCount() ? current_ : 0);
  StartCycle();
}

void YdBanner::SetManager(YdPaintManager* manager) {
  if (manager != manager_) StopCycle();
  YdContainer::SetManager(manager);
}

void YdBanner::StartCycle() {
  if (manager_ == nullptr || manager_->GetWindow() == nullptr) return;
  cycling_ = manager_->StartControlTimer(this, kBannerTimerId, interval_);
}

void YdBanner::StopCycle() {
  if (cycling_ && manager_ != nullptr) manager_->StopControlTimer(this, kBannerTimerId);
  cycling_ = false;
}

void YdBanner::OnTimer(YdEvent& event) {
  if (event.sender == nullptr && event.wParam == static_cast<WPARAM>(kBannerTimerId)) {
    if (!IsPaused()) ShowNext();
    return;
  }
  YdContainer::OnTimer(event);
}

bool YdBanner::IsPaused() const {
  if (manager_ == nullptr) return false;
  const RECT at = GetPosition();
  return ::PtInRect(&at, manager_->GetLastMousePos()) != 0;
}

bool YdBanner::ShowPage(int index) {
  if (index < 0 || index >= ChildCount()) return false;
  current_ = index;
  for (int i = 0; i < ChildCount(); ++i) ChildAt(i)->SetVisible(i == index);
  NeedUpdate();
  Invalidate();
  return true;
}

void YdBanner::ShowNext() {
  const int count = ChildCount();
  if (count == 0) return;
  ShowPage((current_ + 1) % count);
}

YdBannerItem* YdBanner::AddItem(const std::wstring& attributes) {
  auto* item = new YdBannerItem;
  if (!attributes.empty()) item->ApplyAttributeString(attributes);
  if (!AddChild(item)) {
    delete item;
    return nullptr;
  }
  // A page joins hidden unless it is the only one.
  item->SetVisible(ChildCount() == 1 || current_ == ChildCount() - 1);
  return item;
}

}  // namespace ZEPHYRA_NAMESPACE
