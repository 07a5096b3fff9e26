#include "layout/legend_rows.h"

namespace lodra::layout {

namespace {

void shift(RowEntry& entry, double dx, double dy) {
  entry.x += dx;
  entry.y += dy;
  entry.label.x += dx;
  entry.label.y += dy;
  entry.swatch_box.left += dx;
  entry.swatch_box.top += dy;
  if (entry.chip) {
    entry.chip->left += dx;
    entry.chip->top += dy;
  }
}

}  // namespace

double LegendRow::height() const {
  if (rows == 0) return 0.0;
  return (kRowGap + row_height) * static_cast<double>(rows - 1) + row_height;
}

LegendRow LegendRow::aligned(LegendRow rows, Align alignment, double left, double right) {
  if (alignment == Align::Left) return rows;
  auto& entries = rows.entries;
  // The entries of a row are consecutive and share their y.
  for (std::size_t first = 0; first < entries.size();) {
    std::size_t end = first + 1;
    while (end < entries.size() && entries[end].y == entries[first].y) ++end;
    const double row_left = entries[first].x;
    const double row_right = entries[end - 1].x + entries[end - 1].width;
    const double dx = alignment == Align::Center
                          ? (left + right) / 2.0 - (row_left + row_right) / 2.0
                          : right - row_right;
    for (std::size_t i = first; i < end; ++i) shift(entries[i], dx, 0.0);
    first = end;
  }
  return rows;
}

std::vector<RowEntry> LegendRow::placed(LegendRow rows, double top) {
  for (RowEntry& entry : rows.entries) shift(entry, 0.0, top);
  return std::move(rows.entries);
}

}  // namespace lodra::layout
