// The continuous axis a bar extends along (y for bars, x and y for histogram bins): data values
// to axis coordinates, lengths in points to axis units, and the range just beyond the plot into
// which bar ends are clamped so that nothing is drawn far outside it.
#pragma once

#include <optional>

#include "draw/line_clip.h"
#include "resolve/continuous_axis.h"
#include "scale/continuous_scale.h"

namespace lodra::draw {

// The axis range widened by a margin on both sides.
struct ExtendedRange {
  double low = 0;
  double high = 0;

  // A NaN bound never replaces a number; a NaN value stays NaN.
  double clamp(double v) const { return v < low ? low : (v > high ? high : v); }
  bool contains(double v) const { return v >= low && v <= high; }
};

// A length in points as units of the axis that `span` maps onto the plot.
double points_as_units(const AxisSpan& span, double points);

class BarSpan {
 public:
  BarSpan(const AxisSpan& span, const ContinuousScale& scale) : span_(span), scale_(scale) {}

  // The axis coordinate of a data value; none for a value that is not finite or, on a log axis,
  // not above 0.
  std::optional<double> axis_value(double value) const;
  // A length in points as axis units.
  double units(double points) const { return points_as_units(span_, points); }
  // The axis range widened by `margin_points` on both sides.
  ExtendedRange extended(double margin_points) const;
  // Where bars rise from: 0 on a linear axis; on a log axis the axis coordinate at the
  // normalized position `baseline` of the domain.
  double baseline(NormalizedPos baseline) const;
  // Axis coordinate to plot position in points, unclamped.
  double to_plot(double axis) const { return span_.to_plot(axis); }

 private:
  AxisSpan span_;
  ContinuousScale scale_;
};

}  // namespace lodra::draw
