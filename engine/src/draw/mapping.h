// Data values to axis coordinates, in which every axis is linear: the value itself on a linear
// axis, ln(v / low) on a log axis (not a number for v ≤ 0, so such values break lines like
// missing ones), the centre (i + 0.5) / n of category i's slot on a category axis of n.
#pragma once

#include <span>
#include <vector>

#include "model/shared_data.h"
#include "resolve/axis_resolution.h"
#include "scale/continuous_scale.h"

namespace lodra::draw::mapping {

std::vector<double> continuous_values(std::span<const double> values,
                                      const ContinuousScale& scale);

// Numbers on a continuous axis, names on a category axis. A name that is not among the
// categories, and every point of data of the wrong kind for the axis, maps to not-a-number.
std::vector<double> axis_x(const resolve::ResolvedAxis& axis, const AxisData& x);

}  // namespace lodra::draw::mapping
