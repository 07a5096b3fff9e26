// The chrome of a placed panel: grid lines, tick labels, titles and axis labels; and the value
// baseline drawn over its marks.
#pragma once

#include "layout/panel_layout.h"
#include "scene/item.h"
#include "scene/style.h"
#include "theme.h"

namespace lodra::draw {

// How the theme strokes grid lines: its grid colour and width, dashed by its grid dash (solid;
// 2 on, 4 off; or round dots 3.2 apart), with miter joins.
scene::StrokeStyle grid_stroke(const Theme& theme);

// One unclipped group: the grid lines the theme asks for (horizontal ones at the y ticks, then
// vertical ones at the x ticks, each its own stroke across the plot), the y then x tick labels
// in the muted colour, the title in the text colour and the subtitle in the muted colour, then
// the y and x axis labels in the text colour.
scene::Item chrome(const Theme& theme, const layout::Layout& layout);

// A group of one stroke across the plot at the layout's baseline y, in the theme's baseline
// colour and width, butt capped.
scene::Item baseline(const Theme& theme, const layout::Layout& layout);

}  // namespace lodra::draw
