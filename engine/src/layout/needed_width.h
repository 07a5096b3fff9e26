// The page width at which a grid too narrow for its plots would give every column 1 pt.
#pragma once

#include <span>

#include "layout/grid_columns.h"
#include "layout/panel_bands.h"
#include "model/cell_range.h"

namespace lodra::layout {

// The smallest whole width above the page's own at which every column keeps a 1 pt plot, the
// direct-label reserves capped at a quarter of each panel's width estimated at that width.
double needed_width(const Columns& columns, std::span<const CellRange> cells,
                    std::span<const PanelBands> bands);

}  // namespace lodra::layout
