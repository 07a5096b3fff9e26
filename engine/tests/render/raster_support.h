// Test support for the rasterizer: scenes built from path text, and pixel probes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "render/png_raster.h"
#include "scene/path_text.h"
#include "scene/scene.h"

namespace lodra::render::testing {

using scene::testing::path_of;

inline constexpr Rgba kWhite{255, 255, 255, 255};
inline constexpr Rgba kBlack{0, 0, 0, 255};

// A page at 72 dpi is one pixel per point.
inline scene::Scene page(float width, float height, Rgba background = kWhite) {
  return scene::Scene(width, height, background);
}

inline scene::Item fill_item(const std::string& path, scene::FillPaint paint, bool even_odd = false) {
  return scene::Item{scene::Fill{path_of(path), std::move(paint), even_odd}};
}

inline scene::Item group_of(std::vector<scene::Item> children, std::optional<scene::Rect> clip) {
  return scene::Item{scene::ItemGroup(std::move(children), clip)};
}

inline scene::Markers markers_of(const std::string& shape, Rgba fill,
                                 std::vector<scene::Point> points) {
  return scene::Markers{path_of(shape), std::move(points), std::nullopt, fill};
}

inline Pixmap rasterized(const scene::Scene& scene, std::int64_t dpi = 72,
                         unsigned threads = compositing_threads()) {
  return std::move(*rasterize(scene, dpi, threads));
}

inline bool same_pixels(const Pixmap& a, const Pixmap& b) {
  return a.width() == b.width() && a.height() == b.height() &&
         std::ranges::equal(a.pixels(), b.pixels());
}

}  // namespace lodra::render::testing
