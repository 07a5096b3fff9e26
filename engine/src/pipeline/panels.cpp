#include "pipeline/panels.h"

#include <utility>

#include "layout/legend.h"

namespace lodra::pipeline {

bool merges_legends(const Figure& figure) {
  const Grid& grid = figure.grid();
  return grid.rows * grid.cols >= 2 && grid.legend == LegendMode::Merged;
}

layout::MeasuredLegend measure_legend(const Figure& figure, const Axes& axes,
                                      std::span<const resolve::ResolvedMark> marks,
                                      const text::FontLibrary& fonts) {
  const Theme& theme = figure.theme();
  LegendStyle style = layout::legend_style(axes, theme);
  layout::Legend legend = layout::Legend::panel(style, axes, marks, false);
  layout::MeasuredLegend measured = layout::MeasuredLegend::measure(figure, legend, fonts);
  if (style != LegendStyle::Direct) {
    measured.position = axes.legend_position.value_or(theme.legend_position);
  }
  return measured;
}

namespace {

// In merged mode a panel keeps only its direct labels; its position stays top left.
layout::MeasuredLegend merged_panel_legend(const Figure& figure, const Axes& axes,
                                           std::span<const resolve::ResolvedMark> marks,
                                           const text::FontLibrary& fonts) {
  LegendStyle style = layout::legend_style(axes, figure.theme());
  layout::Legend legend = layout::Legend::panel(style, axes, marks, true);
  return layout::MeasuredLegend::measure(figure, legend, fonts);
}

}  // namespace

std::vector<Panel> panels(const Figure& figure,
                          std::vector<std::vector<resolve::ResolvedMark>> marks,
                          const text::FontLibrary& fonts) {
  bool merged = merges_legends(figure);
  std::vector<Panel> result;
  result.reserve(figure.axes().size());
  for (std::size_t i = 0; i < figure.axes().size() && i < marks.size(); ++i) {
    const Axes& axes = figure.axes()[i];
    layout::MeasuredLegend legend = merged ? merged_panel_legend(figure, axes, marks[i], fonts)
                                           : measure_legend(figure, axes, marks[i], fonts);
    result.push_back({std::move(marks[i]), std::move(legend), &axes});
  }
  return result;
}

layout::FigureHeader figure_header(const Figure& figure, std::span<const Panel> panels,
                                   const text::FontLibrary& fonts) {
  layout::Legend legend;
  if (merges_legends(figure)) {
    std::vector<std::span<const resolve::ResolvedMark>> marks;
    marks.reserve(panels.size());
    for (const Panel& panel : panels) marks.emplace_back(panel.marks);
    legend = layout::Legend::merged(figure, marks);
  }
  return layout::FigureHeader::measure(
      figure, layout::MeasuredLegend::measure(figure, legend, fonts), fonts);
}

}  // namespace lodra::pipeline
