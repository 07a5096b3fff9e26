// Paints shared by the filled marks: a colour at a fraction of its opacity, and the vertical
// two-stop fades of gradient fills.
#pragma once

#include "color.h"
#include "scene/paint.h"

namespace lodra::draw {

// The colour with its alpha multiplied by `factor`: a 32-bit float product, rounded half away
// from zero and clamped to 0..255 (a NaN product gives 0).
Rgba scaled_alpha(Rgba color, float factor);

// A vertical gradient of one colour from plot y `start_y` (offset 0, alpha scaled by
// `start_factor`) to plot y `end_y` (offset 1, alpha scaled by `end_factor`).
scene::LinearGradient vertical_fade(Rgba color, double start_y, float start_factor,
                                    double end_y, float end_factor);

}  // namespace lodra::draw
