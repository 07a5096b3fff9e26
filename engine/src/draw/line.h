// Lines: data mapped to axis coordinates and thinned, cut to the plot, and stroked.
#pragma once

#include <span>
#include <vector>

#include "draw/panel_context.h"
#include "draw/polylines.h"
#include "enums.h"
#include "model/marks.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"

namespace lodra::draw::line {

// A line in axis coordinates.
struct AxisLine {
  std::vector<double> xs;
  std::vector<double> ys;
};

// The points of a series in axis coordinates, thinned for a stroke of `width` points.
AxisLine line_points(const PanelContext& panel, const XySeries& data, double width);

// How a line of this dash and width is stroked: solid lines with round caps, dashes on 4w off
// 3w with butt caps, dots as round caps on 0 off 2.5w; joins always round.
scene::StrokeStyle line_style(Dash dash, Rgba color, double width);

// Appends one stroke of the polyline (xs[i], ys[i]) in axis coordinates, cut to the plot widened
// by the larger of the stroke's width, the panel's widest stroke and 2 points; nothing when no
// piece remains. Non-finite points break the line.
void line_items(const PanelContext& panel, std::span<const double> xs, std::span<const double> ys,
                const scene::StrokeStyle& style, std::vector<scene::Item>& items);

// A stroke with one subpath per piece; a one-point piece becomes a dot under a round cap.
scene::Item stroke(const Polylines<PlotPoint>& pieces, const scene::StrokeStyle& style);

// The stroke of a line mark.
void mark_items(const PanelContext& panel, const resolve::Line& mark,
                std::vector<scene::Item>& items);

}  // namespace lodra::draw::line
