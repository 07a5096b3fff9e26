// The coordinates marks are drawn in. Data values map first into axis coordinates, in which
// every axis is linear (a log axis holds ln(v / low), a category axis the normalized slot
// centre), then into plot coordinates in points on the page.
#pragma once

namespace lodra::draw {

struct AxisPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const AxisPoint&, const AxisPoint&) = default;
};

struct PlotPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// A point of an outline clamped into a rectangle, in axis coordinates, with the y it had before
// clamping: area fills compare the two to scale their gradient.
struct ClampedPoint {
  double x = 0;
  double y = 0;
  double unclamped_y = 0;
  friend bool operator==(const ClampedPoint&, const ClampedPoint&) = default;
};

// An axis-aligned rectangle in whatever coordinates a caller clips in; min ≤ max on both axes.
struct ClipRect {
  double x_min = 0;
  double y_min = 0;
  double x_max = 0;
  double y_max = 0;
  friend bool operator==(const ClipRect&, const ClipRect&) = default;

  bool contains(double x, double y) const {
    return x >= x_min && x <= x_max && y >= y_min && y <= y_max;
  }
};

}  // namespace lodra::draw
