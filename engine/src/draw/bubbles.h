// Bubbles: markers whose areas are proportional to their sizes, on one scale per panel.
#pragma once

#include <vector>

#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw {

// Each bubble of the mark, in data order, drawn like one scatter point of the mark's marker at
// diameter 2 × √size / √reference × largest radius: a fill, then the halo ring of the same path.
// Bubbles whose size is not above 0, or whose diameter is not positive and finite, are left out.
void bubble_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                  const resolve::Bubbles& mark, std::vector<scene::Item>& items);

}  // namespace lodra::draw
