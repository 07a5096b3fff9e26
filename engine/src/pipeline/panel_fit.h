// Whether the texts of a placed panel of a grid fit it: its title, subtitle, legend, axis labels
// and direct labels, in that order.
#pragma once

#include "error.h"
#include "layout/layout_input.h"
#include "layout/panel_layout.h"

namespace lodra::pipeline {

// The first text that does not fit, its problem prefixed with the panel's top-left cell.
Status check_grid_panel(const layout::LayoutInput& input, const layout::Layout& layout);

}  // namespace lodra::pipeline
