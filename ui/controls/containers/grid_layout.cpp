// grid_layout.cpp -- YdGridLayout: its four attributes and the cell layout.
#include "ui/controls/containers/grid_layout.h"

#include "ui/values/attribute_values.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

enum class GridAttr : int { kGridWidth, kGridHeight, kColumn, kRow };

constexpr YdAttributeEntry kGridEntries[] = {
    AttributeEntry("gridwidth", GridAttr::kGridWidth, YdValueSyntax::kLength),
    AttributeEntry("gridheight", GridAttr::kGridHeight, YdValueSyntax::kLength),
    AttributeEntry("column", GridAttr::kColumn, YdValueSyntax::kInt),
    AttributeEntry("row", GridAttr::kRow, YdValueSyntax::kInt),
};

}  // namespace

const YdAttributeTable& YdGridLayout::AttributeTable() {
  static const YdAttributeTable table{kGridEntries, sizeof(kGridEntries) / sizeof(kGridEntries[0]),
                                      &YdContainer::AttributeTable()};
  return table;
}

void YdGridLayout::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  const int number = ParseEntryValue(*entry, value).number;
  switch (static_cast<GridAttr>(entry->id)) {
    case GridAttr::kGridWidth: grid_.cellWidth = number; break;
    case GridAttr::kGridHeight: grid_.cellHeight = number; break;
    case GridAttr::kColumn: grid_.columns = number; break;
    case GridAttr::kRow: grid_.rows = number; break;
  }
  NeedUpdate();
}

YdLayoutOutcome YdGridLayout::RunLayout(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) {
  return LayoutGrid(box, grid_, children);
}

void YdGridLayout::RescaleGeometry(YdDpiScale from, YdDpiScale to) {
  YdContainer::RescaleGeometry(from, to);
  if (from == to) return;
  grid_.cellWidth = YdDpiScale::Rescale(grid_.cellWidth, from, to);
  grid_.cellHeight = YdDpiScale::Rescale(grid_.cellHeight, from, to);
}

}  // namespace ZEPHYRA_NAMESPACE
