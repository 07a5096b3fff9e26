// What the pipeline needs to know about shared axes: the leader of each axes' group, and
// which shared tick labels a panel draws.
#pragma once

#include <cstddef>
#include <vector>

#include "model/cell_range.h"
#include "model/figure.h"

namespace lodra {

// For each axes (by index), the index of the first axes with the same group key on that side.
struct ShareGroups {
  std::vector<std::size_t> x;
  std::vector<std::size_t> y;

  explicit ShareGroups(const Figure& figure);
};

struct LabelVisibility {
  bool x = true;
  bool y = true;
  friend bool operator==(const LabelVisibility&, const LabelVisibility&) = default;
};

// Shared x tick labels show only on the bottom axes of a column, shared y tick labels only on
// the leftmost axes of a row.
LabelVisibility label_visibility(const Figure& figure, const CellRange& range);

}  // namespace lodra
