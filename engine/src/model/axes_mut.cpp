#include "model/axes_mut.h"

#include "model/mark_checks.h"
#include "model/validation.h"

namespace lodra {

namespace {

// The refusal of an x-axis setting or mark that only numeric axes take.
Status check_numeric_x(std::string_view context, const Scale& x_scale, std::string_view what,
                       std::string_view hint = kNeedsNumericXHint) {
  if (!x_scale.is_category()) return {};
  return fail(ErrorKind::Usage, context, "", hint,
              cat("this is a category axis; ", what, " apply to linear and log axes only."));
}

ContinuousKind continuous_kind(const Scale& scale) {
  return scale.is_log() ? ContinuousKind::Log : ContinuousKind::Linear;
}

std::string position_name(LegendPosition position) {
  return cat("LegendPosition.", EnumInfo<LegendPosition>::members[static_cast<int>(position)]);
}

}  // namespace

Status AxesMut::append(Mark mark) {
  axes_mut().marks.push_back(std::move(mark));
  return {};
}

template <class XyMark, class Style>
Status AxesMut::append_xy(std::string_view context, std::string_view gap_hint, AxisData x,
                          SharedFloats y, Style style) {
  LODRA_TRY_ASSIGN(XySeries series, XySeries::make(context, axes().x_scale, axes().y_scale,
                                                   std::move(x), std::move(y), gap_hint));
  return append(XyMark{std::move(series), std::move(style)});
}

Status AxesMut::line_shared(AxisData x, SharedFloats y, LineStyle style) {
  return append_xy<LineMark>("Axes.line()", "use NaN to leave a gap in the line.", std::move(x),
                             std::move(y), std::move(style));
}

Status AxesMut::area_shared(AxisData x, SharedFloats y, LineStyle style) {
  return append_xy<AreaMark>("Axes.area()", "use NaN to leave a gap in the area.", std::move(x),
                             std::move(y), std::move(style));
}

Status AxesMut::scatter_shared(AxisData x, SharedFloats y, PointStyle style) {
  return append_xy<ScatterMark>("Axes.scatter()", "use NaN to leave a point out.", std::move(x),
                                std::move(y), std::move(style));
}

Status AxesMut::stem_shared(AxisData x, SharedFloats y, PointStyle style) {
  return append_xy<StemMark>("Axes.stem()", "use NaN to leave a point out.", std::move(x),
                             std::move(y), std::move(style));
}

Status AxesMut::step_shared(AxisData x, SharedFloats y, Step position, LineStyle style) {
  constexpr std::string_view context = "Axes.step()";
  LODRA_TRY_ASSIGN(XySeries series,
                   XySeries::make(context, axes().x_scale, axes().y_scale, std::move(x),
                                  std::move(y), "use NaN to leave a gap in the line."));
  LODRA_TRY(check_step_order(context, series.x));
  return append(StepMark{std::move(series), position, std::move(style)});
}

Status AxesMut::bubbles_shared(SharedFloats x, SharedFloats y, SharedFloats sizes,
                               std::string label, ColorSpec color, Marker marker) {
  LODRA_TRY(check_bubbles("Axes.bubbles()", axes().x_scale, axes().y_scale, x, y, sizes));
  return append(BubblesMark{std::move(x), std::move(y), std::move(sizes), std::move(label), color,
                            marker});
}

Status AxesMut::band_shared(SharedFloats x, SharedFloats low, SharedFloats high,
                            FilledStyle style) {
  LODRA_TRY(check_band("Axes.band()", axes().x_scale, axes().y_scale, x, low, high));
  return append(BandMark{std::move(x), std::move(low), std::move(high), std::move(style)});
}

Status AxesMut::bar_shared(SharedNames categories, SharedFloats heights, FilledStyle style) {
  LODRA_TRY_ASSIGN(BarMark bar, BarMark::make("Axes.bar()", axes().x_scale, axes().y_scale,
                                              std::move(categories), std::move(heights),
                                              std::move(style)));
  return append(std::move(bar));
}

Status AxesMut::grouped_bar(SharedNames categories, std::vector<Series> series) {
  LODRA_TRY_ASSIGN(BarGroupMark bars,
                   BarGroupMark::make("Axes.grouped_bar()", false, axes().x_scale,
                                      axes().y_scale, std::move(categories), std::move(series)));
  return append(GroupedBarMark{std::move(bars)});
}

Status AxesMut::stacked_bar(SharedNames categories, std::vector<Series> series) {
  LODRA_TRY_ASSIGN(BarGroupMark bars,
                   BarGroupMark::make("Axes.stacked_bar()", true, axes().x_scale,
                                      axes().y_scale, std::move(categories), std::move(series)));
  return append(StackedBarMark{std::move(bars)});
}

Status AxesMut::stacked_area_shared(SharedFloats x, std::vector<Series> series) {
  LODRA_TRY_ASSIGN(StackedAreaMark area,
                   StackedAreaMark::make("Axes.stacked_area()", axes().x_scale, axes().y_scale,
                                         std::move(x), std::move(series)));
  return append(std::move(area));
}

Status AxesMut::hist_shared(SharedFloats values, std::int64_t bins, FilledStyle style) {
  LODRA_TRY_ASSIGN(HistMark hist, HistMark::make("Axes.hist()", axes().x_scale, std::move(values),
                                                 bins, std::move(style)));
  return append(std::move(hist));
}

Status AxesMut::box_plot(SharedNames categories, SampleGroups groups, FilledStyle style) {
  LODRA_TRY_ASSIGN(BoxMark box, BoxMark::make("Axes.box()", axes().x_scale, axes().y_scale,
                                              std::move(categories), std::move(groups),
                                              std::move(style)));
  return append(std::move(box));
}

Status AxesMut::violin(SharedNames categories, SampleGroups groups, FilledStyle style) {
  LODRA_TRY_ASSIGN(ViolinMark violin,
                   ViolinMark::make("Axes.violin()", axes().x_scale, axes().y_scale,
                                    std::move(categories), std::move(groups), std::move(style)));
  return append(std::move(violin));
}

Status AxesMut::grouped_box_plot(SharedNames categories, std::vector<Distribution> distributions) {
  LODRA_TRY_ASSIGN(BoxGroupMark boxes,
                   BoxGroupMark::with_context("Axes.grouped_box()", "box plots", axes().x_scale,
                                              axes().y_scale, std::move(categories),
                                              std::move(distributions)));
  return append(GroupedBoxMark{std::move(boxes)});
}

Status AxesMut::grouped_violin(SharedNames categories, std::vector<Distribution> distributions) {
  LODRA_TRY_ASSIGN(BoxGroupMark violins,
                   BoxGroupMark::with_context("Axes.grouped_violin()", "violins", axes().x_scale,
                                              axes().y_scale, std::move(categories),
                                              std::move(distributions)));
  return append(GroupedViolinMark{std::move(violins)});
}

Status AxesMut::y_error_bars_shared(AxisData x, SharedFloats low, SharedFloats high,
                                    std::string label, ColorSpec color, SizeSpec width,
                                    bool caps) {
  LODRA_TRY(check_y_error_bars("Axes.y_error_bars()", axes().x_scale, axes().y_scale, x, low,
                               high));
  return append(ErrorBarsMark{ErrorBarDirection::AlongY, std::move(x), std::move(low),
                              std::move(high), std::move(label), color, width, caps});
}

Status AxesMut::x_error_bars_shared(SharedFloats y, SharedFloats low, SharedFloats high,
                                    std::string label, ColorSpec color, SizeSpec width,
                                    bool caps) {
  LODRA_TRY(check_x_error_bars("Axes.x_error_bars()", axes().x_scale, axes().y_scale, y, low,
                               high));
  return append(ErrorBarsMark{ErrorBarDirection::AlongX, AxisData{std::move(y)}, std::move(low),
                              std::move(high), std::move(label), color, width, caps});
}

Status AxesMut::hline(double y, LineStyle style) {
  LODRA_TRY(check_reference_value("Axes.hline()", "y", "a reference line needs a finite value", y,
                                  axes().y_scale.is_log()));
  return append(HLineMark{y, std::move(style)});
}

Status AxesMut::vline(AxisValue x, LineStyle style) {
  LODRA_TRY(check_vline_x("Axes.vline()", axes().x_scale, x));
  return append(VLineMark{std::move(x), std::move(style)});
}

Status AxesMut::hspan(double low, double high, FilledStyle style) {
  LODRA_TRY(check_span("Axes.hspan()", axes().y_scale, low, high));
  return append(HSpanMark{low, high, std::move(style)});
}

Status AxesMut::vspan(double low, double high, FilledStyle style) {
  constexpr std::string_view context = "Axes.vspan()";
  LODRA_TRY(check_numeric_x(context, axes().x_scale, "spans along x",
                            "vspan needs a numeric x axis; use vline on a category."));
  LODRA_TRY(check_span(context, axes().x_scale, low, high));
  return append(VSpanMark{low, high, std::move(style)});
}

Status AxesMut::set_limits(Side side, std::string_view context, double low, double high) {
  const Scale& scale = axes().scale(side);
  LODRA_TRY_ASSIGN(ContinuousScale limits,
                   ContinuousScale::make(continuous_kind(scale), context, scale.base, low, high));
  AxisSettings settings = axes().settings(side);
  settings.limits = limits;
  return figure_->set_group(index_, side, GroupSetting::Limits, std::move(settings), context);
}

Status AxesMut::set_ticks(Side side, std::string_view context, std::vector<double> positions) {
  AxisSettings settings = axes().settings(side);
  LODRA_TRY(settings.ticks.set_positions(context, axes().scale(side), std::move(positions)));
  return figure_->set_group(index_, side, GroupSetting::Ticks, std::move(settings), context);
}

Status AxesMut::set_labeled_ticks(Side side, std::string_view context,
                                  std::vector<double> positions,
                                  std::vector<std::string> labels) {
  AxisSettings settings = axes().settings(side);
  LODRA_TRY(settings.ticks.set_labeled(context, axes().scale(side), std::move(positions),
                                       std::move(labels)));
  return figure_->set_group(index_, side, GroupSetting::Ticks, std::move(settings), context);
}

Status AxesMut::set_tick_format(Side side, std::string_view context, TickFormat format) {
  AxisSettings settings = axes().settings(side);
  LODRA_TRY(settings.ticks.set_format(context, std::move(format)));
  return figure_->set_group(index_, side, GroupSetting::Format, std::move(settings), context);
}

Status AxesMut::xlim(double low, double high) {
  constexpr std::string_view context = "Axes.xlim()";
  LODRA_TRY(check_numeric_x(context, axes().x_scale, "limits"));
  return set_limits(Side::X, context, low, high);
}

Status AxesMut::ylim(double low, double high) {
  return set_limits(Side::Y, "Axes.ylim()", low, high);
}

Status AxesMut::xticks(std::vector<double> positions) {
  constexpr std::string_view context = "Axes.xticks()";
  LODRA_TRY(check_numeric_x(context, axes().x_scale, "ticks"));
  return set_ticks(Side::X, context, std::move(positions));
}

Status AxesMut::yticks(std::vector<double> positions) {
  return set_ticks(Side::Y, "Axes.yticks()", std::move(positions));
}

Status AxesMut::xticks_labeled(std::vector<double> positions, std::vector<std::string> labels) {
  constexpr std::string_view context = "Axes.xticks_labeled()";
  LODRA_TRY(check_numeric_x(context, axes().x_scale, "ticks"));
  return set_labeled_ticks(Side::X, context, std::move(positions), std::move(labels));
}

Status AxesMut::yticks_labeled(std::vector<double> positions, std::vector<std::string> labels) {
  return set_labeled_ticks(Side::Y, "Axes.yticks_labeled()", std::move(positions),
                           std::move(labels));
}

Status AxesMut::xtick_format(TickFormat format) {
  constexpr std::string_view context = "Axes.xtick_format()";
  LODRA_TRY(check_numeric_x(context, axes().x_scale, "tick formats"));
  return set_tick_format(Side::X, context, std::move(format));
}

Status AxesMut::ytick_format(TickFormat format) {
  return set_tick_format(Side::Y, "Axes.ytick_format()", std::move(format));
}

void AxesMut::legend(LegendStyle style) {
  axes_mut().legend_style = style;
  axes_mut().legend_position.reset();
}

Status AxesMut::legend_at(LegendStyle style, std::optional<LegendPosition> position) {
  if (style == LegendStyle::Direct && position) {
    return fail(ErrorKind::Usage, "Axes.legend()", "position",
                "drop position=, or use another legend style.",
                cat("position is ", position_name(*position),
                    "; direct labels sit at the ends of their lines and take no position."));
  }
  axes_mut().legend_style = style;
  axes_mut().legend_position = position;
  return {};
}

}  // namespace lodra
