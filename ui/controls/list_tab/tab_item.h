// tab_item.h -- YdTabItem (element "TabItem"): a tab that selects like an
// option. Its "controlid" names the page (the control with that id in the
// same window): selecting the tab shows that page and hides the pages of
// the other tab items of its group (or, without a group, of its sibling
// tab items); clearing the tab hides its page. The page rule is applied
// again when the tree is initialised, so a tab marked "selected" in the
// skin shows its page once the window's ids are known.
// The icon and expand parts are plain controls styled by "iconattr" and
// "expandattr" / "selectedexpandattr" (their "pos" is relative to the tab)
// and painted over the tab: the icon with "showicon", the expand part with
// "showexpand", while hot with "entershowexpand", and the selected expand
// part instead while selected with "showselectedexpand". The text part,
// styled by "textattr", draws the tab's text in its own place, font,
// colours and alignment (it follows the tab's state, so "selectedtextcolor"
// in the list applies while the tab is selected); the text image part,
// styled by "textimgattr", is painted instead of any text (an image that
// shows the caption). Without either the tab draws its text as an option.
// With "drag" on and "disableswap" off, pressing the tab and dragging it
// onto a sibling tab item of its tab control swaps the two (YdTabCtrl::
// DragItemTo); releasing the button then selects the dragged tab as a
// click would.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/basic/option.h"

namespace ZEPHYRA_NAMESPACE {

class YdTabItem : public YdOption {
 public:
  YdTabItem() = default;

  int GetKind() const override { return kKindTabItem; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The tab's own keys; its base is the option's table.
  static const YdAttributeTable& AttributeTable();
  void SetSelected(bool selected) override;
  void Initialize() override;
  void SetManager(YdPaintManager* manager) override;
  void DrawStateImage(HDC dc) override;
  void DrawControlText(HDC dc) override;
  void OnLButtonDown(YdEvent& event) override;
  void OnLButtonUp(YdEvent& event) override;
  void OnMouseMove(YdEvent& event) override;

  // Applies the tab control's "item" list: every pair whose key the skin
  // has not already given this item itself (the skin builder applies an
  // element's own keys before its parent's, so the list must not undo them).
  void ApplyItemDefaults(const std::wstring& list);

  int GetPageId() const { return page_id_; }
  void SetPageId(int id) { page_id_ = id; }
  // The icon, expand, selected expand, text and text image parts (null
  // until styled).
  YdControl* GetIconPart() const { return icon_part_.get(); }
  YdControl* GetExpandPart() const { return expand_part_.get(); }
  YdControl* GetSelectedExpandPart() const { return selected_expand_part_.get(); }
  YdControl* GetTextPart() const { return text_part_.get(); }
  YdControl* GetTextImagePart() const { return text_img_part_.get(); }
  // The part painted as the expand part in the current state, or null.
  YdControl* ShownExpandPart() const;
  // The page control (null without a manager, an id or such a control).
  YdControl* GetPage() const;
  bool IsShowIcon() const { return show_icon_; }
  bool IsShowExpand() const { return show_expand_; }
  bool IsEnterShowExpand() const { return enter_show_expand_; }
  bool IsShowSelectedExpand() const { return show_selected_expand_; }
  bool IsDragEnabled() const { return drag_; }
  bool IsSwapDisabled() const { return disable_swap_; }
  const std::wstring& GetIconAttributes() const { return icon_attr_; }
  const std::wstring& GetTextAttributes() const { return text_attr_; }
  const std::wstring& GetTextImageAttributes() const { return text_img_attr_; }
  const std::wstring& GetExpandAttributes() const { return expand_attr_; }
  const std::wstring& GetSelectedExpandAttributes() const { return selected_expand_attr_; }

 private:
  // A part styled by `list` (made on first use).
  void StylePart(std::unique_ptr<YdControl>& part, const std::wstring& list);
  void PaintPart(HDC dc, YdControl* part);
  // Hides the other tabs' pages and shows this one's.
  void ShowOwnPage();

  std::set<std::wstring> own_keys_;  // keys applied other than from the item list
  bool applying_defaults_ = false;
  int page_id_ = 0;
  bool show_icon_ = false;
  bool show_expand_ = false;
  bool enter_show_expand_ = false;
  bool show_selected_expand_ = false;
  bool drag_ = false;
  bool disable_swap_ = false;
  bool pressing_ = false;  // left button went down on this tab
  std::unique_ptr<YdControl> icon_part_, expand_part_, selected_expand_part_, text_part_, text_img_part_;
  std::wstring icon_attr_, text_attr_, text_img_attr_, expand_attr_, selected_expand_attr_;
};

}  // namespace ZEPHYRA_NAMESPACE
