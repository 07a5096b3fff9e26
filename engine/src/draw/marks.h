// The marks of one panel as one clipped group of scene items, layered: spans under the data,
// the data in mark order, reference lines over it.
#pragma once

#include <optional>
#include <span>

#include "draw/panel_context.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw {

// The largest stroke width among the panel's lines, areas, steps and stacked areas; 0 if none.
double widest_stroke(std::span<const resolve::ResolvedMark> marks);

// The group's clip: the plot rectangle, widened to the left and right by half the widest stroke
// so that a line along the frame shows its full width, but not into the y tick labels or beyond
// the cell.
scene::Rect marks_clip(const PanelFrame& frame, double widest_stroke);

// Nothing when no mark draws anything.
std::optional<scene::Item> marks(const Theme& theme, const resolve::Resolved& axes,
                                 const PanelFrame& frame,
                                 std::span<const resolve::ResolvedMark> marks);

}  // namespace lodra::draw
