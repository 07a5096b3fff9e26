// Markers: one shape drawn at many points. A shape small enough is rendered once per sub-pixel
// offset (8 × 8 positions per pixel) into a sprite and stamped; larger shapes, and stamps that
// would cross the edge of their group's clip, are drawn directly.
#pragma once

#include <optional>
#include <vector>

#include "render/canvas.h"
#include "render/compositor.h"
#include "render/raster_stroke.h"
#include "scene/item.h"
#include "scene/normalize.h"

namespace lodra::render {

// One Markers item ready to draw.
struct Marker {
  scene::NormalizedPath shape;
  scene::Bounds bounds;
  std::optional<Rgba> fill;
  std::optional<PreparedStroke> stroke;
};

// Absent when the item shows nothing: no drawable shape, or neither a visible fill nor a
// visible stroke.
std::optional<Marker> prepare_marker(const scene::Markers& item);

// Where sprites of a marker sit: their size in pixels and the offset from a sprite's top-left
// corner to the pixel that holds the marker centre at sub-pixel offset (0, 0).
struct SpriteLayout {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::int32_t ox = 0;
  std::int32_t oy = 0;
};

// Absent when the marker is too large for sprites (over 256 pixels on a side) or its size is
// not finite; it is then drawn directly at every point.
std::optional<SpriteLayout> sprite_layout(const Marker& marker, float scale);

// Fills, then strokes, the marker's shape at the context's current transform.
void paint_marker(cairo_t* context, const Marker& marker);

// The sprites of one marker, rendered on first use, and the stamps waiting to be composited.
class Sprites {
 public:
  Sprites(const Marker& marker, const SpriteLayout& layout, float scale);

  // Queues a stamp of the sprite for sub-pixel offset (sx, sy) with its top-left corner at
  // canvas pixel (left, top); flushes when 32768 stamps wait.
  void add(Canvas& canvas, std::uint32_t sx, std::uint32_t sy, std::int32_t left, std::int32_t top);
  // Composites the waiting stamps.
  void flush(Canvas& canvas);

 private:
  const Marker& marker_;
  SpriteLayout layout_;
  float scale_;
  SpriteSet set_;
  std::vector<Placement> pending_;
};

// Draws a Markers item on the canvas inside the clip that its group set.
void draw_markers(Canvas& canvas, const scene::Markers& item, const ClipState& clip);

}  // namespace lodra::render
