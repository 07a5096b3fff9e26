#include "draw/band.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "draw/crossing.h"
#include "draw/fill_opacity.h"
#include "draw/fill_paint.h"
#include "draw/thinning.h"

namespace lodra::draw::band {

namespace {

// One edge of the clip rectangle: the points with `coordinate` on the kept side of `bound`.
struct HalfPlane {
  bool along_x;     // the edge is a line x = bound; otherwise y = bound
  bool keeps_above;  // the kept side holds values at or above the bound
  double bound;
  double reference;  // the middle of the edge, for the crossing

  double coordinate(AxisPoint p) const { return along_x ? p.x : p.y; }
  bool inside(AxisPoint p) const {
    return keeps_above ? coordinate(p) >= bound : coordinate(p) <= bound;
  }

  std::optional<AxisPoint> crossing(AxisPoint a, AxisPoint b) const {
    if (along_x) {
      const auto y = clip::crossing(a.x, a.y, b.x, b.y, bound, reference);
      return y ? std::optional<AxisPoint>({bound, *y}) : std::nullopt;
    }
    const auto x = clip::crossing(a.y, a.x, b.y, b.x, bound, reference);
    return x ? std::optional<AxisPoint>({*x, bound}) : std::nullopt;
  }
};

// One pass of polygon clipping: walks the edges cyclically, keeping inside points and adding
// the crossing of every edge that passes from one side to the other.
void clip_against(const HalfPlane& plane, const std::vector<AxisPoint>& polygon,
                  std::vector<AxisPoint>& out) {
  out.clear();
  if (polygon.empty()) return;
  AxisPoint previous = polygon.back();
  bool previous_inside = plane.inside(previous);
  for (const AxisPoint& current : polygon) {
    const bool current_inside = plane.inside(current);
    // An edge from a point on the bound adds no crossing: the point itself is the crossing.
    const AxisPoint& kept = current_inside ? current : previous;
    if (current_inside != previous_inside && plane.coordinate(kept) != plane.bound) {
      if (const auto at = plane.crossing(previous, current)) out.push_back(*at);
    }
    if (current_inside) out.push_back(current);
    previous = current;
    previous_inside = current_inside;
  }
}

bool is_present(std::span<const double> xs, std::span<const double> lows,
                std::span<const double> highs, std::size_t i) {
  return std::isfinite(xs[i]) && std::isfinite(lows[i]) && std::isfinite(highs[i]);
}

void fill_polygon(const PanelContext& panel, std::vector<AxisPoint>& polygon, Rgba color,
                  std::vector<scene::Item>& items) {
  clipped_area(panel.bounds(), polygon);
  if (polygon.size() < 3) return;
  scene::Path path;
  path.reserve(polygon.size() + 1);
  path.move_to(panel.clip.x.to_plot(polygon[0].x), panel.clip.y.to_plot(polygon[0].y));
  for (const AxisPoint& p : std::span(polygon).subspan(1)) {
    path.line_to(panel.clip.x.to_plot(p.x), panel.clip.y.to_plot(p.y));
  }
  path.close();
  items.push_back({scene::Fill{std::move(path), scaled_alpha(color, kFillOpacity), false}});
}

}  // namespace

void clipped_area(const ClipRect& rect, std::vector<AxisPoint>& polygon) {
  const double x_middle = std::midpoint(rect.x_min, rect.x_max);
  const double y_middle = std::midpoint(rect.y_min, rect.y_max);
  // In axis coordinates y grows upward: the plot's top edge is the high y bound.
  const HalfPlane planes[] = {
      {true, true, rect.x_min, y_middle},
      {false, false, rect.y_max, x_middle},
      {false, true, rect.y_min, x_middle},
      {true, false, rect.x_max, y_middle},
  };
  std::vector<AxisPoint> scratch;
  scratch.reserve(polygon.size() + 4);
  for (const HalfPlane& plane : planes) {
    clip_against(plane, polygon, scratch);
    polygon.swap(scratch);
  }
}

void band_fill_items(const PanelContext& panel, std::span<const double> xs,
                     std::span<const double> lows, std::span<const double> highs, Rgba color,
                     std::vector<scene::Item>& items) {
  const std::size_t count = std::min({xs.size(), lows.size(), highs.size()});
  std::vector<AxisPoint> polygon;
  std::size_t start = 0;
  while (start < count) {
    if (!is_present(xs, lows, highs, start)) {
      ++start;
      continue;
    }
    std::size_t end = start;
    while (end < count && is_present(xs, lows, highs, end)) ++end;
    polygon.clear();
    for (std::size_t i = start; i < end; ++i) polygon.push_back({xs[i], lows[i]});
    for (std::size_t i = end; i-- > start;) polygon.push_back({xs[i], highs[i]});
    fill_polygon(panel, polygon, color, items);
    start = end;
  }
}

void band_items(const PanelContext& panel, const resolve::Band& mark,
                std::vector<scene::Item>& items) {
  std::vector<double> xs = panel.x_values(AxisData{mark.x});
  std::vector<double> lows = panel.y_values(*mark.low);
  std::vector<double> highs = panel.y_values(*mark.high);
  const std::size_t count = std::min({xs.size(), lows.size(), highs.size()});
  xs.resize(count);
  lows.resize(count);
  highs.resize(count);
  // A band draws no stroke; it is thinned as a line of the theme's width would be.
  const double width = panel.theme.line_width;
  const auto kept = thinning::united(thinning::kept_indices(panel, xs, lows, width),
                                     thinning::kept_indices(panel, xs, highs, width));
  if (kept.size() < count) {
    xs = thinning::gathered(xs, kept);
    lows = thinning::gathered(lows, kept);
    highs = thinning::gathered(highs, kept);
  }
  band_fill_items(panel, xs, lows, highs, mark.color, items);
}

}  // namespace lodra::draw::band
