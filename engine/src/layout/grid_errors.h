// What a grid that leaves no room reports: the panel whose legend or tick labels take the room,
// or the width or height the whole grid needs.
#pragma once

#include <span>

#include "error.h"
#include "layout/grid_columns.h"
#include "layout/grid_request.h"
#include "layout/grid_rows.h"
#include "layout/panel_bands.h"
#include "model/cell_range.h"

namespace lodra::layout {

// Columns placed without insets leave less than 1 pt per plot: a right legend entry or y tick
// labels that would not fit even then, else the width the grid needs.
Error narrow_grid(const GridRequest& request, std::span<const CellRange> cells,
                  std::span<const PanelBands> bands, const Columns& columns,
                  const PlacedColumns& zero);

// No insets keep every x tick label inside its cell: the widest label, and how wide a label may
// be for all to fit.
Error x_labels_overflow(const GridRequest& request, std::span<const CellRange> cells,
                        std::span<const PanelBands> bands, const Columns& columns);

// Rows leave less than 1 pt per plot: the height the grid needs.
Error short_grid(const GridRequest& request, const PlacedRows& rows, double gap);

}  // namespace lodra::layout
