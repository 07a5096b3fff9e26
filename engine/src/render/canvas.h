// The painting state of one PNG render: the pixels, the scene-to-pixel scale, and the clip of
// the group being painted, installed on the rasterizer and kept until the rectangle changes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "render/cairo_handle.h"
#include "render/compositor.h"
#include "render/pixmap.h"
#include "scene/item.h"
#include "scene/path.h"

namespace lodra::render {

// A clip in canvas pixels, x0 ≤ x1 and y0 ≤ y1.
struct ClipRect {
  float x0 = 0;
  float y0 = 0;
  float x1 = 0;
  float y1 = 0;
  friend bool operator==(const ClipRect&, const ClipRect&) = default;
};
using ClipState = std::optional<ClipRect>;

class Canvas {
 public:
  // Absent when the rasterizer cannot be set up over the pixmap. `threads` bounds the
  // compositing workers.
  static std::optional<Canvas> open(Pixmap& pixmap, float scale, unsigned threads);

  // Paints items in order; groups are entered up to depth 255 and clip their children.
  void items(std::span<const scene::Item> items, const ClipState& clip, int depth);
  void leaf(const scene::Item& item, const ClipState& clip);

  // False once the rasterizer has failed (it then draws nothing more).
  bool healthy() const;

  // For the marker painter.
  cairo_t* context() const { return target_.context.get(); }
  float scale() const { return scale_; }
  std::uint32_t width() const { return pixmap_->width(); }
  std::uint32_t height() const { return pixmap_->height(); }
  // Whether geometry within these bounds (points), grown by `outset` points, can show on the
  // canvas: false when it lies wholly outside, or reaches beyond the rasterizer's fixed-point
  // range, where its coordinates would wrap around.
  bool can_show(const scene::Bounds& bounds, float outset) const;
  // Stamps sprites, bypassing the rasterizer.
  void composite(const SpriteSet& set, std::span<const Placement> placements);

 private:
  Canvas(Pixmap& pixmap, CairoTarget target, float scale, unsigned threads)
      : pixmap_(&pixmap), target_(std::move(target)), scale_(scale), threads_(threads) {}

  void group(const scene::ItemGroup& group, const ClipState& clip, int depth);
  void use_clip(const ClipState& clip);

  Pixmap* pixmap_;
  CairoTarget target_;
  float scale_;
  unsigned threads_;
  ClipState mask_;  // the clip installed on the context
};

}  // namespace lodra::render
