// The horizontal problem of a grid: per column the band left of its plots (y tick labels) and
// right of them (direct labels, a right legend), widened by insets, and every column given the
// same plot width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "layout/linear_program.h"
#include "layout/panel_bands.h"
#include "model/cell_range.h"

namespace lodra::layout {

// Where a cell begins and ends along one direction of the page.
struct CellEdges {
  double start = 0;
  double end = 0;
};

// One requirement of one x tick label on one side of its panel: the label reaches `half_width`
// from its tick, which lies `share` of the panel's plot width from that side; within `need` of
// the plot edge it stays inside the cell. It fits when its overflow is at most the inset of its
// side's variable.
struct LabelBound {
  std::size_t panel = 0;
  std::uint32_t first = 0;  // the panel's first and last column
  std::uint32_t last = 0;
  std::size_t variable = 0;
  double half_width = 0;
  double share = 0;
  double need = 0;

  double overflow(double panel_width) const { return half_width - share * panel_width - need; }
};

// Columns placed with some insets: the common plot width and where each column's plots start.
struct PlacedColumns {
  double width = 0;
  std::vector<double> starts;
  std::vector<double> left_bands;  // with their insets
  std::vector<double> right_bands;
  double gap = 0;
  double page_width = 0;

  double plot_left(std::uint32_t first) const { return starts[first]; }
  // Of a panel spanning columns first..last; exactly the common width for one column.
  double plot_width(std::uint32_t first, std::uint32_t last) const {
    return first == last ? width : starts[last] + width - starts[first];
  }
  // The outer edges of a cell spanning columns first..last: the page's own edges outside, the
  // middle of the gap between one column's content and the next one's inside.
  CellEdges frame(std::uint32_t first, std::uint32_t last) const;
};

// Insets are indexed as variables: 0 widens the page's left margin, 1 the right margin, 2c
// (c ≥ 1) the left band of column c, 2c + 3 (c ≤ n − 2) the right band of column c.
struct Columns {
  std::vector<double> left;
  std::vector<double> right;
  double gap = 0;
  double page_width = 0;

  // The bands of `count` columns: per column the widest y tick band of the panels starting in
  // it, and the widest right reserve (direct labels or a right legend) of those ending in it.
  static Columns measure(std::uint32_t count, std::span<const CellRange> cells,
                         std::span<const PanelBands> bands, double gap, double page_width);

  std::size_t count() const { return left.size(); }
  std::size_t variables() const { return 2 * count(); }
  std::size_t left_variable(std::uint32_t column) const;
  std::size_t right_variable(std::uint32_t column) const;

  // The most that the page's left and right margins may widen: up to a quarter of the page
  // within its margins, less the band they widen.
  double left_margin_limit() const;
  double right_margin_limit() const;

  // `insets` holds one value per variable.
  PlacedColumns place(std::span<const double> insets) const;

  // The bounds, by index in `bounds`, that a fit must hold: those of the out-of-bounds
  // `variables`, less each bound that another one of the same columns and variable overflows at
  // least as much at panel width 0 and at its width in `zero` (of equal ones the first stays).
  std::vector<std::size_t> essential(std::span<const LabelBound> bounds,
                                     const PlacedColumns& zero,
                                     std::span<const std::size_t> variables) const;

  // The rows of the least total inset meeting the `chosen` bounds, given their overflows
  // without insets (placement `zero`): every unit of inset narrows each column by 1/n and
  // widens the panels it lies inside. Then the page margins' limits, and at least 1 pt per
  // column.
  std::vector<Row> program(std::span<const LabelBound> bounds,
                           std::span<const std::size_t> chosen,
                           std::span<const double> zero_overflows,
                           const PlacedColumns& zero) const;

  // Two bounds per x tick label of every panel, each label's half width capped at `cap`.
  std::vector<LabelBound> label_bounds(
      std::span<const CellRange> cells, std::span<const PanelBands> bands,
      double cap = std::numeric_limits<double>::infinity()) const;
};

}  // namespace lodra::layout
