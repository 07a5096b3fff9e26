// Scatter series: one marker shape stamped at every point that can show in the plot, filled
// translucently and ringed in the background colour so that overlapping markers stay apart.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "color.h"
#include "draw/line_clip.h"
#include "enums.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw {

// How far a marker reaches from its centre in points: the largest coordinate of its outline,
// plus room for the halo stroke.
double marker_reach(const scene::Path& shape);

// The marker fill: the colour with its alpha times the theme's marker opacity, clamped to 0..1
// (a non-finite opacity counts as 1).
Rgba marker_fill(Rgba color, const Theme& theme);

// The thin ring in the background colour around every marker.
scene::StrokeStyle halo_stroke(const Theme& theme);

// Markers of `shape` and `size` at the points (xs[i], ys[i]), in axis coordinates, whose both
// coordinates are finite and lie within the visible window widened by the marker's reach, so
// that markers cut by the plot edge are still drawn. None when no point qualifies.
std::optional<scene::Item> scatter_item(const LineClip& clip, std::span<const double> xs,
                                        std::span<const double> ys, Marker shape, double size,
                                        Rgba color, const Theme& theme);

// A scatter mark's markers, its data mapped along the panel's axes.
void scatter_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                   const resolve::Scatter& mark, std::vector<scene::Item>& items);

}  // namespace lodra::draw
