#include "draw/scatter.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "draw/axis_numbers.h"
#include "draw/mapping.h"
#include "draw/marker_shape.h"
#include "draw/fill_paint.h"
#include "draw/plot_units.h"

namespace lodra::draw {

namespace {

constexpr double kHaloWidth = 0.8;

}  // namespace

double marker_reach(const scene::Path& shape) {
  double largest = 0;
  if (const auto box = shape.bounds()) {
    for (float c : {box->min_x, box->min_y, box->max_x, box->max_y}) {
      largest = std::max(largest, double{std::fabs(c)});
    }
  }
  return largest + 1.8;
}

Rgba marker_fill(Rgba color, const Theme& theme) {
  const float opacity =
      std::isfinite(theme.marker_alpha) ? std::clamp(theme.marker_alpha, 0.0f, 1.0f) : 1.0f;
  return scaled_alpha(color, opacity);
}

scene::StrokeStyle halo_stroke(const Theme& theme) {
  return {{}, theme.background, static_cast<float>(kHaloWidth), scene::LineCap::Butt,
          scene::LineJoin::Round};
}

std::optional<scene::Item> scatter_item(const LineClip& clip, std::span<const double> xs,
                                        std::span<const double> ys, Marker shape, double size,
                                        Rgba color, const Theme& theme) {
  scene::Path outline = marker_shape(shape, size);
  const double reach = marker_reach(outline);
  const ExtendedRange x_window = visible(clip.x, reach);
  const ExtendedRange y_window = visible(clip.y, reach);
  const std::size_t count = std::min(xs.size(), ys.size());
  std::vector<scene::Point> points;
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double x = xs[i];
    const double y = ys[i];
    if (!std::isfinite(x) || !std::isfinite(y)) continue;
    if (!x_window.contains(x) || !y_window.contains(y)) continue;
    points.push_back({scene::narrow(clip.x.to_plot(x)), scene::narrow(clip.y.to_plot(y))});
  }
  if (points.empty()) return std::nullopt;
  return scene::Item{scene::Markers{std::move(outline), std::move(points), halo_stroke(theme),
                                    marker_fill(color, theme)}};
}

void scatter_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                   const resolve::Scatter& mark, std::vector<scene::Item>& items) {
  const std::vector<double> xs = mapping::axis_x(axes.x, mark.data.x);
  const std::vector<double> ys = axis_numbers(axes.y, *mark.data.y);
  if (auto item = scatter_item(clip, xs, ys, mark.marker, mark.size, mark.color, theme)) {
    items.push_back(std::move(*item));
  }
}

}  // namespace lodra::draw
