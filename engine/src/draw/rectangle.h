// The outline of an axis-aligned rectangle in plot coordinates, for fills and outlines of boxes
// and spans.
#pragma once

#include "draw/points.h"
#include "scene/path.h"

namespace lodra::draw {

// From `corner` along x to the opposite corner's x, then along y to `opposite`, back along x,
// and closed.
scene::Path rectangle(PlotPoint corner, PlotPoint opposite);

}  // namespace lodra::draw
