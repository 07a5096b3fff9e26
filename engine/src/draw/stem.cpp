#include "draw/stem.h"

#include <algorithm>
#include <cmath>

#include "draw/clip.h"
#include "draw/scatter.h"

namespace lodra::draw::stem {

namespace {

// The rules from the baseline to each finite value, cut to the visible y range and to the x
// range widened by half the rule's width.
scene::Path stem_path(const PanelContext& panel, std::span<const double> xs,
                      std::span<const double> ys, double width) {
  const WidenedClip wide = panel.widened(width / 2);
  const ClipRect rect{wide.bounds.x_min, panel.clip.y.low, wide.bounds.x_max, panel.clip.y.high};
  const double base = panel.baseline_value();
  scene::Path path;
  const std::size_t count = std::min(xs.size(), ys.size());
  for (std::size_t k = 0; k < count; ++k) {
    if (!std::isfinite(xs[k]) || !std::isfinite(ys[k])) continue;
    const auto visible = clip::clip_segment(rect, xs[k], base, xs[k], ys[k]);
    if (!visible || visible->start == visible->end) continue;
    const PlotPoint from = wide.clip.plot_point(visible->start.x, visible->start.y);
    const PlotPoint to = wide.clip.plot_point(visible->end.x, visible->end.y);
    path.move_to(from.x, from.y);
    path.line_to(to.x, to.y);
  }
  return path;
}

}  // namespace

void stem_items(const PanelContext& panel, const resolve::Stem& mark,
                std::vector<scene::Item>& items) {
  const std::vector<double> xs = panel.x_values(mark.data.x);
  const std::vector<double> ys = panel.y_values(*mark.data.y);
  const double width = panel.theme.stem_width;
  scene::Path path = stem_path(panel, xs, ys, width);
  if (!path.verbs().empty()) {
    items.push_back({scene::Stroke{
        std::move(path),
        {{}, mark.color, scene::narrow(width), scene::LineCap::Butt, scene::LineJoin::Miter}}});
  }
  if (auto markers = scatter_item(panel.clip, xs, ys, mark.marker, mark.size, mark.color,
                                  panel.theme)) {
    items.push_back(std::move(*markers));
  }
}

}  // namespace lodra::draw::stem
