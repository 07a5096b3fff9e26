// A legend measured with the font library: keyed entries with their labels and swatch boxes,
// direct entries with their labels, and the space the legend reserves beside or below a plot.
#pragma once

#include <optional>
#include <vector>

#include "color.h"
#include "enums.h"
#include "layout/anchor.h"
#include "layout/label.h"
#include "layout/legend.h"
#include "layout/legend_rows.h"
#include "model/figure.h"
#include "text/font_library.h"

namespace lodra::layout {

// The keyed entries measured, not yet laid out.
struct MeasuredRow {
  std::vector<RowEntry> entries;
  double padding = 0;  // inside a chip, left and right
  double gap = 0;      // between entries of a row
  double row_height = 0;
  double text_size = 0;
  double ascent = 0;
  double descent = 0;
  bool chips = false;
};

struct MeasuredDirect {
  Label label;
  Rgba color;
  Anchor anchor;
};

struct MeasuredLegend {
  std::vector<MeasuredDirect> direct;
  double direct_size = 0;  // text size of the direct labels
  double direct_ascent = 0;
  double direct_descent = 0;
  double marker_size = 0;  // the end dots
  std::optional<MeasuredRow> row;  // absent without keyed entries
  LegendPosition position = LegendPosition::TopLeft;

  static MeasuredLegend measure(const Figure& figure, const Legend& legend,
                                const text::FontLibrary& fonts);

  bool has_rows() const { return row.has_value(); }

  // The keyed entries in rows from `left`; an entry that would pass `right` starts a new row,
  // unless it is the first of its row.
  LegendRow row_within(double left, double right) const;
  // Position RIGHT with rows: the widest entry laid one per row, + 12; else 0.
  double right_reserve() const;
  // Position BOTTOM with rows: the height of the rows within [left, right], + 8; else 0.
  double bottom_reserve(double left, double right) const;
  // Room for the direct labels right of the plot, before any cap: half the marker size, 6 and
  // the widest label; 0 without direct labels.
  double direct_reserve() const;
};

}  // namespace lodra::layout
