// Numbers along one resolved axis of a panel to axis coordinates, for marks that hold plain
// numbers (values, limits, reference positions) rather than an axis's data.
#pragma once

#include <span>
#include <vector>

#include "resolve/axis_resolution.h"

namespace lodra::draw {

// The values' axis coordinates on a continuous axis; not-a-number for each on a category axis.
std::vector<double> axis_numbers(const resolve::ResolvedAxis& axis,
                                 std::span<const double> values);

// One value's axis coordinate.
double axis_number(const resolve::ResolvedAxis& axis, double value);

}  // namespace lodra::draw
