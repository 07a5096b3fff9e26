#include "layout/grid_errors.h"

#include <cassert>
#include <cmath>
#include <optional>

#include "layout/cap_search.h"
#include "layout/column_fit.h"
#include "layout/fit_messages.h"
#include "layout/in_panel.h"
#include "layout/needed_width.h"

namespace lodra::layout {

namespace {

constexpr double kFitTolerance = 1e-6;

Error of_panel(const CellRange& cell, Error error) {
  return in_panel(cell.row, cell.col, std::move(error));
}

Error style_error(std::string_view context, std::string_view hint, std::string problem) {
  return fail(ErrorKind::Style, context, {}, hint, std::move(problem)).error();
}

// "1 column", "2 rows".
std::string counted(std::uint32_t count, std::string_view noun) {
  return cat(count, " ", noun, count == 1 ? "" : "s");
}

// A right legend that sets its column's band, laid as a column beside plots `missing` points
// short: its first entry that does not fit.
std::optional<Error> legend_short(const GridRequest& request, std::span<const CellRange> cells,
                                  std::span<const PanelBands> bands, const Columns& columns,
                                  double missing) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    double reserve = bands[i].right_reserve;
    if (!(reserve > 0) || reserve != columns.right[cells[i].col + cells[i].col_span - 1]) {
      continue;
    }
    double room = reserve - missing - kPanelMargin;
    for (const RowEntry& entry : request.inputs[i].legend.row_within(0, 0).entries) {
      if (entry.width > room + kFitTolerance) {
        double beyond_label = entry.width - entry.label.width();
        return of_panel(cells[i], legend_too_wide(request.context, entry.label.text,
                                                  entry.label.width(), LegendPlace::Panel,
                                                  room - beyond_label));
      }
    }
  }
  return std::nullopt;
}

// Of the y tick labels that set their column's band and would still have room with plots
// `missing` points short, the widest band's.
std::optional<Error> y_labels_short(const GridRequest& request,
                                    std::span<const CellRange> cells,
                                    std::span<const PanelBands> bands, const Columns& columns,
                                    double missing) {
  std::optional<std::size_t> found;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const PanelBands& panel = bands[i];
    if (panel.y_tick_labels.empty() || !(panel.widest_y_tick - missing >= 0) ||
        panel.y_tick_band != columns.left[cells[i].col]) {
      continue;
    }
    if (!found || panel.y_tick_band > bands[*found].y_tick_band) found = i;
  }
  if (!found) return std::nullopt;
  const PanelBands& panel = bands[*found];
  return of_panel(cells[*found], y_labels_leave_no_room(request.context, panel.y_tick_labels,
                                                        panel.widest_y_tick - missing));
}

double widest_half(const PanelBands& panel) {
  double widest = 0;
  for (const TickLabelExtent& label : panel.x_extents) widest = std::max(widest, label.half_width);
  return widest;
}

}  // namespace

Error narrow_grid(const GridRequest& request, std::span<const CellRange> cells,
                  std::span<const PanelBands> bands, const Columns& columns,
                  const PlacedColumns& zero) {
  double missing = static_cast<double>(columns.count()) * (1 - zero.width);
  if (auto error = legend_short(request, cells, bands, columns, missing)) return *error;
  if (auto error = y_labels_short(request, cells, bands, columns, missing)) return *error;
  double needed = needed_width(columns, cells, bands);
  std::string_view hint = request.cols == 1 ? "widen the figure."
                                            : "widen the figure, or use fewer columns.";
  return style_error(request.context, hint,
                     cat("the figure is ", points(std::floor(request.page_width)),
                         " pt wide; at least ", points(needed), " pt is needed for ",
                         counted(request.cols, "column"), " of plots."));
}

Error x_labels_overflow(const GridRequest& request, std::span<const CellRange> cells,
                        std::span<const PanelBands> bands, const Columns& columns) {
  std::optional<std::size_t> found;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (bands[i].x_tick_labels.empty()) continue;
    if (!found || widest_half(bands[i]) > widest_half(bands[*found])) found = i;
  }
  // Only labels can overflow, so some panel has them.
  assert(found);
  const PanelBands& panel = bands[*found];
  double room = widest_fitting(widest_half(panel), [&](double cap) {
    return fit_columns(columns, columns.label_bounds(cells, bands, cap)).has_value();
  });
  return of_panel(cells[*found], x_labels_wider_than(request.context, panel.x_tick_labels, room));
}

Error short_grid(const GridRequest& request, const PlacedRows& rows, double gap) {
  double count = static_cast<double>(rows.bands.count());
  double all_bands = 0;
  for (std::size_t r = 0; r < rows.bands.count(); ++r) {
    all_bands += rows.bands.top[r] + rows.bands.bottom(r);
  }
  double page = request.page_height;
  double needed = std::max(
      std::floor(page) + 1,
      std::ceil(kPanelMargin + request.header_height + all_bands + (count - 1) * gap + count));
  while (place_rows(rows.bands, needed, request.header_height, gap).height < 1) needed += 1;

  std::string_view hint =
      request.rows == 1 ? "make the figure taller, or remove titles or legends."
                        : "make the figure taller, use fewer rows, or remove titles or legends.";
  return style_error(request.context, hint,
                     cat("the figure is ", points(std::floor(page)), " pt tall; at least ",
                         points(needed), " pt is needed for ", counted(request.rows, "row"),
                         " of plots."));
}

}  // namespace lodra::layout
