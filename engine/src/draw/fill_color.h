// The colour that fills of areas, bands and stacked areas paint with: the series colour, lighter.
#pragma once

#include "color.h"
#include "draw/fill_paint.h"

namespace lodra::draw {

inline constexpr float kSeriesFillOpacity = 0.32f;

// The colour with its alpha multiplied by the fill opacity.
inline Rgba fill_color(Rgba color) { return scaled_alpha(color, kSeriesFillOpacity); }

}  // namespace lodra::draw
