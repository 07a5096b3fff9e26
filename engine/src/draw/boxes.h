// Box plots: per category and distribution a translucent box between the quartiles, whiskers
// with caps, the median across the slot and the outliers as markers, all cut to the plot.
#pragma once

#include <vector>

#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw {

// Per box, in this order: the box fill, one stroke of the whiskers, caps and box outline at half
// the outline width, the median at the full outline width, and the outliers' markers. Boxes
// stand in the slots of the theme's box fraction; a part cut away by the plot's edges draws
// nothing.
void box_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
               const resolve::BoxPlot& mark, std::vector<scene::Item>& items);

}  // namespace lodra::draw
