// The least widening of a grid's column bands that keeps every x tick label inside its cell.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "layout/grid_columns.h"

namespace lodra::layout {

// The overflow of each bound with the columns placed so.
std::vector<double> overflows(std::span<const LabelBound> bounds, const PlacedColumns& placed);

// The variables of the bounds that overflow, sorted and without repeats.
std::vector<std::size_t> out_of_bounds(std::span<const LabelBound> bounds,
                                       std::span<const double> overflows);

// One inset per variable such that every bound's overflow is within the inset of its side,
// the page margins within their limits and every column at least 1 pt wide, with the least
// total inset; nothing when no such insets are found.
std::optional<std::vector<double>> fit_columns(const Columns& columns,
                                               std::span<const LabelBound> bounds);

}  // namespace lodra::layout
