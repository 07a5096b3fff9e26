#include "layout/solve_single.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "layout/fit_messages.h"
#include "layout/inset.h"

namespace lodra::layout {

namespace {

constexpr double kFitTolerance = 1e-6;
// Beyond this share of a panel's width, the direct-label reserve is capped.
constexpr double kQuarter = 0.25;

// The plot's edges without inset, how far they may move in, and where labels must stay.
inset::Edges edges_of(const PanelBands& bands, const Rect& cell) {
  double left = cell.left + kPanelMargin + bands.y_tick_band;
  double right = cell.right() - kPanelMargin - std::max(bands.direct_reserve, bands.right_reserve);
  double quarter = kQuarter * std::max(cell.width - 2 * kPanelMargin, 0.0);
  return {.default_left = left,
          .most_left = std::max(left, cell.left + kPanelMargin + quarter),
          .least_right = std::min(right, cell.right() - kPanelMargin - quarter),
          .default_right = right,
          .low = cell.left + kLabelGap,
          .high = cell.right() - kLabelGap};
}

// The first right-legend entry that does not fit beside a 1 pt plot.
std::optional<Error> right_legend_error(const LayoutInput& input, const inset::Edges& edges,
                                        const Rect& cell) {
  double room = (cell.right() - kPanelMargin) - edges.default_left - 1 - kPanelMargin;
  LegendRow column = input.legend.row_within(0, 0);
  for (const RowEntry& entry : column.entries) {
    if (entry.width > room + kFitTolerance) {
      return legend_too_wide(input.context, entry.label.text, entry.label.width(),
                             LegendPlace::Panel, room - (entry.width - entry.label.width()));
    }
  }
  return std::nullopt;
}

// The width a panel needs for a 1 pt plot: beside a right legend, or beside direct labels whose
// reserve is capped at a quarter of the width.
double needed_width(const PanelBands& bands, const inset::Edges& edges, const Rect& cell) {
  if (bands.right_reserve > 0) {
    return std::ceil(bands.right_reserve + bands.y_tick_band + 2 * kPanelMargin + 1);
  }
  double beside = edges.default_left - (cell.left + kPanelMargin) + 1;
  double capped_from = beside / (1 - kQuarter);
  double reserve = bands.uncapped_direct_reserve;
  double content = reserve >= kQuarter * capped_from ? capped_from : beside + reserve;
  return std::ceil(content + 2 * kPanelMargin);
}

Error too_narrow(const LayoutInput& input, const PanelBands& bands, const inset::Edges& edges,
                 const Rect& cell) {
  if (bands.right_reserve > 0) {
    if (auto error = right_legend_error(input, edges, cell)) return *error;
  }
  if (!bands.y_tick_labels.empty()) {
    double room = edges.default_right - 1 - (cell.left + kPanelMargin) - kLabelGap;
    if (room >= 0) return y_labels_leave_no_room(input.context, bands.y_tick_labels, room);
  }
  return plot_area_missing(input.context, Extent::Wide, cell.width,
                           needed_width(bands, edges, cell), "widen the figure.");
}

// The header's height, its legend rows laid within the plot span when they sit top right.
double header_height(const LayoutInput& input, const PanelBands& bands, inset::PlotSpan span) {
  if (input.legend.position != LegendPosition::TopRight || !rows_in_header(input.legend)) {
    return bands.header.height();
  }
  return bands.header.height(input.legend.row_within(span.left, span.right).height());
}

// Below the plot: the x tick and axis labels, or with a bottom legend also the y tick labels'
// overhang; then the margin and the legend.
double bottom_of(const PanelBands& bands) {
  double labels = bands.x_tick_band + bands.x_label_band;
  if (bands.bottom_reserve > 0) labels = std::max(labels, bands.overhang_below);
  return labels + kPanelMargin + bands.bottom_reserve;
}

Error too_short(const LayoutInput& input, const PanelBands& bands, const Rect& cell, double top,
                double plot_top, double bottom) {
  bool header_rows = rows_in_header(input.legend);
  Removable items{.figure_header = top > cell.top + kPanelMargin,
                  .title = bands.header.title.has_value(),
                  .subtitle = bands.header.subtitle.has_value(),
                  .legend = header_rows || bands.bottom_reserve > 0};
  double needed = std::ceil(plot_top - cell.top + 1 + bottom);
  return plot_area_missing(input.context, Extent::Tall, cell.height, needed, taller_hint(items));
}

Error x_labels_error(const LayoutInput& input, const PanelBands& bands,
                     const inset::Edges& edges) {
  return x_labels_wider_than(input.context, bands.x_tick_labels,
                             inset::widest_label_that_fits(edges, bands.x_extents));
}

bool labels_inside(const PanelBands& bands, const Rect& cell, const Rect& plot) {
  return std::ranges::all_of(bands.x_extents, [&](const TickLabelExtent& label) {
    double left = label.position * plot.width + plot.left - label.half_width;
    return left >= cell.left + kLabelGap - kFitTolerance &&
           left + 2 * label.half_width <= cell.right() - kLabelGap + kFitTolerance;
  });
}

}  // namespace

Result<Rect> solve_single(const LayoutInput& input, const PanelBands& bands, const Rect& cell,
                          double top) {
  inset::Edges edges = edges_of(bands, cell);
  if (!inset::fit_x_labels(edges, {})) {
    return std::unexpected(too_narrow(input, bands, edges, cell));
  }
  std::optional<inset::PlotSpan> span = inset::fit_x_labels(edges, bands.x_extents);
  if (!span) return std::unexpected(x_labels_error(input, bands, edges));
  double plot_top =
      top + header_height(input, bands, *span) + bands.y_label_band + bands.overhang_above;
  double bottom = bottom_of(bands);
  double height = cell.bottom() - bottom - plot_top;
  if (!(height >= 1)) {
    return std::unexpected(too_short(input, bands, cell, top, plot_top, bottom));
  }

  double left = std::clamp(span->left, cell.left, cell.right() - 1);
  double width = std::max(std::min(span->right, cell.right()), left + 1) - left;
  Rect plot{left, plot_top, width, height};
  if (!labels_inside(bands, cell, plot)) {
    return std::unexpected(x_labels_error(input, bands, edges));
  }
  return plot;
}

}  // namespace lodra::layout
