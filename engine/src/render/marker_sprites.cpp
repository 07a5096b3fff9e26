#include "render/marker_sprites.h"

#include <algorithm>
#include <cmath>

#include "render/raster_paint.h"
#include "render/raster_path.h"

namespace lodra::render {

namespace {

constexpr float kMaxSpriteSide = 256;
constexpr std::size_t kMaxPending = 32768;

Sprite render_sprite(const Marker& marker, const SpriteLayout& layout, float scale,
                     std::uint32_t sx, std::uint32_t sy) {
  Sprite sprite{std::vector<std::uint32_t>(std::size_t{layout.width} * layout.height, 0),
                std::vector<RowSpan>(layout.height)};
  if (std::optional<CairoTarget> target = open_target(sprite.pixels.data(), layout.width, layout.height)) {
    cairo_t* cr = target->context.get();
    cairo_translate(cr, layout.ox + sx / 8.0, layout.oy + sy / 8.0);
    cairo_scale(cr, scale, scale);
    paint_marker(cr, marker);
    cairo_surface_flush(target->surface.get());
  }
  for (std::uint32_t y = 0; y < layout.height; ++y) {
    std::span<const std::uint32_t> row = std::span(sprite.pixels).subspan(y * layout.width, layout.width);
    auto covered = [](std::uint32_t pixel) { return alpha_of(pixel) != 0; };
    auto first = std::ranges::find_if(row, covered);
    if (first == row.end()) continue;
    auto last = std::ranges::find_if(row.rbegin(), row.rend(), covered);
    sprite.rows[y] = {static_cast<std::uint16_t>(first - row.begin()),
                      static_cast<std::uint16_t>(row.rend() - last)};
  }
  return sprite;
}

void draw_direct(Canvas& canvas, const Marker& marker, scene::Point at) {
  const scene::Bounds placed{marker.bounds.min_x + at.x, marker.bounds.min_y + at.y,
                             marker.bounds.max_x + at.x, marker.bounds.max_y + at.y};
  if (!canvas.can_show(placed, marker.stroke ? marker.stroke->outset : 0)) return;
  cairo_t* cr = canvas.context();
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  paint_marker(cr, marker);
  cairo_restore(cr);
}

// Whether a stamp lies inside the clip shrunk to whole pixels with one pixel to spare, each
// side at or beyond the canvas edge counting as unbounded.
bool inside_clip(const ClipRect& clip, std::int64_t left, std::int64_t top, const SpriteLayout& layout,
                 const Canvas& canvas) {
  return (clip.x0 <= 0 || left >= std::ceil(clip.x0) + 1) &&
         (clip.y0 <= 0 || top >= std::ceil(clip.y0) + 1) &&
         (clip.x1 >= float(canvas.width()) || left + layout.width <= std::floor(clip.x1) - 1) &&
         (clip.y1 >= float(canvas.height()) || top + layout.height <= std::floor(clip.y1) - 1);
}

void draw_sprites(Canvas& canvas, const Marker& marker, const SpriteLayout& layout,
                  std::span<const scene::Point> points, const ClipState& clip) {
  const float scale = canvas.scale();
  Sprites sprites(marker, layout, scale);
  for (scene::Point p : points) {
    if (!scene::is_valid(p)) continue;
    // The centre in eighths of a pixel, rounded half away from zero.
    const auto qx = static_cast<std::int64_t>(std::round(p.x * scale * 8.0f));
    const auto qy = static_cast<std::int64_t>(std::round(p.y * scale * 8.0f));
    const std::int64_t left = (qx >> 3) - layout.ox, top = (qy >> 3) - layout.oy;
    if (left >= canvas.width() || left + layout.width <= 0 || top >= canvas.height() ||
        top + layout.height <= 0) {
      continue;
    }
    if (clip && !inside_clip(*clip, left, top, layout, canvas)) {
      sprites.flush(canvas);  // keeps the painting order
      draw_direct(canvas, marker, p);
      continue;
    }
    sprites.add(canvas, static_cast<std::uint32_t>(qx & 7), static_cast<std::uint32_t>(qy & 7),
                static_cast<std::int32_t>(left), static_cast<std::int32_t>(top));
  }
  sprites.flush(canvas);
}

}  // namespace

std::optional<Marker> prepare_marker(const scene::Markers& item) {
  std::optional<scene::NormalizedPath> shape = scene::normalize_path(item.shape);
  if (!shape) return std::nullopt;
  std::optional<Rgba> fill;
  if (item.fill && item.fill->a != 0) fill = item.fill;
  std::optional<PreparedStroke> stroke;
  if (item.stroke) stroke = prepare_stroke(*shape, *item.stroke);
  if (!fill && !stroke) return std::nullopt;
  const scene::Bounds bounds = path_bounds(*shape);
  return Marker{std::move(*shape), bounds, fill, std::move(stroke)};
}

std::optional<SpriteLayout> sprite_layout(const Marker& marker, float scale) {
  const float a = marker.stroke ? marker.stroke->outset : 0;
  const float left = (marker.bounds.min_x - a) * scale;
  const float top = (marker.bounds.min_y - a) * scale;
  const float width = std::ceil((marker.bounds.max_x + a) * scale - left + 6);
  const float height = std::ceil((marker.bounds.max_y + a) * scale - top + 6);
  auto fits = [](float side) { return std::isfinite(side) && side >= 1 && side <= kMaxSpriteSide; };
  if (!fits(width) || !fits(height)) return std::nullopt;
  return SpriteLayout{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                      2 - static_cast<std::int32_t>(std::floor(left)),
                      2 - static_cast<std::int32_t>(std::floor(top))};
}

void paint_marker(cairo_t* context, const Marker& marker) {
  trace_path(context, marker.shape);
  if (marker.fill) {
    set_solid_paint(context, *marker.fill);
    cairo_set_fill_rule(context, CAIRO_FILL_RULE_WINDING);
    cairo_fill_preserve(context);
  }
  if (marker.stroke) {
    stroke_path(context, *marker.stroke);
  } else {
    cairo_new_path(context);
  }
}

Sprites::Sprites(const Marker& marker, const SpriteLayout& layout, float scale)
    : marker_(marker), layout_(layout), scale_(scale) {
  set_.width = layout.width;
  set_.height = layout.height;
}

void Sprites::add(Canvas& canvas, std::uint32_t sx, std::uint32_t sy, std::int32_t left,
                  std::int32_t top) {
  const std::uint32_t index = sx + 8 * sy;
  if (!set_.sprites[index]) set_.sprites[index] = render_sprite(marker_, layout_, scale_, sx, sy);
  pending_.push_back({index, left, top});
  if (pending_.size() == kMaxPending) flush(canvas);
}

void Sprites::flush(Canvas& canvas) {
  if (pending_.empty()) return;
  canvas.composite(set_, pending_);
  pending_.clear();
}

void draw_markers(Canvas& canvas, const scene::Markers& item, const ClipState& clip) {
  std::optional<Marker> marker = prepare_marker(item);
  if (!marker) return;
  if (std::optional<SpriteLayout> layout = sprite_layout(*marker, canvas.scale())) {
    draw_sprites(canvas, *marker, *layout, item.points, clip);
    return;
  }
  for (scene::Point p : item.points) {
    if (scene::is_valid(p)) draw_direct(canvas, *marker, p);
  }
}

}  // namespace lodra::render
