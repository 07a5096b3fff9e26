// Stacked bars on a category x axis: the segments of every category's stacks, one `Fill` item
// each, separated by 1-point gaps except at the baseline and at the top of a stack, where the
// outermost segment takes the rounded corners.
#pragma once

#include <vector>

#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw::bar {

// Nothing is drawn unless x is a category axis and y a continuous one.
void stacked_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                   const resolve::StackedBar& mark, std::vector<scene::Item>& items);

}  // namespace lodra::draw::bar
