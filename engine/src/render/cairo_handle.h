// Owning handles for the rasterizer's reference-counted objects.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>

namespace lodra::render {

struct CairoSurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoContextRelease {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct CairoPatternRelease {
  void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};

using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;
using CairoContext = std::unique_ptr<cairo_t, CairoContextRelease>;
using CairoPattern = std::unique_ptr<cairo_pattern_t, CairoPatternRelease>;

// A drawing context over premultiplied 32-bit pixels that the caller owns and keeps alive;
// absent when the rasterizer cannot set it up.
struct CairoTarget {
  CairoSurface surface;
  CairoContext context;
};
std::optional<CairoTarget> open_target(std::uint32_t* pixels, std::uint32_t width, std::uint32_t height);

}  // namespace lodra::render
