// A stroke style made ready for the rasterizer, with the dash pattern it will draw.
#pragma once

#include <cairo.h>

#include <optional>
#include <vector>

#include "color.h"
#include "scene/normalize.h"
#include "scene/style.h"

namespace lodra::render {

struct PreparedStroke {
  std::vector<double> dash;  // empty: solid
  Rgba color;
  float width = 1;  // points
  scene::LineCap cap = scene::LineCap::Butt;
  scene::LineJoin join = scene::LineJoin::Miter;
  // How far the stroke can reach beyond the path, in points: half the width times the miter
  // limit for miter joins, or times √2 for the others, and at least the width.
  float outset = 0;
};

inline constexpr double kMiterLimit = 4;

// Absent when the stroke shows nothing: a transparent colour or a width that is not a positive
// finite number. The dash pattern is judged against the path's control length.
std::optional<PreparedStroke> prepare_stroke(const scene::NormalizedPath& path,
                                             const scene::StrokeStyle& style);

// Strokes the context's current path, dashed from offset 0. The rasterizer flattens curves and
// dashes at the resolution of the device, whatever the scale.
void stroke_path(cairo_t* context, const PreparedStroke& stroke);

}  // namespace lodra::render
