// The outline of a bar: a rectangle whose corners at the tip, and optionally at the base, are
// rounded.
#pragma once

#include "scene/path.h"

namespace lodra::draw::bar_shape {

// The bar between x0 and x1 from `base` to `tip`, all in points; the tip corners are rounded by
// `tip_radius` and the base corners by `base_radius`, each shrunk to fit: at most half the
// width, the tip radius at most the length and the base radius at most what the tip leaves.
// Empty when the bar has no width or no length, or a coordinate is not finite.
scene::Path rounded_rect(double x0, double x1, double base, double tip, double base_radius,
                         double tip_radius);

}  // namespace lodra::draw::bar_shape
