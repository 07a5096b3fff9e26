// Stamps pre-rendered sprites onto the canvas with source-over blending, splitting large batches
// into bands of 16 rows that scoped worker threads composite side by side. Bands are disjoint
// and keep the stamps' order, so the result equals compositing on one thread.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "render/pixmap.h"

namespace lodra::render {

// The covered pixels [begin, end) of one sprite row; empty when begin == end.
struct RowSpan {
  std::uint16_t begin = 0;
  std::uint16_t end = 0;
};

struct Sprite {
  std::vector<std::uint32_t> pixels;  // premultiplied, like the canvas
  std::vector<RowSpan> rows;
};

inline constexpr std::size_t kSpriteOffsets = 64;  // 8 × 8 sub-pixel positions

// Sprites of one size; the compositor reads only those that placements name.
struct SpriteSet {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::array<std::optional<Sprite>, kSpriteOffsets> sprites;
};

// One stamp: a sprite and the canvas pixel of its top-left corner.
struct Placement {
  std::uint32_t sprite = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
};

// Source-over of premultiplied pixels: an opaque source is copied, a transparent one keeps the
// destination, otherwise c = min(s + ⌊(t + (t >> 8)) / 256⌋, 255) with t = (255 − s_a) × d + 128.
void blend_row(std::span<std::uint32_t> destination, std::span<const std::uint32_t> source);

// Composites the rows [row_begin, row_end) of one stamp, clipped to the canvas.
void blit_over(Pixmap& canvas, const SpriteSet& set, const Placement& placement,
               std::int64_t row_begin, std::int64_t row_end);

// The workers for a batch: one below 1024 stamps, else one per 1024 stamps up to the thread
// count capped at 8.
unsigned worker_count(std::size_t placements, unsigned threads);

// Composites the placements in order. `threads` is the number of hardware threads to use.
void composite(Pixmap& canvas, const SpriteSet& set, std::span<const Placement> placements,
               unsigned threads);

// The hardware thread count of this machine, at least 1, computed once per process.
unsigned compositing_threads();

}  // namespace lodra::render
