// Lengths in points as distances along a panel's axes, and the visible window of an axis: marks
// are culled and clipped in axis coordinates against margins given in points.
#pragma once

#include <cmath>

#include "draw/line_clip.h"
#include "draw/points.h"

namespace lodra::draw {

// `points` as a distance in axis coordinates along `span`.
inline double axis_units(const AxisSpan& span, double points) {
  return points * (span.high - span.low) / std::fabs(span.plot_extent);
}

// A closed interval of axis coordinates.
struct Window {
  double low = 0;
  double high = 0;
  // False for NaN.
  bool contains(double a) const { return a >= low && a <= high; }
};

// The visible part of the axis, widened on each side by `margin` points.
inline Window visible(const AxisSpan& span, double margin = 0) {
  if (margin == 0) return {span.low, span.high};
  const double m = axis_units(span, margin);
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
