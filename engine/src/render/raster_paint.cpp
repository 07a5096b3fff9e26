#include "render/raster_paint.h"

#include <optional>
#include <variant>

#include "render/cairo_handle.h"
#include "scene/normalize.h"

namespace lodra::render {

namespace {

double unit(std::uint8_t channel) { return channel / 255.0; }

bool set_gradient(cairo_t* context, const scene::LinearGradient& gradient) {
  CairoPattern pattern(cairo_pattern_create_linear(gradient.start.x, gradient.start.y,
                                                   gradient.end.x, gradient.end.y));
  for (const scene::GradientStop& stop : gradient.stops) {
    cairo_pattern_add_color_stop_rgba(pattern.get(), stop.offset, unit(stop.color.r),
                                      unit(stop.color.g), unit(stop.color.b), unit(stop.color.a));
  }
  cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_PAD);
  if (cairo_pattern_status(pattern.get()) != CAIRO_STATUS_SUCCESS) return false;
  cairo_set_source(context, pattern.get());
  return true;
}

bool set_solid_if_visible(cairo_t* context, Rgba color) {
  if (color.a == 0) return false;
  set_solid_paint(context, color);
  return true;
}

}  // namespace

void set_solid_paint(cairo_t* context, Rgba color) {
  cairo_set_source_rgba(context, unit(color.r), unit(color.g), unit(color.b), unit(color.a));
}

bool set_fill_paint(cairo_t* context, const scene::FillPaint& paint) {
  if (const Rgba* color = std::get_if<Rgba>(&paint)) return set_solid_if_visible(context, *color);
  std::optional<scene::FillPaint> cleaned =
      scene::normalize_gradient(std::get<scene::LinearGradient>(paint));
  if (!cleaned) return false;
  if (const Rgba* color = std::get_if<Rgba>(&*cleaned)) return set_solid_if_visible(context, *color);
  return set_gradient(context, std::get<scene::LinearGradient>(*cleaned));
}

}  // namespace lodra::render
