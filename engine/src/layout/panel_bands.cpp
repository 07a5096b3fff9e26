#include "layout/panel_bands.h"

#include <algorithm>
#include <span>

#include "layout/text_styles.h"

namespace lodra::layout {

namespace {

std::vector<TickLabel> measured_ticks(const text::FontLibrary& fonts,
                                      std::span<const AxisTick> ticks,
                                      const scene::TextStyle& style) {
  std::vector<TickLabel> labels;
  labels.reserve(ticks.size());
  for (const AxisTick& tick : ticks) {
    labels.push_back({tick.position, measure(fonts, tick.label, style)});
  }
  return labels;
}

std::optional<Label> axis_label(const text::FontLibrary& fonts, const std::string& text,
                                const scene::TextStyle& style) {
  if (text.empty()) return std::nullopt;
  return measure(fonts, text, style);
}

// One text line and the gap above it; 0 without the text.
double line_band(const std::optional<Label>& label) {
  return label ? label->ascent() + label->descent() + kTickGap : 0;
}

// The height of the legend rows within the estimated span when they go in the header.
std::optional<double> header_rows_height(const MeasuredLegend& legend,
                                         const WidthEstimate& estimate) {
  if (!rows_in_header(legend)) return std::nullopt;
  return legend.row_within(estimate.left, estimate.right).height();
}

}  // namespace

bool rows_in_header(const MeasuredLegend& legend) {
  bool top = legend.position == LegendPosition::TopLeft ||
             legend.position == LegendPosition::TopRight;
  return top && legend.has_rows();
}

PanelBands measure_panel(const LayoutInput& input, const resolve::Resolved& resolved,
                         const WidthEstimate& estimate, LabelVisibility visibility) {
  const Theme& theme = input.figure.theme();
  const text::FontLibrary& fonts = input.fonts;
  scene::TextStyle ticks = tick_style(theme);
  scene::TextStyle body = body_style(theme);
  text::TextLayout tick_line = fonts.layout({}, ticks);

  PanelBands bands;
  bands.header = Header::measure(fonts, input.axes.title, input.axes.subtitle, title_style(theme),
                                 body, header_rows_height(input.legend, estimate));
  if (visibility.y) bands.y_tick_labels = measured_ticks(fonts, resolved.y.ticks, ticks);
  if (visibility.x) bands.x_tick_labels = measured_ticks(fonts, resolved.x.ticks, ticks);
  bands.x_extents = extents(bands.x_tick_labels);
  bands.x_label = axis_label(fonts, input.axes.xlabel, body);
  bands.y_label = axis_label(fonts, input.axes.ylabel, body);

  bands.tick_ascent = tick_line.ascent;
  bands.tick_size = ticks.size;
  if (bands.y_label) bands.y_label_band = kTickGap + bands.y_label->ascent();
  if (const TickLabel* widest_y = widest(bands.y_tick_labels)) {
    bands.widest_y_tick = widest_y->label.width();
    bands.y_tick_band = kLabelGap + bands.widest_y_tick;
    bands.overhang_above = std::max(tick_line.ascent - kYTickDrop * ticks.size, 0.0);
    bands.overhang_below = std::max(kYTickDrop * ticks.size + tick_line.descent, 0.0);
  }
  if (!bands.x_tick_labels.empty()) {
    bands.x_tick_band = double{tick_line.ascent} + tick_line.descent + kTickGap;
  }
  bands.x_label_band = line_band(bands.x_label);

  if (!input.legend.direct.empty()) {
    bands.uncapped_direct_reserve = input.legend.direct_reserve();
    bands.direct_reserve = std::min(bands.uncapped_direct_reserve, estimate.quarter);
  }
  bands.right_reserve = input.legend.right_reserve();
  bands.bottom_reserve = input.legend.bottom_reserve(estimate.left, estimate.right);
  return bands;
}

}  // namespace lodra::layout
