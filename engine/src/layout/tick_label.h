// The tick labels of one side of a panel, measured with their positions along the axis.
#pragma once

#include <span>
#include <vector>

#include "layout/label.h"
#include "resolve/continuous_axis.h"

namespace lodra::layout {

struct TickLabel {
  NormalizedPos position = 0;
  Label label;
};

// How far an x tick label reaches to each side of its tick.
struct TickLabelExtent {
  NormalizedPos position = 0;
  double half_width = 0;
  friend bool operator==(const TickLabelExtent&, const TickLabelExtent&) = default;
};

// The widest label, the first of equal widths; null when there is none.
const TickLabel* widest(std::span<const TickLabel> labels);

std::vector<TickLabelExtent> extents(std::span<const TickLabel> labels);

}  // namespace lodra::layout
