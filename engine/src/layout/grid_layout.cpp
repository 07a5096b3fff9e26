#include "layout/grid_layout.h"

#include <cassert>
#include <vector>

#include "layout/column_fit.h"
#include "layout/grid_columns.h"
#include "layout/grid_errors.h"
#include "layout/grid_rows.h"
#include "layout/solve_single.h"
#include "layout/text_styles.h"

namespace lodra::layout {

namespace {

Result<GridSolution> solve_single_cell(const GridRequest& request,
                                       std::span<const PanelBands> bands) {
  GridSolution solution;
  if (request.inputs.empty()) return solution;
  Rect page{0, 0, request.page_width, request.page_height};
  Result<Rect> plot = solve_single(request.inputs.front(), bands.front(), page,
                                   request.header_height);
  if (!plot) return std::unexpected(std::move(plot.error()));
  solution.slots.push_back(single_cell_slot(bands.front(), page, *plot, request.header_height));
  return solution;
}

PanelSlot slot_of(const CellRange& cell, const PlacedColumns& columns, const PlacedRows& rows,
                  double x_label_descent) {
  std::uint32_t last_col = cell.col + cell.col_span - 1;
  std::uint32_t last_row = cell.row + cell.row_span - 1;
  double height = last_row == cell.row
                      ? rows.height
                      : rows.tops[last_row] + rows.height - rows.tops[cell.row];
  Rect plot{columns.plot_left(cell.col), rows.tops[cell.row],
            columns.plot_width(cell.col, last_col), height};
  CellEdges across = columns.frame(cell.col, last_col);
  CellEdges down = rows.frame(cell.row, last_row);
  return {.plot = plot,
          .cell = {across.start, down.start, across.end - across.start, down.end - down.start},
          .header_left = plot.left,
          .header_right = plot.right(),
          .header_top = rows.tops[cell.row] - rows.bands.top[cell.row],
          // Every panel of a row shares the baseline, at the foot of the row's labels.
          .x_label_baseline = plot.bottom() + rows.bands.labels[last_row] - x_label_descent};
}

}  // namespace

Result<GridSolution> solve_grid(const GridRequest& request, std::span<const PanelBands> bands) {
  assert(request.inputs.size() == bands.size());
  if (std::size_t{request.rows} * request.cols == 1) return solve_single_cell(request, bands);

  std::vector<CellRange> cells;
  cells.reserve(request.inputs.size());
  for (const LayoutInput& input : request.inputs) cells.push_back(input.axes.range);
  const Theme& theme = request.figure.theme();
  double gap = theme.panel_gap;

  Columns columns = Columns::measure(request.cols, cells, bands, gap, request.page_width);
  PlacedColumns zero = columns.place(std::vector<double>(columns.variables(), 0.0));
  if (!(zero.width >= 1)) {
    return std::unexpected(narrow_grid(request, cells, bands, columns, zero));
  }
  std::optional<std::vector<double>> insets =
      fit_columns(columns, columns.label_bounds(cells, bands));
  if (!insets) return std::unexpected(x_labels_overflow(request, cells, bands, columns));
  PlacedColumns placed = columns.place(*insets);

  RowBands row_bands = RowBands::measure(request.rows, request.inputs, cells, bands, placed);
  PlacedRows rows = place_rows(std::move(row_bands), request.page_height,
                               request.header_height, gap);
  if (!(rows.height >= 1)) return std::unexpected(short_grid(request, rows, gap));

  double x_label_descent = request.inputs.empty()
                               ? 0
                               : request.inputs.front().fonts.layout({}, body_style(theme)).descent;
  GridSolution solution;
  solution.slots.reserve(cells.size());
  for (const CellRange& cell : cells) {
    solution.slots.push_back(slot_of(cell, placed, rows, x_label_descent));
  }
  return solution;
}

}  // namespace lodra::layout
