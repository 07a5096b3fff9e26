// The visible window of a panel's axes in axis coordinates, widened by margins given in points:
// what marks are culled and clipped against.
#pragma once

#include "draw/bar_span.h"
#include "draw/line_clip.h"
#include "draw/points.h"

namespace lodra::draw {

// The visible part of the axis, widened on each side by `margin` points.
inline ExtendedRange visible(const AxisSpan& span, double margin = 0) {
  if (margin == 0) return {span.low, span.high};
  const double m = points_as_units(span, margin);
  return {span.low - m, span.high + m};
}

// The visible data window of the panel, in axis coordinates.
inline ClipRect visible_rect(const LineClip& clip) {
  return {clip.x.low, clip.y.low, clip.x.high, clip.y.high};
}

inline PlotPoint to_plot(const LineClip& clip, double axis_x, double axis_y) {
  return {clip.x.to_plot(axis_x), clip.y.to_plot(axis_y)};
}

}  // namespace lodra::draw
