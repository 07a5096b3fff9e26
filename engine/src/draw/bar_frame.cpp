#include "draw/bar_frame.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <variant>

#include "draw/bar_shape.h"

namespace lodra::draw::bar {

double group_width(std::size_t count) {
  return 0.72 * (count == 0 ? 1.0 : 1.0 / static_cast<double>(count));
}

Group category_group(std::size_t axis_index, std::size_t count) {
  const double centre =
      count == 0 ? 0.5 : (static_cast<double>(axis_index) + 0.5) / static_cast<double>(count);
  const double width = group_width(count);
  return {centre - width / 2, width};
}

std::optional<BarFrame> BarFrame::make(const LineClip& clip, const resolve::ResolvedAxis& y,
                                       float corner_radius, double bar_width) {
  const auto* scale = std::get_if<ContinuousScale>(&y.scale);
  if (!scale) return std::nullopt;
  const BarSpan span(clip.y, *scale);
  const double radius = std::isfinite(corner_radius) && corner_radius > 0 ? corner_radius : 0.0;
  const double half_width_points = bar_width / 2 / points_as_units(clip.x, 1);
  return BarFrame(clip.x, span, span.baseline(y.baseline),
                  std::fmin(radius, half_width_points));
}

void BarFrame::push(double left, double right, double from, double to, double tip_radius,
                    Rgba color, std::vector<scene::Item>& items) const {
  const double base = range_.clamp(from);
  const double tip = range_.clamp(to);
  if (base == tip) return;
  const double radius = range_.contains(to) ? tip_radius : 0.0;
  scene::Path path = bar_shape::rounded_rect(x_.to_plot(left), x_.to_plot(right),
                                             y_.to_plot(base), y_.to_plot(tip), 0, radius);
  if (path.verbs().empty()) return;
  items.push_back({scene::Fill{std::move(path), color, false}});
}

void BarFrame::push_value(double left, double right, double value, Rgba color,
                          std::vector<scene::Item>& items) const {
  const std::optional<double> tip = y_.axis_value(value);
  if (!tip || *tip == baseline_) return;
  push(left, right, baseline_, *tip, radius_, color, items);
}

}  // namespace lodra::draw::bar
