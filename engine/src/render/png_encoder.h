// Writes a painted canvas as one PNG file: a non-interlaced 8-bit RGBA image with its resolution
// in a pHYs chunk and no other metadata, rows filtered adaptively and deflated
// at level 3 into one zlib stream.
#pragma once

#include <cstdint>
#include <vector>

#include "error.h"
#include "render/pixmap.h"

namespace lodra::render {

// Consumes the canvas: its pixels are turned into straight-alpha bytes in place. `dpi` is
// recorded as pixels per metre.
Result<std::vector<std::uint8_t>> encode(Pixmap pixmap, std::int64_t dpi);

// Pixels per metre for a resolution in dots per inch, rounded half away from zero and clamped
// to the 32-bit range.
std::uint32_t pixels_per_metre(std::int64_t dpi);

}  // namespace lodra::render
