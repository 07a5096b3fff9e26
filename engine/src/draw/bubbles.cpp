#include "draw/bubbles.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "draw/axis_numbers.h"
#include "draw/mapping.h"
#include "draw/marker_shape.h"
#include "draw/plot_units.h"
#include "draw/scatter.h"

namespace lodra::draw {

void bubble_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                  const resolve::Bubbles& mark, std::vector<scene::Item>& items) {
  const std::vector<double> xs = mapping::axis_x(axes.x, AxisData{mark.x});
  const std::vector<double> ys = axis_numbers(axes.y, *mark.y);
  const std::vector<double>& sizes = *mark.sizes;
  const std::size_t count = std::min({xs.size(), ys.size(), sizes.size()});
  const double root_reference = std::sqrt(mark.size_reference);
  const Rgba fill = marker_fill(mark.color, theme);
  const scene::StrokeStyle halo = halo_stroke(theme);
  for (std::size_t i = 0; i < count; ++i) {
    if (!(sizes[i] > 0)) continue;
    const double diameter = 2 * (std::sqrt(sizes[i]) / root_reference * mark.largest_radius);
    if (!(diameter > 0) || !std::isfinite(diameter)) continue;
    const scene::Path shape = marker_shape(mark.marker, diameter);
    const double reach = marker_reach(shape);
    if (!visible(clip.x, reach).contains(xs[i]) || !visible(clip.y, reach).contains(ys[i])) {
      continue;
    }
    scene::Path path = shape.translated(clip.x.to_plot(xs[i]), clip.y.to_plot(ys[i]));
    items.push_back(scene::Item{scene::Fill{path, fill, false}});
    items.push_back(scene::Item{scene::Stroke{std::move(path), halo}});
  }
}

}  // namespace lodra::draw
