#include "layout/grid_rows.h"

#include <algorithm>
#include <cassert>

namespace lodra::layout {

namespace {

// The header with its legend rows, if any, laid within [left, right].
double header_height(const MeasuredLegend& legend, const Header& header, double left,
                     double right) {
  if (!rows_in_header(legend)) return header.height();
  return header.height(legend.row_within(left, right).height());
}

}  // namespace

RowBands RowBands::measure(std::uint32_t count, std::span<const LayoutInput> inputs,
                           std::span<const CellRange> cells, std::span<const PanelBands> bands,
                           const PlacedColumns& columns) {
  assert(inputs.size() == cells.size() && cells.size() == bands.size());
  RowBands rows{std::vector<double>(count, 0.0), std::vector<double>(count, 0.0),
                std::vector<double>(count, 0.0)};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const CellRange& cell = cells[i];
    const PanelBands& panel = bands[i];
    const MeasuredLegend& legend = inputs[i].legend;
    double left = columns.plot_left(cell.col);
    double right = left + columns.plot_width(cell.col, cell.col + cell.col_span - 1);
    std::uint32_t last = cell.row + cell.row_span - 1;

    double top = header_height(legend, panel.header, left, right) + panel.y_label_band +
                 panel.overhang_above;
    double below = std::max(panel.x_tick_band + panel.x_label_band, panel.overhang_below);
    rows.top[cell.row] = std::max(rows.top[cell.row], top);
    rows.labels[last] = std::max(rows.labels[last], below);
    rows.legend[last] = std::max(rows.legend[last], legend.bottom_reserve(left, right));
  }
  return rows;
}

CellEdges PlacedRows::frame(std::uint32_t first, std::uint32_t last) const {
  // Between row r and r + 1: halfway from the content end of r to the content start of r + 1.
  auto boundary = [&](std::size_t r) {
    double content_end = tops[r] + height + bands.bottom(r);
    double content_start = tops[r + 1] - bands.top[r + 1];
    return (content_end + content_start) / 2;
  };
  return {first == 0 ? 0.0 : boundary(first - 1),
          last + 1 >= tops.size() ? page_height : boundary(last)};
}

PlacedRows place_rows(RowBands bands, double page_height, double header_height, double gap) {
  std::size_t count = bands.count();
  double height = page_height - (kPanelMargin + header_height);
  for (double top : bands.top) height -= top;
  for (std::size_t r = 0; r < count; ++r) height -= bands.bottom(r);
  height -= static_cast<double>(count - 1) * gap;
  height /= static_cast<double>(count);

  std::vector<double> tops(count);
  double y = header_height;
  for (std::size_t r = 0; r < count; ++r) {
    tops[r] = y + bands.top[r];
    y += bands.top[r] + height + bands.bottom(r) + gap;
  }
  return {height, std::move(tops), std::move(bands), page_height};
}

}  // namespace lodra::layout
