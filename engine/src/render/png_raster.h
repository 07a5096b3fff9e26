// The PNG back end: page setup with its size limits, painting of the scene, then encoding.
#pragma once

#include <cstdint>
#include <vector>

#include "error.h"
#include "render/compositor.h"
#include "render/pixmap.h"
#include "scene/scene.h"

namespace lodra::render {

inline constexpr std::int64_t kMinDpi = 10;
inline constexpr std::int64_t kMaxDpi = 2400;
inline constexpr std::uint32_t kMaxImageSide = 32767;
inline constexpr std::uint64_t kMaxImagePixels = std::uint64_t{1} << 26;

// The error for a dpi outside kMinDpi..kMaxDpi, or nothing.
Status check_dpi(std::int64_t dpi);

// Paints the scene at `dpi` into premultiplied pixels; `threads` bounds the compositing workers.
Result<Pixmap> rasterize(const scene::Scene& scene, std::int64_t dpi,
                         unsigned threads = compositing_threads());

// The PNG file of the scene at `dpi`.
Result<std::vector<std::uint8_t>> render_png(const scene::Scene& scene, std::int64_t dpi);

}  // namespace lodra::render
