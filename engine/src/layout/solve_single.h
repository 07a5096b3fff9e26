// The plot area of one panel inside the rectangle the figure grants it, or the error that says
// what leaves it no room.
#pragma once

#include "error.h"
#include "layout/layout_input.h"
#include "layout/panel_bands.h"
#include "layout/rect.h"

namespace lodra::layout {

// `top` is where the panel's content starts: below the figure header for the first row.
Result<Rect> solve_single(const LayoutInput& input, const PanelBands& bands, const Rect& cell,
                          double top);

}  // namespace lodra::layout
