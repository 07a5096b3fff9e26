#include "render/canvas.h"

#include <algorithm>
#include <cmath>

#include "render/marker_sprites.h"
#include "render/raster_paint.h"
#include "render/raster_path.h"
#include "render/raster_stroke.h"
#include "scene/normalize.h"

namespace lodra::render {

namespace {

constexpr int kMaxGroupDepth = 255;
// Pixel coordinates that the rasterizer's 24.8 fixed point holds with room to spare.
constexpr float kRasterRange = 8'000'000.0f;

// A group's clip in pixels, narrowed by the clip it is painted in; absent when it leaves
// nothing to paint. The clip is already known to be finite with a positive size.
std::optional<ClipRect> group_clip(const scene::Rect& rect, float scale, float width,
                                   float height, const ClipState& outer) {
  ClipRect clip{std::clamp(rect.x * scale, 0.0f, width), std::clamp(rect.y * scale, 0.0f, height),
                std::clamp((rect.x + rect.width) * scale, 0.0f, width),
                std::clamp((rect.y + rect.height) * scale, 0.0f, height)};
  if (outer) {  // fmax and fmin keep the current bound where the new one is NaN
    clip = {std::fmax(outer->x0, clip.x0), std::fmax(outer->y0, clip.y0),
            std::fmin(outer->x1, clip.x1), std::fmin(outer->y1, clip.y1)};
  }
  if (!(clip.x1 > clip.x0) || !(clip.y1 > clip.y0)) return std::nullopt;
  return clip;
}

bool usable_clip(const scene::Rect& rect) {
  return std::isfinite(rect.x) && std::isfinite(rect.y) && std::isfinite(rect.width) &&
         std::isfinite(rect.height) && rect.width > 0 && rect.height > 0;
}

}  // namespace

std::optional<Canvas> Canvas::open(Pixmap& pixmap, float scale, unsigned threads) {
  std::optional<CairoTarget> target = open_target(pixmap.pixels().data(), pixmap.width(), pixmap.height());
  if (!target) return std::nullopt;
  cairo_scale(target->context.get(), scale, scale);
  return Canvas(pixmap, std::move(*target), scale, threads);
}

bool Canvas::healthy() const { return cairo_status(context()) == CAIRO_STATUS_SUCCESS; }

void Canvas::items(std::span<const scene::Item> items, const ClipState& clip, int depth) {
  for (const scene::Item& item : items) {
    if (const auto* g = std::get_if<scene::ItemGroup>(&item.kind)) {
      group(*g, clip, depth);
    } else {
      leaf(item, clip);
    }
  }
}

void Canvas::group(const scene::ItemGroup& group, const ClipState& clip, int depth) {
  if (depth > kMaxGroupDepth) return;
  if (!group.clip) return items(group.items, clip, depth + 1);
  if (!usable_clip(*group.clip)) return;
  std::optional<ClipRect> inner = group_clip(*group.clip, scale_, float(width()), float(height()), clip);
  if (inner) items(group.items, inner, depth + 1);
}

void Canvas::use_clip(const ClipState& clip) {
  if (mask_ == clip) return;
  cairo_t* cr = context();
  cairo_reset_clip(cr);
  mask_ = clip;
  if (!clip) return;
  cairo_identity_matrix(cr);  // the rectangle is in pixels
  cairo_new_path(cr);
  cairo_rectangle(cr, clip->x0, clip->y0, clip->x1 - clip->x0, clip->y1 - clip->y0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_clip(cr);
  cairo_scale(cr, scale_, scale_);
}

bool Canvas::can_show(const scene::Bounds& bounds, float outset) const {
  const float x0 = (bounds.min_x - outset) * scale_, y0 = (bounds.min_y - outset) * scale_;
  const float x1 = (bounds.max_x + outset) * scale_, y1 = (bounds.max_y + outset) * scale_;
  if (!(x1 >= 0 && y1 >= 0 && x0 <= float(width()) && y0 <= float(height()))) return false;
  return x0 >= -kRasterRange && y0 >= -kRasterRange && x1 <= kRasterRange && y1 <= kRasterRange;
}

void Canvas::composite(const SpriteSet& set, std::span<const Placement> placements) {
  cairo_surface_t* surface = target_.surface.get();
  cairo_surface_flush(surface);
  render::composite(*pixmap_, set, placements, threads_);
  cairo_surface_mark_dirty(surface);
}

void Canvas::leaf(const scene::Item& item, const ClipState& clip) {
  cairo_t* cr = context();
  use_clip(clip);
  if (const auto* fill = std::get_if<scene::Fill>(&item.kind)) {
    std::optional<scene::NormalizedPath> path = scene::normalize_path(fill->path);
    if (!path || !can_show(path_bounds(*path), 0)) return;
    if (!set_fill_paint(cr, fill->paint)) return;
    trace_path(cr, *path);
    cairo_set_fill_rule(cr, fill->even_odd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
  } else if (const auto* stroke = std::get_if<scene::Stroke>(&item.kind)) {
    std::optional<scene::NormalizedPath> path = scene::normalize_path(stroke->path);
    if (!path) return;
    std::optional<PreparedStroke> prepared = prepare_stroke(*path, stroke->stroke);
    if (!prepared || !can_show(path_bounds(*path), prepared->outset)) return;
    trace_path(cr, *path);
    stroke_path(cr, *prepared);
  } else if (const auto* text = std::get_if<scene::Text>(&item.kind)) {
    if (text->color.a == 0 || !scene::is_valid(text->origin)) return;
    std::optional<scene::NormalizedPath> outline = scene::normalize_path(text->outline);
    if (!outline || !can_show(path_bounds(*outline), 0)) return;
    set_solid_paint(cr, text->color);
    trace_path(cr, *outline);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
  } else if (const auto* markers = std::get_if<scene::Markers>(&item.kind)) {
    draw_markers(*this, *markers, clip);
  }
}

}  // namespace lodra::render
