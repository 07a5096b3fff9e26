// Where the figure puts one panel: its plot area, its cell, the span of its header and the
// baseline of its x axis label.
#pragma once

#include "layout/panel_bands.h"
#include "layout/rect.h"

namespace lodra::layout {

struct PanelSlot {
  Rect plot;
  Rect cell;
  double header_left = 0;
  double header_right = 0;
  double header_top = 0;
  double x_label_baseline = 0;
};

// The slot of the only panel of a figure, its plot solved within `cell` with its content
// starting at `top`: the header spans the cell within its 12 pt margins, and the x axis label
// sits right below the x tick labels.
PanelSlot single_cell_slot(const PanelBands& bands, const Rect& cell, const Rect& plot,
                           double top);

}  // namespace lodra::layout
