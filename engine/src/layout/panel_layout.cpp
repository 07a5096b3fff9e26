#include "layout/panel_layout.h"

#include <algorithm>

namespace lodra::layout {

namespace {

// Between the texts below the plot and a bottom legend.
constexpr double kBottomLegendGap = 8;

// The header rows of a top legend, laid but not yet moved down to the header's legend line.
std::optional<LegendRow> header_rows(const MeasuredLegend& legend, const PanelSlot& slot) {
  if (!rows_in_header(legend)) return std::nullopt;
  if (legend.position == LegendPosition::TopLeft) {
    return legend.row_within(slot.header_left, slot.header_right);
  }
  const Rect& plot = slot.plot;
  return LegendRow::aligned(legend.row_within(plot.left, plot.right()), Align::Right, plot.left,
                            plot.right());
}

// Where a legend that is not in the header goes: rows below the plot, a column right of it, or
// a column inside it (moved later when its position is BEST).
std::vector<RowEntry> other_rows(const MeasuredLegend& legend, const PanelBands& bands,
                                 const PanelSlot& slot, const std::optional<Label>& x_label) {
  const Rect& plot = slot.plot;
  switch (legend.position) {
    case LegendPosition::Right: {
      double left = plot.right() + kPanelMargin;
      return LegendRow::placed(legend.row_within(left, left), plot.top);
    }
    case LegendPosition::Bottom: {
      double top = plot.bottom() + std::max(bands.x_tick_band + bands.x_label_band,
                                            bands.overhang_below);
      if (x_label) top = std::max(top, x_label->y + x_label->descent());
      return LegendRow::placed(legend.row_within(slot.header_left, slot.header_right),
                               top + kBottomLegendGap);
    }
    case LegendPosition::Best: {
      double left = plot.left + kPanelMargin;
      return LegendRow::placed(legend.row_within(left, left), plot.top + kPanelMargin);
    }
    case LegendPosition::TopLeft:
    case LegendPosition::TopRight:
      break;
  }
  return {};
}

std::vector<Label> y_labels(const PanelBands& bands, const Rect& plot) {
  std::vector<Label> labels;
  labels.reserve(bands.y_tick_labels.size());
  for (const TickLabel& tick : bands.y_tick_labels) {
    Label& label = labels.emplace_back(tick.label);
    label.x = plot.left - kLabelGap - label.width();
    label.y = plot.bottom() - tick.position * plot.height + kYTickDrop * bands.tick_size;
  }
  return labels;
}

std::vector<Label> x_labels(const PanelBands& bands, const Rect& plot) {
  std::vector<Label> labels;
  labels.reserve(bands.x_tick_labels.size());
  for (const TickLabel& tick : bands.x_tick_labels) {
    Label& label = labels.emplace_back(tick.label);
    label.x = plot.left + tick.position * plot.width - label.width() / 2;
    label.y = plot.bottom() + kTickGap + bands.tick_ascent;
  }
  return labels;
}

// Tick positions in points: `origin` + position × `length` (negative upwards).
std::vector<double> tick_points(const resolve::ResolvedAxis& axis, double origin, double length) {
  std::vector<double> points;
  points.reserve(axis.ticks.size());
  for (const AxisTick& tick : axis.ticks) points.push_back(origin + tick.position * length);
  return points;
}

}  // namespace

Layout place_panel(const LayoutInput& input, const resolve::Resolved& resolved,
                   const PanelBands& bands, const PanelSlot& slot) {
  const Rect& plot = slot.plot;
  Layout layout;
  layout.plot = plot;
  layout.cell = slot.cell;

  std::optional<LegendRow> rows = header_rows(input.legend, slot);
  double rows_height = rows ? rows->height() : 0;
  PlacedHeader header =
      bands.header.place(slot.header_left, slot.header_right, slot.header_top,
                         input.figure.theme().title_align, rows.has_value(), rows_height);
  layout.title = std::move(header.title);
  layout.subtitle = std::move(header.subtitle);

  if (bands.x_label) {
    Label& label = layout.x_label.emplace(*bands.x_label);
    label.x = plot.left + plot.width / 2 - label.width() / 2;
    label.y = slot.x_label_baseline;
  }
  if (bands.y_label) {
    Label& label = layout.y_label.emplace(*bands.y_label);
    label.x = plot.left - (bands.y_tick_labels.empty() ? 0 : kLabelGap + bands.widest_y_tick);
    label.y = plot.top - bands.overhang_above - kTickGap;
  }

  if (rows) {
    layout.legend_rows = LegendRow::placed(std::move(*rows), header.legend_top);
  } else if (input.legend.has_rows()) {
    layout.legend_rows = other_rows(input.legend, bands, slot, layout.x_label);
  }
  layout.direct_labels = DirectLabels::placed(input.legend, plot, resolved);

  layout.y_tick_labels = y_labels(bands, plot);
  layout.x_tick_labels = x_labels(bands, plot);
  layout.x_ticks = tick_points(resolved.x, plot.left, plot.width);
  layout.y_ticks = tick_points(resolved.y, plot.bottom(), -plot.height);
  layout.baseline = plot.bottom() - resolved.y.baseline * plot.height;
  return layout;
}

}  // namespace lodra::layout
