#include "render/raster_stroke.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/raster_paint.h"

namespace lodra::render {

namespace {

cairo_line_cap_t cairo_cap(scene::LineCap cap) {
  switch (cap) {
    case scene::LineCap::Round: return CAIRO_LINE_CAP_ROUND;
    case scene::LineCap::Square: return CAIRO_LINE_CAP_SQUARE;
    case scene::LineCap::Butt: break;
  }
  return CAIRO_LINE_CAP_BUTT;
}

cairo_line_join_t cairo_join(scene::LineJoin join) {
  switch (join) {
    case scene::LineJoin::Round: return CAIRO_LINE_JOIN_ROUND;
    case scene::LineJoin::Bevel: return CAIRO_LINE_JOIN_BEVEL;
    case scene::LineJoin::Miter: break;
  }
  return CAIRO_LINE_JOIN_MITER;
}

}  // namespace

std::optional<PreparedStroke> prepare_stroke(const scene::NormalizedPath& path,
                                             const scene::StrokeStyle& style) {
  if (style.color.a == 0 || !std::isfinite(style.width) || !(style.width > 0)) return std::nullopt;
  PreparedStroke prepared{{}, style.color, style.width, style.cap, style.join, 0};
  if (auto dash = scene::normalize_dash(style.dash, path.control_length())) {
    prepared.dash.assign(dash->begin(), dash->end());
  }
  const float join_reach =
      style.join == scene::LineJoin::Miter ? float(kMiterLimit) : std::numbers::sqrt2_v<float>;
  prepared.outset = std::max(0.5f * style.width * join_reach, style.width);
  return prepared;
}

void stroke_path(cairo_t* context, const PreparedStroke& stroke) {
  set_solid_paint(context, stroke.color);
  cairo_set_line_width(context, stroke.width);
  cairo_set_line_cap(context, cairo_cap(stroke.cap));
  cairo_set_line_join(context, cairo_join(stroke.join));
  cairo_set_miter_limit(context, kMiterLimit);
  cairo_set_dash(context, stroke.dash.data(), static_cast<int>(stroke.dash.size()), 0);
  cairo_stroke(context);
}

}  // namespace lodra::render
