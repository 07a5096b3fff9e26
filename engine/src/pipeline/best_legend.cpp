#include "pipeline/best_legend.h"

#include <utility>
#include <vector>

#include "draw/marks.h"
#include "layout/geometry.h"
#include "layout/legend_placement.h"
#include "pipeline/panel_frame.h"

namespace lodra::pipeline {

namespace {

// Each mark with the geometry it draws on its own.
std::vector<resolve::ResolvedMark> with_coverage(const Theme& theme,
                                                 const resolve::Resolved& axes,
                                                 std::span<const resolve::ResolvedMark> marks,
                                                 const layout::Layout& layout) {
  draw::PanelFrame frame = frame_of(layout);
  std::vector<resolve::ResolvedMark> covered;
  covered.reserve(marks.size());
  for (const resolve::ResolvedMark& mark : marks) {
    std::vector<scene::Item> items;
    if (auto drawn = draw::marks(theme, axes, frame, {&mark, 1})) {
      items.push_back(std::move(*drawn));
    }
    covered.push_back(resolve::ResolvedMark::for_coverage(
        mark, layout::Geometry::of(layout.plot, items)));
  }
  return covered;
}

}  // namespace

void place_best_legend(const Theme& theme, const layout::MeasuredLegend& legend,
                       const resolve::Resolved& axes,
                       std::span<const resolve::ResolvedMark> marks, layout::Layout& layout) {
  if (legend.position != LegendPosition::Best || layout.legend_rows.empty()) return;
  if (!layout::placement::best_fits(legend, layout.plot)) return;
  layout::placement::BestLegend best = layout::placement::best(
      legend, layout.plot, with_coverage(theme, axes, marks, layout));
  layout.legend_rows = std::move(best.rows);
  layout.legend_backdrop = best.backdrop;
}

}  // namespace lodra::pipeline
