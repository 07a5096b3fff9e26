// The vertical problem of a grid: per row the band above its plots (headers, y axis labels) and
// below them (x tick and axis labels, a bottom legend), and every row given the same plot
// height.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "layout/grid_columns.h"
#include "layout/layout_input.h"
#include "layout/panel_bands.h"
#include "model/cell_range.h"

namespace lodra::layout {

struct RowBands {
  std::vector<double> top;
  std::vector<double> labels;  // below the plots, without the legend
  std::vector<double> legend;  // below the labels: a bottom legend's reserve

  // Each panel's header with its legend rows laid over its plot, as `columns` place it, widens
  // its first row's top band; its texts below the plot and its bottom legend widen its last
  // row's.
  static RowBands measure(std::uint32_t count, std::span<const LayoutInput> inputs,
                          std::span<const CellRange> cells, std::span<const PanelBands> bands,
                          const PlacedColumns& columns);

  std::size_t count() const { return top.size(); }
  double bottom(std::size_t row) const { return labels[row] + legend[row]; }
};

struct PlacedRows {
  double height = 0;  // of every row's plots
  std::vector<double> tops;  // where each row's plots start
  RowBands bands;
  double page_height = 0;

  // The outer edges of a cell spanning rows first..last: the page's own edges outside, the
  // middle of the gap between one row's content and the next one's inside.
  CellEdges frame(std::uint32_t first, std::uint32_t last) const;
};

// Rows stacked from `header_height` down to the page's bottom margin.
PlacedRows place_rows(RowBands bands, double page_height, double header_height, double gap);

}  // namespace lodra::layout
