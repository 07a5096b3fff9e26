// Fill paints handed to the rasterizer: solid colours and linear gradients.
#pragma once

#include <cairo.h>

#include "color.h"
#include "scene/paint.h"

namespace lodra::render {

// Channels as floats of channel / 255, straight alpha.
void set_solid_paint(cairo_t* context, Rgba color);

// Sets the paint of a fill in user space; false when it shows nothing (a transparent colour, a
// gradient that normalizes to nothing or that the rasterizer refuses).
bool set_fill_paint(cairo_t* context, const scene::FillPaint& paint);

}  // namespace lodra::render
