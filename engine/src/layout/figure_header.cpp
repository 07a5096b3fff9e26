#include "layout/figure_header.h"

#include <cmath>

#include "layout/fit_messages.h"
#include "layout/panel_bands.h"
#include "layout/text_styles.h"

namespace lodra::layout {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kFitTolerance = 1e-6;

double page_width(const Figure& figure) { return figure.width() * kPointsPerInch; }
double page_height(const Figure& figure) { return figure.height() * kPointsPerInch; }

Status check_legend(const FigureHeader& header, const Figure& figure, std::string_view context) {
  double room = page_width(figure) - 2 * kPanelMargin;
  for (const RowEntry& entry : header.legend) {
    if (entry.width > room + kFitTolerance) {
      return std::unexpected(legend_too_wide(context, entry.label.text, entry.label.width(),
                                             LegendPlace::Figure,
                                             room - (entry.width - entry.label.width())));
    }
  }
  return {};
}

}  // namespace

FigureHeader FigureHeader::measure(const Figure& figure, const MeasuredLegend& legend,
                                   const text::FontLibrary& fonts) {
  const Theme& theme = figure.theme();
  double left = kPanelMargin;
  double right = page_width(figure) - kPanelMargin;
  std::optional<LegendRow> rows;
  if (legend.has_rows()) rows = legend.row_within(left, right);
  std::optional<double> rows_height;
  if (rows) rows_height = rows->height();
  Header header = Header::measure(fonts, figure.title(), figure.subtitle(),
                                  figure_title_style(theme), body_style(theme), rows_height);
  PlacedHeader placed = header.place(left, right, kPanelMargin, theme.title_align,
                                     rows.has_value(), rows_height.value_or(0));
  FigureHeader result{.legend = {},
                      .title = std::move(placed.title),
                      .subtitle = std::move(placed.subtitle),
                      .height = placed.bottom};
  if (rows) {
    result.legend = LegendRow::placed(
        LegendRow::aligned(std::move(*rows), theme.title_align, left, right), placed.legend_top);
  }
  return result;
}

Status FigureHeader::check(const FigureHeader& header, const Figure& figure,
                           std::string_view context) {
  LODRA_TRY(check_legend(header, figure, context));
  double page = page_height(figure);
  bool empty_page_too_short = figure.axes().empty() && header.height > kPanelMargin &&
                              header.height + kPanelMargin > page;
  if (!empty_page_too_short) return {};
  Removable items{.title = header.title.has_value(),
                  .subtitle = header.subtitle.has_value(),
                  .legend = !header.legend.empty()};
  double needed = std::max(std::ceil(header.height + kPanelMargin), std::floor(page) + 1);
  return std::unexpected(
      plot_area_missing(context, Extent::Tall, page, needed, taller_hint(items)));
}

}  // namespace lodra::layout
