// grid_layout.h -- YdGridLayout, a container that places its visible
// children in cells of one size, row by row ("gridwidth", "gridheight",
// "column", "row"); the cell arithmetic is LayoutGrid of grid_layout_logic.h.
#pragma once

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/containers/grid_layout_logic.h"

namespace ZEPHYRA_NAMESPACE {

class YdGridLayout : public YdContainer {
 public:
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  void RescaleGeometry(YdDpiScale from, YdDpiScale to) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The grid's own keys; its base is the container's table.
  static const YdAttributeTable& AttributeTable();
  SIZE MeasureContent(SIZE) override { return {fixed_width_, fixed_height_}; }
  const YdGridSpec& Grid() const { return grid_; }

 protected:
  YdLayoutOutcome RunLayout(const YdContainerBox& box, const std::vector<YdLayoutChild>& children) override;

 private:
  YdGridSpec grid_;
};

}  // namespace ZEPHYRA_NAMESPACE
