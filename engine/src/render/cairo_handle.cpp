#include "render/cairo_handle.h"

namespace lodra::render {

std::optional<CairoTarget> open_target(std::uint32_t* pixels, std::uint32_t width,
                                       std::uint32_t height) {
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  if (cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, w) != w * 4) return std::nullopt;
  CairoSurface surface(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels),
                                                           CAIRO_FORMAT_ARGB32, w, h, w * 4));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return std::nullopt;
  CairoContext context(cairo_create(surface.get()));
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) return std::nullopt;
  return CairoTarget{std::move(surface), std::move(context)};
}

}  // namespace lodra::render
