// A panel placed on the page: its plot area and every text and legend around it, as drawing
// and the fit checks read them.
#pragma once

#include <optional>
#include <vector>

#include "layout/direct_labels.h"
#include "layout/header.h"
#include "layout/label.h"
#include "layout/layout_input.h"
#include "layout/legend_rows.h"
#include "layout/panel_bands.h"
#include "layout/panel_slot.h"
#include "layout/rect.h"
#include "resolve/axis_resolution.h"

namespace lodra::layout {

struct Layout {
  Rect plot;
  std::optional<HeaderLine> title;
  std::optional<HeaderLine> subtitle;
  std::vector<RowEntry> legend_rows;
  std::vector<DirectLabel> direct_labels;
  // Behind a legend moved into the plot area.
  std::optional<Rect> legend_backdrop;
  std::vector<Label> y_tick_labels;
  std::vector<Label> x_tick_labels;
  std::optional<Label> x_label;
  std::optional<Label> y_label;
  // Tick positions in points, for grid lines.
  std::vector<double> x_ticks;
  std::vector<double> y_ticks;
  double baseline = 0;  // the y of the value baseline
  Rect cell;
};

Layout place_panel(const LayoutInput& input, const resolve::Resolved& resolved,
                   const PanelBands& bands, const PanelSlot& slot);

}  // namespace lodra::layout
