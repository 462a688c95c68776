// list.cpp -- YdList: own keys, row adoption, single selection, the
// keyboard navigation and the rows' tree (folding, expansion).
#include "ui/controls/list_tab/list.h"

#include "ui/controls/list_tab/list_element.h"
#include "ui/controls/list_tab/list_tree.h"
#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class ListAttr : int {
  kIndent, kDefaultElementWidth, kDefaultElementHeight, kDbClickExpand, kClickExpand, kGroup, kDrag,
};

constexpr YdAttributeEntry kListEntries[] = {
    AttributeEntry("indent", ListAttr::kIndent, YdValueSyntax::kLength),
    AttributeEntry("defaultelementwidth", ListAttr::kDefaultElementWidth, YdValueSyntax::kLength),
    AttributeEntry("defaultelementheight", ListAttr::kDefaultElementHeight, YdValueSyntax::kLength),
    AttributeEntry("dbclickexpand", ListAttr::kDbClickExpand, YdValueSyntax::kBool),
    AttributeEntry("clickexpand", ListAttr::kClickExpand, YdValueSyntax::kBool),
    AttributeEntry("group", ListAttr::kGroup, YdValueSyntax::kInt),
    AttributeEntry("drag", ListAttr::kDrag, YdValueSyntax::kBool),
};


YdListElement* AsElement(YdControl* control) {
  return control == nullptr ? nullptr : static_cast<YdListElement*>(control->QueryKind(kKindListElement));
}

}  // namespace

YdControl* YdList::QueryKind(int kind) {
  if (kind == kKindList) return this;
  return YdVerticalLayout::QueryKind(kind);
}

const YdAttributeTable& YdList::AttributeTable() {
  static const YdAttributeTable table{kListEntries, sizeof(kListEntries) / sizeof(kListEntries[0]),
                                      &YdVerticalLayout::AttributeTable()};
  return table;
}

void YdList::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdVerticalLayout::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<ListAttr>(entry->id)) {
    case ListAttr::kIndent: indent_ = v.number; break;
    case ListAttr::kDefaultElementWidth: default_width_ = v.number; break;
    case ListAttr::kDefaultElementHeight: default_height_ = v.number; break;
    case ListAttr::kDbClickExpand: dbclick_expand_ = v.flag; break;
    case ListAttr::kClickExpand: click_expand_ = v.flag; break;
    case ListAttr::kGroup: group_ = v.number; break;
    case ListAttr::kDrag: drag_ = v.flag; break;
  }
  for (YdControl* child : children_) AdoptElement(child);
  NeedUpdate();
}

void YdList::AdoptElement(YdControl* control) {
  YdListElement* element = AsElement(control);
  if (element == nullptr) return;
  if (default_width_ > 0 && element->GetFixedWidth() == 0) element->SetFixedWidth(default_width_);
  if (default_height_ > 0 && element->GetFixedHeight() == 0) element->SetFixedHeight(default_height_);
  if (group_ != 0 && element->GetGroup() != group_) element->SetGroup(group_);
}

bool YdList::AddChild(YdControl* control) {
  if (!YdVerticalLayout::AddChild(control)) return false;
  AdoptElement(control);
  TreeChanged();
  return true;
}

bool YdList::InsertChild(YdControl* control, int index) {
  if (!YdVerticalLayout::InsertChild(control, index)) return false;
  AdoptElement(control);
  TreeChanged();
  return true;
}

bool YdList::RemoveChild(YdControl* control) {
  // A removed row must not stay folded by a row it no longer follows.
  if (YdListElement* element = AsElement(control)) element->SetFolded(false);
  if (!YdVerticalLayout::RemoveChild(control)) return false;
  TreeChanged();
  return true;
}

bool YdList::RemoveChildAt(int index) {
  if (index >= 0 && index < ChildCount()) {
    if (YdListElement* element = AsElement(children_[static_cast<size_t>(index)])) element->SetFolded(false);
  }
  if (!YdVerticalLayout::RemoveChildAt(index)) return false;
  TreeChanged();
  return true;
}

std::vector<int> YdList::Levels() const {
  std::vector<int> out;
  out.reserve(children_.size());
  for (YdControl* child : children_) {
    const YdListElement* element = AsElement(child);
    out.push_back(element != nullptr ? element->GetLevel() : 0);
  }
  return out;
}

std::vector<bool> YdList::ExpandedFlags() const {
  std::vector<bool> out;
  out.reserve(children_.size());
  for (YdControl* child : children_) {
    const YdListElement* element = AsElement(child);
    out.push_back(element != nullptr && element->IsExpanded());
  }
  return out;
}

bool YdList::ElementHasChildren(int index) const {
  if (index < 0 || index >= ChildCount() || AsElement(children_[static_cast<size_t>(index)]) == nullptr) return false;
  return ListRowHasChildren(Levels(), index);
}

void YdList::TreeChanged() {
  const std::vector<bool> folded = ListFoldedRows(Levels(), ExpandedFlags());
  bool changed = false;
  for (size_t i = 0; i < children_.size(); ++i) {
    YdListElement* element = AsElement(children_[i]);
    if (element == nullptr || element->IsFolded() == folded[i]) continue;
    element->SetFolded(folded[i]);
    changed = true;
  }
  if (changed) NeedUpdate();
}

void YdList::LayOutNow() {
  NeedUpdate();
  if (manager_ != nullptr && GetWidth() > 0) SetPosition(GetPosition());
}

bool YdList::ExpandElement(int index, bool expand) {
  if (!ElementHasChildren(index)) return false;
  YdListElement* row = AsElement(children_[static_cast<size_t>(index)]);
  if (row->IsExpanded() == expand) return false;
  const int selected = GetSelectedIndex();
  const int end = ListSubtreeEnd(Levels(), index);
  row->SetExpanded(expand);
  TreeChanged();
  // The selection does not stay on a row folded away: the collapsed row
  // takes it (or, when it cannot be selected, no row keeps it).
  if (!expand && selected > index && selected < end) {
    if (SelectElement(index)) {
      row->SetFocus();
    } else if (YdListElement* hidden = AsElement(children_[static_cast<size_t>(selected)])) {
      hidden->SetSelected(false);
    }
  }
  LayOutNow();
  // The rows shown now, then the expanded row itself, scroll into view (a
  // row expanded while folded itself has no place to scroll to).
  if (expand && row->IsVisible()) {
    int last = end - 1;
    while (last > index && !children_[static_cast<size_t>(last)]->IsVisible()) --last;
    EnsureVisible(last);
    EnsureVisible(index);
  }
  row->Invalidate();
  if (manager_ != nullptr) manager_->RaiseNotify(row, kNotifyListExpand, expand ? 1 : 0, 0);
  return true;
}

bool YdList::ToggleElement(int index) {
  if (!ElementHasChildren(index)) return false;
  return ExpandElement(index, !AsElement(children_[static_cast<size_t>(index)])->IsExpanded());
}

int YdList::GetSelectedIndex() const {
  for (size_t i = 0; i < children_.size(); ++i) {
    YdListElement* element = AsElement(children_[i]);
    if (element != nullptr && element->IsSelected()) return static_cast<int>(i);
  }
  return -1;
}

void YdList::ElementSelected(YdListElement* element) {
  if (clearing_) return;
  clearing_ = true;
  for (YdControl* child : children_) {
    YdListElement* other = AsElement(child);
    if (other != nullptr && other != element && other->IsSelected()) other->SetSelected(false);
  }
  clearing_ = false;
}

bool YdList::SelectElement(int index) {
  if (index < 0 || index >= ChildCount()) return false;
  YdListElement* element = AsElement(children_[static_cast<size_t>(index)]);
  if (element == nullptr || !element->IsVisible() || !element->IsEnabled()) return false;
  element->SetSelected(true);
  return true;
}

bool YdList::MoveSelection(WORD key) {
  YdListMove move;
  switch (key) {
    case VK_UP: move = YdListMove::kUp; break;
    case VK_DOWN: move = YdListMove::kDown; break;
    case VK_HOME: move = YdListMove::kHome; break;
    case VK_END: move = YdListMove::kEnd; break;
    case VK_RIGHT:
    case VK_LEFT: {
      const YdListTreeStep step = ListTreeKeyStep(key == VK_RIGHT, GetSelectedIndex(), Levels(), ExpandedFlags());
      switch (step.action) {
        case YdListTreeAction::kNone: return false;
        case YdListTreeAction::kExpand: ExpandElement(step.row, true); return true;
        case YdListTreeAction::kCollapse: ExpandElement(step.row, false); return true;
        case YdListTreeAction::kSelect:
          if (SelectElement(step.row)) {
            children_[static_cast<size_t>(step.row)]->SetFocus();
            EnsureVisible(step.row);
          }
          return true;
      }
      return false;
    }
    default: return false;
  }
  const int target = ListMoveTarget(move, GetSelectedIndex(), ChildCount(), [this](int i) {
    YdListElement* e = AsElement(children_[static_cast<size_t>(i)]);
    return e != nullptr && e->IsVisible() && e->IsEnabled();
  });
  if (target < 0) return true;
  SelectElement(target);
  children_[static_cast<size_t>(target)]->SetFocus();
  EnsureVisible(target);
  return true;
}

void YdList::EnsureVisible(int index) {
  if (index < 0 || index >= ChildCount() || GetVerticalScrollBar() == nullptr) return;
  const RECT item = children_[static_cast<size_t>(index)]->GetPosition();
  const RECT inset = GetInset();
  const int top = pos_.top + inset.top;
  const int bottom = pos_.bottom - inset.bottom;
  SIZE scroll = GetScrollPosition();
  if (item.top < top) {
    scroll.cy -= top - item.top;
  } else if (item.bottom > bottom) {
    scroll.cy += item.bottom - bottom;
  } else {
    return;
  }
  SetScrollPosition(scroll);
}

void YdList::OnKeyDown(YdEvent& event) {
  if (IsEnabled() && MoveSelection(event.key)) return;
  YdVerticalLayout::OnKeyDown(event);
}

void YdList::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdVerticalLayout::RescaleGeometry(from, to);
  if (from == to) return;
  indent_ = YdDpiScale::Rescale(indent_, from, to);
  default_width_ = YdDpiScale::Rescale(default_width_, from, to);
  default_height_ = YdDpiScale::Rescale(default_height_, from, to);
}

}  // namespace ZEPHYRA_NAMESPACE
