#include "layout/legend_measure.h"

#include <algorithm>
#include <cmath>

#include "layout/direct_labels.h"

namespace lodra::layout {

namespace {

constexpr double kFitTolerance = 1e-6;
constexpr double kLargestMarker = 10000.0;

// Row height, chip padding and gap between entries, with and without chips.
constexpr double kChipExtraHeight = 6.0;
constexpr double kChipPadding = 7.0;
constexpr double kChipGap = 6.0;
constexpr double kEntryGap = 12.0;
// Beside a right legend, and below a bottom one.
constexpr double kRightMargin = 12.0;
constexpr double kBottomMargin = 8.0;

double line_height(double text_size) { return 1.35 * text_size; }

double clamped_marker_size(const Theme& theme) {
  double size = theme.marker_size;
  return std::isfinite(size) ? std::clamp(size, 0.0, kLargestMarker) : 0.0;
}

// Swatch, gap and label, with the chip's padding on both sides.
double natural_width(const RowEntry& entry, double padding) {
  return entry.swatch_box.width + kSwatchGap + entry.label.width() + 2.0 * padding;
}

MeasuredRow measure_row(const Theme& theme, const Legend& legend,
                        const text::FontLibrary& fonts) {
  const scene::TextStyle style = text_style(theme.font_scale * theme.text_size, theme.body_font,
                                            text::Weight::Regular, false);
  const double s = style.size;
  const text::TextLayout metrics = fonts.layout({}, style);
  MeasuredRow row;
  row.chips = legend.chips;
  row.text_size = s;
  row.ascent = metrics.ascent;
  row.descent = metrics.descent;
  row.row_height = line_height(s) + (row.chips ? kChipExtraHeight : 0.0);
  row.padding = row.chips ? kChipPadding : 0.0;
  row.gap = row.chips ? kChipGap : kEntryGap;
  for (const LegendEntry& entry : legend.keyed) {
    Swatch swatch = row.chips ? chip_swatch(entry.swatch, s) : entry.swatch;
    SwatchBox box = swatch_box(swatch, s, theme);
    row.row_height = std::max(row.row_height, box.height);
    RowEntry measured;
    measured.label = measure(fonts, entry.label, style);
    measured.swatch = swatch;
    measured.swatch_box = Rect{0.0, 0.0, box.width, box.height};
    measured.stroke = box.stroke;
    row.entries.push_back(std::move(measured));
  }
  for (RowEntry& entry : row.entries) {
    entry.width = natural_width(entry, row.padding);
    if (row.chips) entry.width = std::max(entry.width, row.row_height);
  }
  return row;
}

// The entry at (x, top) of its row: content centred in a chip wider than it, swatch centred on
// the row, label baseline centring the text on the row.
RowEntry laid_at(RowEntry entry, double x, double top, const MeasuredRow& row) {
  const double extra = entry.width - natural_width(entry, row.padding);
  const double content = x + row.padding + extra / 2.0;
  const double middle = top + row.row_height / 2.0;
  entry.x = x;
  entry.y = top;
  entry.swatch_box.left = content;
  entry.swatch_box.top = middle - entry.swatch_box.height / 2.0;
  entry.label.x = content + entry.swatch_box.width + kSwatchGap;
  entry.label.y = middle + (row.ascent - row.descent) / 2.0;
  if (row.chips) entry.chip = Rect{x, top, entry.width, row.row_height};
  return entry;
}

}  // namespace

MeasuredLegend MeasuredLegend::measure(const Figure& figure, const Legend& legend,
                                       const text::FontLibrary& fonts) {
  const Theme& theme = figure.theme();
  MeasuredLegend out;
  if (!legend.keyed.empty()) out.row = measure_row(theme, legend, fonts);
  const scene::TextStyle style = text_style(theme.font_scale * theme.text_size, theme.body_font,
                                            text::Weight::Regular, true);
  const text::TextLayout metrics = fonts.layout({}, style);
  out.direct = DirectLabels::measure(legend.direct, style, fonts);
  out.direct_size = style.size;
  out.direct_ascent = metrics.ascent;
  out.direct_descent = metrics.descent;
  out.marker_size = clamped_marker_size(theme);
  return out;
}

LegendRow MeasuredLegend::row_within(double left, double right) const {
  LegendRow out;
  if (!row) return out;
  out.row_height = row->row_height;
  double x = left;
  double top = 0.0;
  bool first_of_row = true;
  for (const RowEntry& entry : row->entries) {
    if (!first_of_row && x + entry.width > right + kFitTolerance) {
      x = left;
      top += kRowGap + row->row_height;
      first_of_row = true;
    }
    if (first_of_row) ++out.rows;
    out.entries.push_back(laid_at(entry, x, top, *row));
    x += entry.width + row->gap;
    first_of_row = false;
  }
  return out;
}

double MeasuredLegend::right_reserve() const {
  if (position != LegendPosition::Right || !row) return 0.0;
  double widest = 0.0;
  for (const RowEntry& entry : row->entries) widest = std::max(widest, entry.width);
  return widest + kRightMargin;
}

double MeasuredLegend::bottom_reserve(double left, double right) const {
  if (position != LegendPosition::Bottom || !row) return 0.0;
  return row_within(left, right).height() + kBottomMargin;
}

double MeasuredLegend::direct_reserve() const {
  if (direct.empty()) return 0.0;
  double widest = 0.0;
  for (const MeasuredDirect& entry : direct) widest = std::max(widest, entry.label.width());
  return 0.5 * marker_size + kEndDotGap + widest;
}

}  // namespace lodra::layout
