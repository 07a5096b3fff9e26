#include "draw/violins.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "draw/axis_numbers.h"
#include "draw/crossing.h"
#include "draw/fill_opacity.h"
#include "draw/fill_paint.h"
#include "draw/plot_units.h"
#include "draw/slots.h"

namespace lodra::draw {

namespace {

// The right side from the smallest value up, then the left side from the largest value down,
// in axis coordinates. Points without a position (a value not positive on a log axis) are left
// out.
std::vector<AxisPoint> profile(const Slot& slot, const resolve::ResolvedAxis& y,
                               const std::vector<stats::DensityPoint>& density) {
  std::vector<double> values;
  values.reserve(density.size());
  for (const stats::DensityPoint& point : density) values.push_back(point.x);
  const std::vector<double> ys = axis_numbers(y, values);
  const double centre = slot.centre();
  const double half = slot.width() / 2;
  std::vector<AxisPoint> polygon;
  polygon.reserve(2 * density.size());
  const auto add = [&](double x, double y) {
    if (std::isfinite(x) && std::isfinite(y)) polygon.push_back({x, y});
  };
  for (std::size_t i = 0; i < density.size(); ++i) add(centre + density[i].density * half, ys[i]);
  for (std::size_t i = density.size(); i-- > 0;) add(centre - density[i].density * half, ys[i]);
  return polygon;
}

scene::Path closed_path(const LineClip& clip, std::span<const AxisPoint> polygon) {
  scene::Path path;
  path.reserve(polygon.size() + 1);
  path.move_to(clip.x.to_plot(polygon[0].x), clip.y.to_plot(polygon[0].y));
  for (const AxisPoint& p : polygon.subspan(1)) {
    path.line_to(clip.x.to_plot(p.x), clip.y.to_plot(p.y));
  }
  path.close();
  return path;
}

void draw_violin(const LineClip& clip, const resolve::ResolvedAxis& y, const Slot& slot,
                 const resolve::ViolinStats& stats, Rgba color, float outline_width,
                 std::vector<scene::Item>& items) {
  const std::vector<AxisPoint> polygon = profile(slot, y, stats.density);
  const ExtendedRange bounds = visible(clip.y, std::max(double{outline_width}, 2.0));
  const std::vector<AxisPoint> clipped =
      clip_y(clip_y(polygon, bounds.low, YBound::Lower), bounds.high, YBound::Upper);
  if (clipped.empty()) return;
  scene::Path path = closed_path(clip, clipped);
  items.push_back(scene::Item{scene::Fill{path, scaled_alpha(color, kFillOpacity), false}});
  items.push_back(scene::Item{scene::Stroke{
      std::move(path),
      {{}, color, outline_width / 2, scene::LineCap::Butt, scene::LineJoin::Round}}});
}

}  // namespace

std::vector<AxisPoint> clip_y(std::span<const AxisPoint> polygon, double bound, YBound side) {
  const auto inside = [&](const AxisPoint& p) {
    return side == YBound::Lower ? p.y >= bound : p.y <= bound;
  };
  std::vector<AxisPoint> out;
  out.reserve(polygon.size() + 2);
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const AxisPoint& from = polygon[i];
    const AxisPoint& to = polygon[(i + 1) % polygon.size()];
    if ((from.y < bound && to.y > bound) || (from.y > bound && to.y < bound)) {
      // The coordinates swap roles: the x at which the edge meets y = bound.
      if (const auto x = clip::crossing(from.y, from.x, to.y, to.x, bound, (from.x + to.x) / 2)) {
        out.push_back({*x, bound});
      }
    }
    if (inside(to)) out.push_back(to);
  }
  return out;
}

void violin_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                  const resolve::Violin& mark, std::vector<scene::Item>& items) {
  if (!mark.categories) return;
  for_each_slot<resolve::ViolinStats>(
      axes.x, *mark.categories, std::span(mark.distributions), theme.violin_fraction,
      std::fabs(clip.x.plot_extent),
      [&](const Slot& slot, const resolve::ViolinStats& stats, const auto& distribution) {
        draw_violin(clip, axes.y, slot, stats, distribution.color, mark.outline_width, items);
      });
}

}  // namespace lodra::draw
