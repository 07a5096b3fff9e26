// The title, subtitle and legend rows above a panel or a figure: measured once, then placed in
// a span of the page.
#pragma once

#include <optional>
#include <string_view>

#include "enums.h"
#include "layout/label.h"
#include "scene/style.h"
#include "text/font_library.h"

namespace lodra::layout {

// A title or a subtitle with the height of its line.
struct HeaderText {
  Label label;
  double line_height = 0;
};

// A placed title or subtitle: its label's x and baseline y are set.
struct HeaderLine {
  Label label;
};

// Where a header's parts went.
struct PlacedHeader {
  std::optional<HeaderLine> title;
  std::optional<HeaderLine> subtitle;
  double legend_top = 0;  // where legend rows start, when they follow
  double bottom = 0;      // the y just below the header
};

struct Header {
  std::optional<HeaderText> title;
  std::optional<HeaderText> subtitle;
  bool has_legend_rows = false;
  double legend_height = 0;  // of the legend rows: (4 + row height) × (rows − 1) + row height

  // Empty texts are absent. `legend_height` is given when legend rows go in the header.
  static Header measure(const text::FontLibrary& fonts, std::string_view title,
                        std::string_view subtitle, const scene::TextStyle& title_style,
                        const scene::TextStyle& subtitle_style,
                        std::optional<double> legend_height);

  // The height of the header with these legend rows, or without when absent; 0 when empty.
  double height(std::optional<double> legend_height) const;
  // The height with its own legend rows.
  double height() const;

  // Stacks the lines from `top` down and aligns each within [left, right].
  PlacedHeader place(double left, double right, double top, Align alignment,
                     bool legend_follows, double legend_height) const;
};

}  // namespace lodra::layout
