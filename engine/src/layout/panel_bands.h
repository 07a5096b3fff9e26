// The measured, position-independent parts of a panel: its header, tick labels and axis
// labels, and the bands they take around the plot.
#pragma once

#include <optional>
#include <vector>

#include "layout/header.h"
#include "layout/label.h"
#include "layout/layout_input.h"
#include "layout/tick_label.h"
#include "model/shared_axes.h"
#include "resolve/axis_resolution.h"

namespace lodra::layout {

// Between a panel's cell and its content.
inline constexpr double kPanelMargin = 12;
// Between the plot and its y tick labels, and between a label and the edge of its cell.
inline constexpr double kLabelGap = 6;
// Between the plot and its x tick labels, and between stacked texts below and above it.
inline constexpr double kTickGap = 4;
// A y tick label's baseline lies this many text sizes below its tick.
inline constexpr double kYTickDrop = 0.35;

// Where a panel is expected to lie across the page before the grid is solved.
struct WidthEstimate {
  double left = 0;
  double right = 0;
  double quarter = 0;  // a quarter of the width: caps the direct-label reserve
};

struct PanelBands {
  Header header;
  std::vector<TickLabelExtent> x_extents;
  std::vector<TickLabel> y_tick_labels;
  std::vector<TickLabel> x_tick_labels;
  std::optional<Label> x_label;
  std::optional<Label> y_label;
  // Above the plot for the y axis label: 4 + its ascent, its descent lying within the gap.
  double y_label_band = 0;
  // How far y tick labels reach above and below their ticks.
  double overhang_above = 0;
  double overhang_below = 0;
  double y_tick_band = 0;  // 6 + the widest y tick label, or 0
  double widest_y_tick = 0;
  // Right of the plot for direct labels, capped at a quarter of the estimated width; and before
  // that cap.
  double direct_reserve = 0;
  double uncapped_direct_reserve = 0;
  double right_reserve = 0;
  double bottom_reserve = 0;
  double x_tick_band = 0;   // one tick text line + 4, or 0
  double x_label_band = 0;  // one label text line + 4, or 0
  double tick_ascent = 0;
  double tick_size = 0;

};

// Whether the legend's keyed rows go in the panel header.
bool rows_in_header(const MeasuredLegend& legend);

PanelBands measure_panel(const LayoutInput& input, const resolve::Resolved& resolved,
                         const WidthEstimate& estimate, LabelVisibility visibility);

}  // namespace lodra::layout
