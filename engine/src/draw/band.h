// Bands: the region between a low and a high curve over shared x, filled.
#pragma once

#include <span>
#include <vector>

#include "color.h"
#include "draw/panel_context.h"
#include "draw/points.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"

namespace lodra::draw::band {

// Appends the fill of the band, both curves thinned together.
void band_items(const PanelContext& panel, const resolve::Band& mark,
                std::vector<scene::Item>& items);

// Appends one fill per stretch of points whose x, low and high are all finite: the polygon
// along the low curve forward and back along the high curve, in axis coordinates, cut to the
// plot.
void band_fill_items(const PanelContext& panel, std::span<const double> xs,
                     std::span<const double> lows, std::span<const double> highs, Rgba color,
                     std::vector<scene::Item>& items);

// The polygon cut to the rectangle by clipping it against the half-planes of the left,
// top, bottom and right edges in turn. `polygon` becomes the result.
void clipped_area(const ClipRect& rect, std::vector<AxisPoint>& polygon);

}  // namespace lodra::draw::band
