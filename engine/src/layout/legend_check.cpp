#include "layout/legend_check.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "layout/fit_messages.h"
#include "layout/panel_bands.h"

namespace lodra::layout::placement {

namespace {

constexpr double kFitTolerance = 1e-6;
// A BEST legend's box padding and its inset from the frame, on both sides.
constexpr double kInsideMargins = 24;

// The width the position leaves each entry; none when nothing is checked.
std::optional<double> available_width(LegendPosition position, const Layout& layout,
                                      bool single_cell) {
  const Rect& plot = layout.plot;
  switch (position) {
    case LegendPosition::TopLeft:
      if (single_cell) return std::nullopt;
      return plot.width;
    case LegendPosition::TopRight:
      return plot.width;
    case LegendPosition::Right:
      return layout.cell.right() - (plot.right() + kPanelMargin);
    case LegendPosition::Bottom:
      return single_cell ? layout.cell.width - 2 * kPanelMargin : plot.width;
    case LegendPosition::Best:
      break;
  }
  return plot.width - kInsideMargins;
}

// Rows are consecutive runs of entries that share their y.
std::size_t row_count(const std::vector<RowEntry>& entries) {
  std::size_t rows = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i == 0 || entries[i].y != entries[i - 1].y) ++rows;
  }
  return rows;
}

Status check_height(const LayoutInput& input, const Layout& layout) {
  const LegendPosition position = input.legend.position;
  if (position != LegendPosition::Right && position != LegendPosition::Best) return {};
  const bool right = position == LegendPosition::Right;
  const double available = layout.plot.height - (right ? 0 : kInsideMargins);
  const LegendRow rows{.entries = {},
                       .rows = row_count(layout.legend_rows),
                       .row_height = input.legend.row->row_height};
  const double height = rows.height();
  if (height <= available + kFitTolerance) return {};
  const std::string room = points(std::floor(available));
  return fail(ErrorKind::Style, input.context, {},
              "make the figure taller, or use fewer legend entries.",
              cat("the legend is ", points(stated_width(height, available)), " pt tall; ",
                  right ? cat("the plot has ", room, " pt")
                        : cat("the plot leaves ", room, " pt for the legend"),
                  "."));
}

}  // namespace

Status check(const LayoutInput& input, const Layout& layout, bool single_cell) {
  if (layout.legend_rows.empty() || !input.legend.has_rows()) return {};
  const auto available = available_width(input.legend.position, layout, single_cell);
  if (!available) return {};
  for (const RowEntry& entry : layout.legend_rows) {
    if (entry.width > *available + kFitTolerance) {
      const double beyond_label = entry.width - entry.label.width();
      return std::unexpected(legend_too_wide(input.context, entry.label.text,
                                             entry.label.width(), LegendPlace::Panel,
                                             *available - beyond_label));
    }
  }
  return check_height(input, layout);
}

}  // namespace lodra::layout::placement
