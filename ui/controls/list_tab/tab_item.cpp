// tab_item.cpp -- YdTabItem: own keys and the page shown by the selected tab.
#include "ui/controls/list_tab/tab_item.h"

#include <vector>

#include "ui/controls/containers/container.h"
#include "ui/controls/list_tab/tab_ctrl.h"
#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class TabItemAttr : int {
  kControlId, kShowIcon, kShowExpand, kEnterShowExpand, kIconAttr, kTextAttr, kTextImgAttr, kExpandAttr, kDrag,
  kSelectedExpandAttr, kShowSelectedExpand, kDisableSwap,
};

constexpr YdAttributeEntry kTabItemEntries[] = {
    AttributeEntry("controlid", TabItemAttr::kControlId, YdValueSyntax::kInt),
    AttributeEntry("showicon", TabItemAttr::kShowIcon, YdValueSyntax::kBool),
    AttributeEntry("showexpand", TabItemAttr::kShowExpand, YdValueSyntax::kBool),
    AttributeEntry("entershowexpand", TabItemAttr::kEnterShowExpand, YdValueSyntax::kBool),
    AttributeEntry("iconattr", TabItemAttr::kIconAttr, YdValueSyntax::kAttributeList),
    AttributeEntry("textattr", TabItemAttr::kTextAttr, YdValueSyntax::kAttributeList),
    AttributeEntry("textimgattr", TabItemAttr::kTextImgAttr, YdValueSyntax::kAttributeList),
    AttributeEntry("expandattr", TabItemAttr::kExpandAttr, YdValueSyntax::kAttributeList),
    AttributeEntry("drag", TabItemAttr::kDrag, YdValueSyntax::kBool),
    AttributeEntry("selectedexpandattr", TabItemAttr::kSelectedExpandAttr, YdValueSyntax::kAttributeList),
    AttributeEntry("showselectedexpand", TabItemAttr::kShowSelectedExpand, YdValueSyntax::kBool),
    AttributeEntry("disableswap", TabItemAttr::kDisableSwap, YdValueSyntax::kBool),
};

}  // namespace

YdControl* YdTabItem::QueryKind(int kind) {
  if (kind == kKindTabItem) return this;
  return YdOption::QueryKind(kind);
}

void YdTabItem::ApplyItemDefaults(const std::wstring& list) {
  applying_defaults_ = true;
  for (const auto& pair : ParseAttributeList(AsUtf16(list))) {
    const std::wstring key(AsWide(pair.first));
    if (own_keys_.count(key) == 0) ApplyAttribute(key, std::wstring(AsWide(pair.second)));
  }
  applying_defaults_ = false;
}

const YdAttributeTable& YdTabItem::AttributeTable() {
  static const YdAttributeTable table{kTabItemEntries, sizeof(kTabItemEntries) / sizeof(kTabItemEntries[0]),
                                      &YdOption::AttributeTable()};
  return table;
}

void YdTabItem::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  if (!applying_defaults_) own_keys_.insert(key);
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdOption::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<TabItemAttr>(entry->id)) {
    case TabItemAttr::kControlId:
      page_id_ = v.number;
      if (IsSelected()) ShowOwnPage();
      break;
    case TabItemAttr::kShowIcon: show_icon_ = v.flag; break;
    case TabItemAttr::kShowExpand: show_expand_ = v.flag; break;
    case TabItemAttr::kEnterShowExpand: enter_show_expand_ = v.flag; break;
    case TabItemAttr::kIconAttr:
      icon_attr_ = value;
      StylePart(icon_part_, value);
      break;
    case TabItemAttr::kTextAttr:
      text_attr_ = value;
      StylePart(text_part_, value);
      break;
    case TabItemAttr::kTextImgAttr:
      text_img_attr_ = value;
      StylePart(text_img_part_, value);
      break;
    case TabItemAttr::kExpandAttr:
      expand_attr_ = value;
      StylePart(expand_part_, value);
      break;
    case TabItemAttr::kDrag: drag_ = v.flag; break;
    case TabItemAttr::kSelectedExpandAttr:
      selected_expand_attr_ = value;
      StylePart(selected_expand_part_, value);
      break;
    case TabItemAttr::kShowSelectedExpand: show_selected_expand_ = v.flag; break;
    case TabItemAttr::kDisableSwap: disable_swap_ = v.flag; break;
  }
  Invalidate();
}

void YdTabItem::StylePart(std::unique_ptr<YdControl>& part, const std::wstring& list) {
  if (part == nullptr) {
    part = std::make_unique<YdControl>();
    part->SetManager(manager_);
  }
  part->ApplyAttributeString(list);
}

void YdTabItem::SetManager(YdPaintManager* manager) {
  YdOption::SetManager(manager);
  for (YdControl* part : {icon_part_.get(), expand_part_.get(), selected_expand_part_.get(), text_part_.get(),
                          text_img_part_.get()}) {
    if (part != nullptr) part->SetManager(manager);
  }
}

YdControl* YdTabItem::ShownExpandPart() const {
  if (IsSelected() && show_selected_expand_ && selected_expand_part_ != nullptr) return selected_expand_part_.get();
  if (show_expand_ || (enter_show_expand_ && (state_ & kStateHot) != 0)) return expand_part_.get();
  return nullptr;
}

void YdTabItem::PaintPart(HDC dc, YdControl* part) {
  if (part == nullptr || !part->IsVisible()) return;
  const POINT xy = part->GetFixedXY();
  const int width = part->GetFixedWidth() > 0 ? part->GetFixedWidth() : pos_.right - pos_.left - xy.x;
  const int height = part->GetFixedHeight() > 0 ? part->GetFixedHeight() : pos_.bottom - pos_.top - xy.y;
  const RECT r{pos_.left + xy.x, pos_.top + xy.y, pos_.left + xy.x + width, pos_.top + xy.y + height};
  RECT dirty{};
  const RECT paint = ToRECT(paint_rect_);
  if (!::IntersectRect(&dirty, &paint, &r)) return;
  part->SetPosition(r);
  part->Paint(dc, dirty);
}

void YdTabItem::DrawStateImage(HDC dc) {
  YdOption::DrawStateImage(dc);
  if (show_icon_) PaintPart(dc, icon_part_.get());
  PaintPart(dc, ShownExpandPart());
}

void YdTabItem::DrawControlText(HDC dc) {
  if (text_img_part_ != nullptr) {
    PaintPart(dc, text_img_part_.get());
  } else if (text_part_ != nullptr) {
    // Only on a change: SetText invalidates, and this runs inside a paint.
    if (text_part_->GetText() != GetText()) text_part_->SetText(GetText());
    text_part_->SetStateBits(state_);
    PaintPart(dc, text_part_.get());
  } else {
    YdOption::DrawControlText(dc);
  }
}

YdControl* YdTabItem::GetPage() const {
  if (manager_ == nullptr || page_id_ == 0) return nullptr;
  return manager_->ControlById(page_id_);
}

void YdTabItem::ShowOwnPage() {
  if (manager_ == nullptr) return;
  std::vector<YdControl*> peers;
  if (GetGroup() != 0) {
    if (const std::vector<YdControl*>* members = manager_->GetGroup(GetGroup())) peers = *members;
  } else if (parent_ != nullptr) {
    if (YdControl* found = parent_->QueryKind(kKindContainer)) {
      auto* container = static_cast<YdContainer*>(found);
      for (int i = 0; i < container->ChildCount(); ++i) peers.push_back(container->ChildAt(i));
    }
  }
  YdControl* own = GetPage();
  for (YdControl* peer : peers) {
    if (peer == this || peer == nullptr) continue;
    YdControl* found = peer->QueryKind(kKindTabItem);
    if (found == nullptr) continue;
    YdControl* page = static_cast<YdTabItem*>(found)->GetPage();
    if (page != nullptr && page != own) page->SetVisible(false);
  }
  if (own != nullptr) own->SetVisible(true);
}

void YdTabItem::SetSelected(bool selected) {
  // The page is shown before the selection is announced, so a listener of
  // the selection change already sees the new page; shown again after, in
  // case a cleared tab shared it.
  if (selected) ShowOwnPage();
  YdOption::SetSelected(selected);
  if (IsSelected()) {
    ShowOwnPage();
  } else if (YdControl* page = GetPage()) {
    page->SetVisible(false);
  }
}

void YdTabItem::OnLButtonDown(YdEvent& event) {
  pressing_ = IsEnabled() && PointInside(event.point);
  YdOption::OnLButtonDown(event);
}

void YdTabItem::OnLButtonUp(YdEvent& event) {
  pressing_ = false;
  YdOption::OnLButtonUp(event);
}

void YdTabItem::OnMouseMove(YdEvent& event) {
  if (pressing_ && drag_ && !disable_swap_ && parent_ != nullptr) {
    if (YdControl* found = parent_->QueryKind(kKindTabCtrl)) {
      if (static_cast<YdTabCtrl*>(found)->DragItemTo(this, event.point)) {
        // The tab now lies under the pointer again: it stays pushed.
        state_ |= kStatePushed;
        Invalidate();
        return;
      }
    }
  }
  YdOption::OnMouseMove(event);
}

void YdTabItem::Initialize() {
  YdOption::Initialize();
  if (IsSelected()) ShowOwnPage();
}

}  // namespace ZEPHYRA_NAMESPACE
