// Colours at a fraction of their opacity: the translucent fills of boxes, violins and spans, and
// the fill of markers.
#pragma once

#include "color.h"

namespace lodra::draw {

// The share of a series colour's opacity that boxes, violins and spans are filled with.
inline constexpr float kFillOpacity = 0.32f;

// The colour with its alpha times `factor`, a 32-bit float product rounded half away from zero
// and clamped to 0..255 (a NaN product gives 0).
Rgba times_alpha(Rgba color, float factor);

}  // namespace lodra::draw
