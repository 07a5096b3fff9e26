// Data values to axis coordinates, in which every axis is linear: the value itself on a linear
// axis, ln(v / low) on a log axis (not a number for v ≤ 0, so such values break lines like
// missing ones), the centre (i + 0.5) / n of category i's slot on a category axis of n.
#pragma once

#include <span>
#include <vector>

#include "scale/continuous_scale.h"

namespace lodra::draw::mapping {

std::vector<double> continuous_values(std::span<const double> values,
                                      const ContinuousScale& scale);

}  // namespace lodra::draw::mapping
