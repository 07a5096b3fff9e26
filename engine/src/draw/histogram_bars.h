// Histogram bars on a continuous x axis: one rectangle per bin with a count, inset by the
// theme's gap, all in one `Fill` item. With gradient fills the body fades from the tallest bar
// down to the baseline, and a solid band marks the top of every bar.
#pragma once

#include <vector>

#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw::hist {

// Nothing is drawn unless both axes are continuous and the histogram has bins.
void hist_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                const resolve::Hist& mark, std::vector<scene::Item>& items);

}  // namespace lodra::draw::hist
