#include "layout/panel_slot.h"

namespace lodra::layout {

PanelSlot single_cell_slot(const PanelBands& bands, const Rect& cell, const Rect& plot,
                           double top) {
  double x_label_ascent = bands.x_label ? bands.x_label->ascent() : 0;
  return {.plot = plot,
          .cell = cell,
          .header_left = cell.left + kPanelMargin,
          .header_right = cell.right() - kPanelMargin,
          .header_top = top,
          .x_label_baseline = plot.bottom() + bands.x_tick_band + kTickGap + x_label_ascent};
}

}  // namespace lodra::layout
