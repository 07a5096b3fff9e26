// The mapping of one panel from axis coordinates to plot coordinates in points.
#pragma once

#include "draw/points.h"
#include "draw/polylines.h"

namespace lodra::draw {

// One axis: the axis-coordinate bounds, where the low bound lands on the page, and the signed
// plot extent to the high bound (negative for y, which grows downward on the page).
struct AxisSpan {
  double low = 0;
  double high = 1;
  double plot_low = 0;
  double plot_extent = 1;

  double to_plot(double a) const { return plot_low + plot_extent * (a - low) / (high - low); }
  friend bool operator==(const AxisSpan&, const AxisSpan&) = default;
};

struct LineClip {
  AxisSpan x;
  AxisSpan y;
  // Mapped points are clamped into this rectangle, in plot coordinates.
  ClipRect clamp;

  PlotPoint plot_point(double axis_x, double axis_y) const;
  Polylines<PlotPoint> to_plot(const Polylines<AxisPoint>& polylines) const;

  friend bool operator==(const LineClip&, const LineClip&) = default;
};

}  // namespace lodra::draw
