// Violins: per category and distribution the density profile mirrored about the slot's centre,
// one closed outline cut just beyond the plot's top and bottom, filled translucently and
// outlined.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "draw/line_clip.h"
#include "draw/points.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw {

enum class YBound : std::uint8_t {
  Lower,  // keeps y at or above the bound
  Upper,  // keeps y at or below the bound
};

// The closed polygon cut to one side of the line y = `bound`, the bound itself inside. Edges
// are walked cyclically from the one joining the first two points to the one closing the
// polygon; each contributes its exact crossing of the bound when its ends lie strictly on
// opposite sides, then its end point when that is inside.
std::vector<AxisPoint> clip_y(std::span<const AxisPoint> polygon, double bound, YBound side);

// Per violin a fill at a fraction of the series colour's opacity, then a stroke of the same
// outline at half the outline width. Violins stand in the slots of the theme's violin fraction;
// one without a density draws nothing.
void violin_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                  const resolve::Violin& mark, std::vector<scene::Item>& items);

}  // namespace lodra::draw
