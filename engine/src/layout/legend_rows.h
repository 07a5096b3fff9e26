// Keyed legend entries laid out into rows within a span, aligned and moved into place.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "enums.h"
#include "layout/label.h"
#include "layout/rect.h"
#include "layout/swatch.h"

namespace lodra::layout {

// Rows are this far apart, beyond the row height.
inline constexpr double kRowGap = 4.0;
// Between a swatch and its label.
inline constexpr double kSwatchGap = 4.0;

// One keyed entry, measured and, once laid out, placed: its label at its baseline, its swatch
// box centred on the row and, with chips, the chip behind both.
struct RowEntry {
  Label label;
  Swatch swatch;
  Rect swatch_box;  // width and height from the measure; left and top once laid out
  double stroke = 0;  // the swatch's drawn stroke width or size
  // Swatch, gap and label, with the chip padding; with chips at least the row height.
  double width = 0;
  double x = 0;  // left edge
  double y = 0;  // top of its row
  std::optional<Rect> chip;
};

struct LegendRow {
  std::vector<RowEntry> entries;
  std::size_t rows = 0;
  double row_height = 0;

  // (4 + row height) × (rows − 1) + row height; 0 without rows.
  double height() const;

  // Each row (the entries sharing a y) shifted: LEFT leaves it, CENTER centres it on the middle
  // of [left, right], RIGHT makes it end at right.
  static LegendRow aligned(LegendRow rows, Align alignment, double left, double right);
  // Every entry moved down by `top`: label baseline, swatch and chip.
  static std::vector<RowEntry> placed(LegendRow rows, double top);
};

}  // namespace lodra::layout
