#include "pipeline/panel_frame.h"

#include <algorithm>

namespace lodra::pipeline {

draw::PanelFrame frame_of(const layout::Layout& layout) {
  draw::PanelFrame frame{.plot_left = layout.plot.left,
                         .plot_top = layout.plot.top,
                         .plot_width = layout.plot.width,
                         .plot_height = layout.plot.height,
                         .cell_left = layout.cell.left,
                         .cell_right = layout.cell.right(),
                         .y_labels_right = std::nullopt};
  for (const layout::Label& label : layout.y_tick_labels) {
    double right = label.x + label.width();
    frame.y_labels_right = std::max(frame.y_labels_right.value_or(right), right);
  }
  return frame;
}

}  // namespace lodra::pipeline
