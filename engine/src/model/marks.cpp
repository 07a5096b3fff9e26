#include "model/marks.h"

#include "model/mark_checks.h"

namespace lodra {

Result<XySeries> XySeries::make(std::string_view context, const Scale& x_scale,
                                const Scale& y_scale, AxisData x, SharedFloats y,
                                std::string_view hint) {
  LODRA_TRY(check_xy_series(context, x_scale, y_scale, x, *y, hint));
  return XySeries{std::move(x), std::move(y)};
}

Result<ViolinMark> ViolinMark::make(std::string_view context, const Scale& x_scale,
                                    const Scale& y_scale, SharedNames categories,
                                    SampleGroups groups, FilledStyle style) {
  LODRA_TRY(check_box_groups(context, "violins", x_scale, y_scale, *categories, groups));
  return ViolinMark{std::move(categories), std::move(groups), std::move(style.label),
                    style.color};
}

Result<BoxGroupMark> BoxGroupMark::with_context(std::string_view context, std::string_view noun,
                                                const Scale& x_scale, const Scale& y_scale,
                                                SharedNames categories,
                                                std::vector<Distribution> distributions) {
  LODRA_TRY(check_distributions(context, noun, x_scale, y_scale, *categories, distributions));
  return BoxGroupMark{std::move(categories), std::move(distributions)};
}

Result<BoxMark> BoxMark::make(std::string_view context, const Scale& x_scale,
                              const Scale& y_scale, SharedNames categories, SampleGroups groups,
                              FilledStyle style) {
  LODRA_TRY(check_box_groups(context, "box plots", x_scale, y_scale, *categories, groups));
  return BoxMark{std::move(categories), std::move(groups), std::move(style.label), style.color};
}

Result<BarMark> BarMark::make(std::string_view context, const Scale& x_scale,
                              const Scale& y_scale, SharedNames categories, SharedFloats heights,
                              FilledStyle style) {
  LODRA_TRY(check_bar(context, x_scale, y_scale, *categories, *heights));
  return BarMark{std::move(categories), std::move(heights), std::move(style)};
}

Result<BarGroupMark> BarGroupMark::make(std::string_view context, bool stacked,
                                        const Scale& x_scale, const Scale& y_scale,
                                        SharedNames categories, std::vector<Series> series) {
  LODRA_TRY(check_bar_group(context, stacked, x_scale, y_scale, *categories, series));
  return BarGroupMark{std::move(categories), std::move(series)};
}

Result<StackedAreaMark> StackedAreaMark::make(std::string_view context, const Scale& x_scale,
                                              const Scale& y_scale, SharedFloats x,
                                              std::vector<Series> series) {
  LODRA_TRY(check_stacked_area(context, x_scale, y_scale, *x, series));
  return StackedAreaMark{std::move(x), std::move(series)};
}

Result<HistMark> HistMark::make(std::string_view context, const Scale& x_scale,
                                SharedFloats values, std::int64_t bins, FilledStyle style) {
  LODRA_TRY_ASSIGN(std::uint32_t count, check_hist(context, x_scale, *values, bins));
  return HistMark{std::move(values), count, std::move(style)};
}

}  // namespace lodra
