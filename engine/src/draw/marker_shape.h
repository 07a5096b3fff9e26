// The outlines of the point markers, shared by everything that draws a marker: scatter series,
// stems, bubbles, outliers and legend swatches.
#pragma once

#include "enums.h"
#include "scene/path.h"

namespace lodra::draw {

// The closed outline of `shape` at `size` points, centred on (0, 0) with y downward. Squares and
// diamonds have the area of the circle of that diameter; the triangle points up and is centred
// on its centroid; the cross is a plus sign whose arms are a third of the size thick.
scene::Path marker_shape(Marker shape, double size);

}  // namespace lodra::draw
