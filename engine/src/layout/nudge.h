// Moving values apart to a least gap within a range, as labels stacked along one axis need.
#pragma once

#include <span>
#include <vector>

namespace lodra::layout::nudge {

// The values, in input order, at least `gap` apart within [low, high] when they fit there, each
// moved as little as the passes allow; evenly `gap` apart around their mean when they do not.
// The values must not be NaN.
std::vector<double> separate(std::span<const double> values, double gap, double low,
                             double high);

}  // namespace lodra::layout::nudge
