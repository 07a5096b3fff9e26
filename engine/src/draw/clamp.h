// Outlines pressed into a rectangle instead of cut: what area fills are built from.
#pragma once

#include <span>

#include "draw/points.h"
#include "draw/polylines.h"

namespace lodra::draw::clip {

// One outline per run of the polyline (xs[i], ys[i]) between points with a non-finite
// coordinate, every point clamped into the rectangle. Where a segment crosses one of the lines
// through the rectangle's edges, the exact crossing is inserted, so the outline is exactly the
// clamped image of the polyline: it runs along the boundary between where the line leaves the
// rectangle and where it comes back. Consecutive points that come out equal are stored once,
// keeping the y before clamping that lies farther out.
Polylines<ClampedPoint> clamp_polyline(const ClipRect& rect, std::span<const double> xs,
                                       std::span<const double> ys);

}  // namespace lodra::draw::clip
