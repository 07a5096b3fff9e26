// What drawing the marks of one panel needs: the resolved axes, where the plot lies on the
// page, and the mapping from axis coordinates to points built from both.
#pragma once

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "draw/line_clip.h"
#include "draw/points.h"
#include "model/shared_data.h"
#include "resolve/axis_resolution.h"
#include "theme.h"

namespace lodra::draw {

// The placed panel as drawing sees it, in points.
struct PanelFrame {
  double plot_left = 0;
  double plot_top = 0;
  double plot_width = 0;
  double plot_height = 0;
  double cell_left = 0;
  double cell_right = 0;
  // The right edge of the placed y tick labels; none when the panel draws none.
  std::optional<double> y_labels_right;

  double plot_right() const { return plot_left + plot_width; }
  double plot_bottom() const { return plot_top + plot_height; }
};

// The low and high axis coordinates an axis spans: the domain of a linear axis, [0, ln(high /
// low)] on a log axis, [0, 1] on a category axis.
AxisSpan axis_bounds(const resolve::ResolvedAxis& axis);

// Axis-coordinate bounds and a mapping whose clamp rectangle are both widened by a margin.
struct WidenedClip {
  ClipRect bounds;
  LineClip clip;
};

struct PanelContext {
  const Theme& theme;
  const resolve::Resolved& axes;
  PanelFrame frame;
  LineClip clip;  // clamped to the plot rectangle
  // The largest stroke width of the panel's lines, areas, steps and stacked areas.
  double widest_stroke = 0;

  static PanelContext make(const Theme& theme, const resolve::Resolved& axes,
                           const PanelFrame& frame, double widest_stroke);

  // The visible axis-coordinate window.
  ClipRect bounds() const { return {clip.x.low, clip.y.low, clip.x.high, clip.y.high}; }
  // The window and the plot rectangle, each widened by `margin` points on every side.
  WidenedClip widened(double margin) const;

  // How far beyond the plot a stroke of `width` points is kept: at least the panel's widest
  // stroke and 2 points, so that no cut end shows inside the frame.
  double stroke_margin(double width) const { return std::max({width, widest_stroke, 2.0}); }

  // Axis units in one point along each axis.
  double x_per_point() const { return (clip.x.high - clip.x.low) / frame.plot_width; }
  double y_per_point() const { return (clip.y.high - clip.y.low) / frame.plot_height; }

  // Where areas, bands and stems rise from: in y axis coordinates and on the page.
  double baseline_value() const;
  double baseline_y() const { return clip.y.to_plot(baseline_value()); }

  bool x_is_continuous() const;

  // Data in axis coordinates: x by the x axis's kind, y values on the continuous y axis.
  std::vector<double> x_values(const AxisData& x) const;
  std::vector<double> y_values(std::span<const double> y) const;
};

}  // namespace lodra::draw
