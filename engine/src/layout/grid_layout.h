// Where every panel of a figure goes: each column's plots equally wide and each row's equally
// tall, the measured bands around them, and the bands between columns widened just enough, and
// no more in total, to keep every x tick label inside its panel's cell.
#pragma once

#include <span>

#include "error.h"
#include "layout/grid_request.h"
#include "layout/panel_bands.h"

namespace lodra::layout {

// `bands` holds one per input. A figure of a single cell is its one panel solved on the whole
// page; errors about one panel of a larger grid name its top-left cell.
Result<GridSolution> solve_grid(const GridRequest& request, std::span<const PanelBands> bands);

}  // namespace lodra::layout
