// One straight stroked segment: grid lines, the value baseline and line swatches.
#pragma once

#include "scene/item.h"
#include "scene/style.h"

namespace lodra::draw {

// A `Stroke` of the path from (x0, y0) to (x1, y1) in page points.
scene::Item segment(double x0, double y0, double x1, double y1, scene::StrokeStyle style);

}  // namespace lodra::draw
