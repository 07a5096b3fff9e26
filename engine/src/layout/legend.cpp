#include "layout/legend.h"

#include <set>
#include <utility>

#include "layout/series_key.h"
#include "resolve/bubble_scale.h"

namespace lodra::layout {

namespace {

using resolve::ResolvedMark;

// The size legend of a bubbles mark: one marker per reference size, drawn at the radius a
// bubble of that size has in the panel.
void add_size_entries(std::vector<LegendEntry>& entries, const ResolvedMark& mark,
                      const Axes& axes) {
  const auto& bubbles = std::get<resolve::Bubbles>(mark.kind);
  for (const Tick& tick : mark.size_legend(axes.settings(Side::Y).ticks.format)) {
    if (tick.label.empty()) continue;
    double radius = resolve::bubble_scale::radius(tick.value, bubbles.size_reference);
    entries.push_back({tick.label, {SwatchKind::Marker, bubbles.color, radius, Dash::Solid, {}}});
  }
}

// Adds the size legend after the entry of the first bubbles mark that has one.
class SizeLegend {
 public:
  void after(std::vector<LegendEntry>& entries, const ResolvedMark& mark, const Axes& axes) {
    if (added_ || !std::holds_alternative<resolve::Bubbles>(mark.kind)) return;
    added_ = true;
    add_size_entries(entries, mark, axes);
  }

 private:
  bool added_ = false;
};

}  // namespace

LegendStyle legend_style(const Axes& axes, const Theme& theme) {
  return axes.legend_style.value_or(theme.legend_style);
}

Legend Legend::panel(LegendStyle style, const Axes& axes,
                     std::span<const ResolvedMark> marks, bool merged) {
  Legend legend;
  legend.chips = style == LegendStyle::Chips;
  if (style == LegendStyle::None) return legend;
  const bool direct = style == LegendStyle::Direct;
  const AnchorAxes anchor_axes = AnchorAxes::of(axes);
  SizeLegend sizes;
  for (const ResolvedMark& mark : marks) {
    const bool lines = line_like(mark);
    if (merged && !(lines && direct)) continue;
    for (SeriesKey& key : series_keys(mark, anchor_axes)) {
      if (key.label.empty()) continue;
      if (direct && lines && key.anchor) {
        legend.direct.push_back({std::move(key.label), key.swatch.color, std::move(*key.anchor)});
        continue;
      }
      legend.keyed.push_back({std::move(key.label), key.swatch});
      sizes.after(legend.keyed, mark, axes);
    }
  }
  return legend;
}

Legend Legend::merged(const Figure& figure,
                      std::span<const std::span<const ResolvedMark>> panels) {
  const Theme& theme = figure.theme();
  Legend legend;
  legend.chips = theme.legend_style == LegendStyle::Chips;
  std::set<std::pair<std::string, SwatchKind>, std::less<>> seen;
  SizeLegend sizes;
  const auto& all_axes = figure.axes();
  for (std::size_t i = 0; i < all_axes.size() && i < panels.size(); ++i) {
    const Axes& axes = all_axes[i];
    const LegendStyle style = legend_style(axes, theme);
    if (style == LegendStyle::None) continue;
    const AnchorAxes anchor_axes = AnchorAxes::of(axes);
    for (const ResolvedMark& mark : panels[i]) {
      // Lines of a directly labelled panel are labelled in the panel.
      if (style == LegendStyle::Direct && line_like(mark)) continue;
      for (SeriesKey& key : series_keys(mark, anchor_axes)) {
        if (key.label.empty() || !seen.emplace(key.label, key.swatch.kind).second) continue;
        legend.keyed.push_back({std::move(key.label), key.swatch});
        sizes.after(legend.keyed, mark, axes);
      }
    }
  }
  return legend;
}

}  // namespace lodra::layout
