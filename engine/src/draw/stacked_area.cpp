#include "draw/stacked_area.h"

#include <algorithm>

#include "draw/band.h"
#include "draw/line.h"
#include "draw/thinning.h"

namespace lodra::draw::stacked_area {

namespace {

// The layer tops in axis coordinates, each as long as x.
std::vector<std::vector<double>> layer_tops(const PanelContext& panel,
                                            const resolve::AreaStacks& stacks,
                                            std::size_t count) {
  std::vector<std::vector<double>> tops;
  tops.reserve(stacks.tops.size());
  for (const std::vector<double>& top : stacks.tops) {
    tops.push_back(panel.y_values(top));
    tops.back().resize(count, std::numeric_limits<double>::quiet_NaN());
  }
  return tops;
}

// The points every layer keeps: the union of each layer's own thinning.
downsample::Indices kept_by_any_layer(const PanelContext& panel, std::span<const double> xs,
                                      const std::vector<std::vector<double>>& tops,
                                      double width) {
  downsample::Indices kept;
  for (const std::vector<double>& top : tops) {
    kept = thinning::united(kept, thinning::kept_indices(panel, xs, top, width));
  }
  return kept;
}

}  // namespace

void stacked_area_items(const PanelContext& panel, const resolve::StackedArea& mark,
                        std::vector<scene::Item>& items) {
  std::vector<double> xs = panel.x_values(AxisData{mark.x});
  std::vector<std::vector<double>> tops = layer_tops(panel, mark.stacks, xs.size());
  if (4 * thinning::print_buckets(panel.frame) < xs.size()) {
    const auto kept = kept_by_any_layer(panel, xs, tops, mark.width);
    if (kept.size() < xs.size()) {
      xs = thinning::gathered(xs, kept);
      for (std::vector<double>& top : tops) top = thinning::gathered(top, kept);
    }
  }
  // The first layer rises from the baseline; where its top is missing the band has a gap.
  std::vector<double> lower(xs.size(), panel.baseline_value());
  const std::size_t layers = std::min(tops.size(), mark.series.size());
  for (std::size_t layer = 0; layer < layers; ++layer) {
    const Rgba color = mark.series[layer].color;
    band::band_fill_items(panel, xs, lower, tops[layer], color, items);
    line::line_items(panel, xs, tops[layer], line::line_style(Dash::Solid, color, mark.width),
                     items);
    lower = std::move(tops[layer]);
  }
}

}  // namespace lodra::draw::stacked_area
