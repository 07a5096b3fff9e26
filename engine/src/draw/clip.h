// Cutting segments and polylines to a rectangle, with exact boundary crossings.
#pragma once

#include <optional>
#include <span>

#include "draw/points.h"
#include "draw/polylines.h"

namespace lodra::draw::clip {

struct Segment {
  AxisPoint start;
  AxisPoint end;
  friend bool operator==(const Segment&, const Segment&) = default;
};

// The part of the segment inside the rectangle (boundary included), in the direction of travel;
// an end that lies inside is kept exactly. None when the segment misses the rectangle or has a
// non-finite coordinate.
std::optional<Segment> clip_segment(const ClipRect& rect, double x0, double y0, double x1,
                                    double y1);

// The pieces of the polyline (xs[i], ys[i]) inside the rectangle, in order. A point with a
// non-finite coordinate is a gap: it is dropped and the runs on either side are clipped alone.
// A run of one point is kept when it lies inside. Pairs up to the shorter list.
Polylines<AxisPoint> clip_polyline(const ClipRect& rect, std::span<const double> xs,
                                   std::span<const double> ys);

}  // namespace lodra::draw::clip
