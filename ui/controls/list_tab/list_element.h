// list_element.h -- YdListElement (element "ListElement"): a selectable row
// of a YdList. Clicking it selects it (it does not toggle like a check box);
// the list clears the other rows. Its key events go to the owning list for
// the Up, Down, Home and End navigation and the Right / Left tree keys.
// Two keys of its own make the list a tree (list_tree.h): "level" (int, 0)
// is the row's depth, and the rows below it with a greater level are its
// children; "expanded" (bool, false) tells whether those are shown. A row
// folded away under a collapsed row is not visible (its own "visible" is
// kept and applies again once unfolded), and a row is indented by its
// level times the list's "indent" (added to the left of its padding).
// In a list with "drag" on, pressing the row and moving the pointer beyond
// the system's drag distance starts a drag-and-drop operation (the list
// runs it; a drag does not select the row).
#pragma once

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/basic/option.h"

namespace ZEPHYRA_NAMESPACE {

class YdList;

class YdListElement : public YdOption {
 public:
  YdListElement() = default;

  int GetKind() const override { return kKindListElement; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The row's own keys; its base is the option's table.
  static const YdAttributeTable& AttributeTable();
  bool Activate(YdEvent& event) override;
  void SetSelected(bool selected) override;
  void OnKeyDown(YdEvent& event) override;
  void OnLButtonDown(YdEvent& event) override;
  void OnLButtonUp(YdEvent& event) override;
  void OnLButtonDblClk(YdEvent& event) override;
  void OnMouseMove(YdEvent& event) override;
  bool IsVisible() const override;
  RECT GetPadding() const override;

  // The list holding this row, or null.
  YdList* GetOwnerList() const;

  int GetLevel() const { return level_; }
  void SetLevel(int level);
  bool IsExpanded() const { return expanded_; }
  // Sets the flag only; YdList::ExpandElement also folds, lays out and
  // notifies.
  void SetExpanded(bool expanded);
  bool IsFolded() const { return folded_; }
  // Set by the list: a collapsed row above folds this one away.
  void SetFolded(bool folded);
  // Ends a press that a drag took over: no click follows it.
  void EndPressForDrag();

 private:
  int level_ = 0;
  bool expanded_ = false;
  bool folded_ = false;
  bool pressing_ = false;   // left button went down on this row
  bool in_dblclick_ = false;  // between a double click and its button up
  POINT press_point_{};
};

}  // namespace ZEPHYRA_NAMESPACE
