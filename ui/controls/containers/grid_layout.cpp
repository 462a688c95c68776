// grid_layout.cpp -- YdGridLayout: its four attributes and the cell layout.
#include "ui/controls/containers/grid_layout.h"

#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

void YdGridLayout::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const std::u16string_view v = AsUtf16(value);
  if (key == L"gridwidth") {
    grid_.cellWidth = ParseInt(v);
  } else if (key == L"gridheight") {
    grid_.cellHeight = ParseInt(v);
  } else if (key == L"column") {
    grid_.columns = ParseInt(v);
  } else if (key == L"row") {
    grid_.rows = ParseInt(v);
  } else {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  NeedUpdate();
}

YdLayoutOutcome YdGridLayout::RunLayout(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  return LayoutGrid(box, grid_, children);
}

}  // namespace ZEPHYRA_NAMESPACE
