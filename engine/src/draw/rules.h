// Reference lines: horizontal rules at y values and vertical ones at x values or category
// centres, across the whole plot, drawn over every other mark of the panel.
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
#include "scene/style.h"

namespace lodra::draw {

// The stroke of a rule: solid with butt caps, dashed 4 widths on and 3 off with butt caps, or
// dotted as round dots 2.5 widths apart; round joins.
scene::StrokeStyle rule_stroke(Rgba color, float width, Dash dash);

// A rule at axis coordinate `position` from plot edge to plot edge: vertical (across x) or
// horizontal (across y). None when the position lies outside the visible window widened by half
// the width, or has no value.
std::optional<scene::Item> rule_item(const LineClip& clip, double position, bool vertical,
                                     Rgba color, float width, Dash dash);

// The rules of the panel's hline and vline marks, in mark order; other marks are passed over.
void rule_layer(const LineClip& clip, const resolve::Resolved& axes,
                std::span<const resolve::ResolvedMark> marks, std::vector<scene::Item>& items);

}  // namespace lodra::draw
