#include "model/mark_checks.h"

#include <cmath>

#include "model/validation.h"

namespace lodra {

namespace {

// "{first} has {n} values but {second} has {m}; " — the start of every length mismatch.
std::string count_mismatch(std::string_view first, std::size_t first_count,
                           std::string_view second, std::size_t second_count) {
  return cat(first, " has ", first_count, " values but ", second, " has ", second_count, "; ");
}

// Low and high must each have as many values as the positions they belong to.
Status check_limit_lengths(std::string_view context, std::string_view positions_name,
                           std::size_t positions_count, std::span<const double> low,
                           std::span<const double> high) {
  const std::pair<std::string_view, std::size_t> limits[] = {{"low", low.size()},
                                                              {"high", high.size()}};
  for (auto [name, count] : limits) {
    if (count == positions_count) continue;
    return fail(ErrorKind::Data, context, "", "",
                cat(count_mismatch(positions_name, positions_count, name, count), positions_name,
                    ", low and high must have the same length."));
  }
  return {};
}

std::unexpected<Error> numeric_x_only(std::string_view context, std::string_view marks) {
  return fail(ErrorKind::Usage, context, "x", kNeedsNumericXHint,
              cat("this is a category axis; ", marks, " apply to linear and log axes only."));
}

Status check_category_axis(std::string_view context, std::string_view noun, const Scale& x_scale) {
  if (x_scale.is_category()) return {};
  return fail(ErrorKind::Usage, context, "categories", kNeedsCategoryXHint,
              cat("the x axis is not a category axis; ", noun, " need a category x axis."));
}

constexpr std::string_view kOneGroupPerCategoryHint =
    "pass one group per category, using an empty group when there are no samples.";
constexpr std::string_view kRepeatedSamplesHint = "combine the samples of repeated categories.";

Status check_group_count(std::string_view context, std::string_view parameter,
                         std::string_view name, std::size_t groups, std::size_t categories) {
  if (groups == categories) return {};
  return fail(ErrorKind::Data, context, parameter, kOneGroupPerCategoryHint,
              cat(name, " has ", groups, " groups; categories has ", categories, "."));
}

// The positive and negative sums of the values at one index, NaN and 0 left out.
struct StackSums {
  double positive = 0.0;
  double negative = 0.0;
};

StackSums stack_sums(std::span<const Series> series, std::size_t index) {
  StackSums sums;
  for (const Series& s : series) {
    double v = (*s.values)[index];
    if (v > 0.0) sums.positive += v;
    if (v < 0.0) sums.negative += v;
  }
  return sums;
}

}  // namespace

Status check_xy_series(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                       const AxisData& x, std::span<const double> y, std::string_view hint) {
  if (x.size() != y.size()) {
    return fail(ErrorKind::Data, context, "", "",
                cat(count_mismatch("x", x.size(), "y", y.size()),
                    "x and y must have the same length."));
  }
  LODRA_TRY(check_x_data(context, x_scale, x, hint));
  return check_numbers(context, "y", "y", y, y_scale.is_log(), hint);
}

Status check_band(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                  std::span<const double> x, std::span<const double> low,
                  std::span<const double> high) {
  if (x_scale.is_category()) return numeric_x_only(context, "bands along x");
  LODRA_TRY(check_limit_lengths(context, "x", x.size(), low, high));
  constexpr std::string_view hint = "use NaN to leave a gap in the band.";
  LODRA_TRY(check_numbers(context, "x", "x", x, x_scale.is_log(), hint));
  LODRA_TRY(check_numbers(context, "low", "low", low, y_scale.is_log(), hint));
  LODRA_TRY(check_numbers(context, "high", "high", high, y_scale.is_log(), hint));
  LODRA_TRY(check_sorted(context, x, "band"));
  return check_interval_order(context, low, high);
}

Status check_bubbles(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                     std::span<const double> x, std::span<const double> y,
                     std::span<const double> sizes) {
  if (x_scale.is_category()) return numeric_x_only(context, "bubbles");
  const std::pair<std::string_view, std::size_t> others[] = {{"y", y.size()},
                                                              {"sizes", sizes.size()}};
  for (auto [name, count] : others) {
    if (count == x.size()) continue;
    return fail(ErrorKind::Data, context, "", "",
                cat(count_mismatch("x", x.size(), name, count), "x and ", name,
                    " must have the same length."));
  }
  constexpr std::string_view hint = "use NaN to leave a point out.";
  LODRA_TRY(check_numbers(context, "x", "x", x, x_scale.is_log(), hint));
  LODRA_TRY(check_numbers(context, "y", "y", y, y_scale.is_log(), hint));
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    double s = sizes[i];
    if (s >= 0.0 && s <= kMaxMagnitude) continue;
    std::string shown = cat("sizes[", i, "] is ", display_number(s));
    if (!(s >= 0.0) || std::isinf(s)) {
      return fail(ErrorKind::Data, context, "sizes", "use 0 for a point to leave out.",
                  cat(shown, "; bubble sizes must be finite and at least 0."));
    }
    return fail(ErrorKind::Data, context, "sizes", "",
                cat(shown, "; magnitudes must not exceed 1e300."));
  }
  return {};
}

Status check_bar(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                 std::span<const std::string> categories, std::span<const double> heights) {
  if (categories.size() != heights.size()) {
    return fail(ErrorKind::Data, context, "", "",
                cat(count_mismatch("categories", categories.size(), "heights", heights.size()),
                    "categories and heights must have the same length."));
  }
  LODRA_TRY(check_categories(context, x_scale, categories,
                             "combine repeated categories and sum their heights."));
  return check_numbers(context, "heights", "heights", heights, y_scale.is_log(),
                       "use NaN to leave a category without a bar.");
}

Status check_bar_group(std::string_view context, bool stacked, const Scale& x_scale,
                       const Scale& y_scale, std::span<const std::string> categories,
                       std::span<const Series> series) {
  if (series.empty()) {
    return fail(ErrorKind::Data, context, "series", "",
                "series is empty; pass at least one series.");
  }
  for (std::size_t i = 0; i < series.size(); ++i) {
    std::size_t count = series[i].values->size();
    if (count == categories.size()) continue;
    return fail(ErrorKind::Data, context, "series", "",
                cat("categories has ", categories.size(), " values but series[", i,
                    "].values has ", count, "; each series must have one value per category."));
  }
  LODRA_TRY(check_categories(context, x_scale, categories,
                             "combine repeated categories and sum their heights within each "
                             "series."));
  for (std::size_t j = 0; j < series.size(); ++j) {
    LODRA_TRY(check_numbers(context, cat("series[", j, "].values"), "series", *series[j].values,
                            y_scale.is_log(), "use NaN to omit that height."));
  }
  if (!stacked) return {};
  for (std::size_t k = 0; k < categories.size(); ++k) {
    StackSums sums = stack_sums(series, k);
    double sum = sums.positive > kMaxMagnitude ? sums.positive : sums.negative;
    if (std::fabs(sum) <= kMaxMagnitude) continue;
    return fail(ErrorKind::Data, context, "series", "",
                cat("the values of categories[", k, "] (", quoted(categories[k]),
                    ") stack to ", display_number(sum),
                    "; each stack must stay within 1e300 on both sides of 0."));
  }
  return {};
}

Status check_stacked_area(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                          std::span<const double> x, std::span<const Series> series) {
  if (x_scale.is_category()) return numeric_x_only(context, "stacked areas");
  if (series.empty()) {
    return fail(ErrorKind::Data, context, "series", "",
                "series is empty; pass at least one Series.");
  }
  for (std::size_t i = 0; i < series.size(); ++i) {
    std::size_t count = series[i].values->size();
    if (count == x.size()) continue;
    return fail(ErrorKind::Data, context, "series", "",
                cat("series[", i, "].values has ", count, " values; x has ", x.size(), "."));
  }
  constexpr std::string_view hint = "use NaN to leave a gap in the area.";
  LODRA_TRY(check_numbers(context, "x", "x", x, x_scale.is_log(), hint));
  for (std::size_t i = 0; i < series.size(); ++i) {
    std::span<const double> values = *series[i].values;
    std::size_t negative = 0;
    while (negative < values.size() && !(values[negative] < 0.0 && std::isfinite(values[negative])))
      ++negative;
    std::string name = cat("series[", i, "].values");
    LODRA_TRY(check_numbers(context, name, "series", values.first(negative), y_scale.is_log(),
                            hint));
    if (negative == values.size()) continue;
    return fail(ErrorKind::Data, context, "series", "use stacked_bar for values with mixed signs.",
                cat(name, "[", negative, "] is ", display_number(values[negative]),
                    "; stacked areas need values of at least 0."));
  }
  LODRA_TRY(check_sorted(context, x, "stacked_area"));
  for (std::size_t j = 0; j < x.size(); ++j) {
    if (std::isnan(x[j])) continue;
    bool gap = false;
    for (const Series& s : series) gap = gap || std::isnan((*s.values)[j]);
    if (gap) continue;
    double sum = stack_sums(series, j).positive;
    if (sum <= kMaxMagnitude) continue;
    return fail(ErrorKind::Data, context, "series", "",
                cat("the values at x[", j, "] stack to ", display_number(sum),
                    "; each stack must not exceed 1e300."));
  }
  return {};
}

Result<std::uint32_t> check_hist(std::string_view context, const Scale& x_scale,
                                 std::span<const double> values, std::int64_t bins) {
  if (bins < 1 || bins > kMaxBins) {
    return fail(ErrorKind::Style, context, "bins", bins < 1 ? "use at least one bin." : "",
                cat("bins is ", bins, "; bins must be between 1 and ", kMaxBins, "."));
  }
  constexpr std::string_view hint = "pass x=Scale.linear() to Figure.add_axes().";
  if (x_scale.is_log()) {
    return fail(ErrorKind::Usage, context, "", hint,
                "the x axis is a log axis, which histograms do not support; use a linear x axis.");
  }
  if (x_scale.is_category()) {
    return fail(ErrorKind::Data, context, "", hint,
                "values holds numbers but the x axis is a category axis; use a linear x axis.");
  }
  LODRA_TRY(check_numbers(context, "values", "values", values, false,
                          "a histogram ignores NaN, so use it to leave a value out."));
  return static_cast<std::uint32_t>(bins);
}

Status check_box_groups(std::string_view context, std::string_view noun, const Scale& x_scale,
                        const Scale& y_scale, std::span<const std::string> categories,
                        const SampleGroups& groups) {
  LODRA_TRY(check_category_axis(context, noun, x_scale));
  LODRA_TRY(check_group_count(context, "groups", "groups", groups.size(), categories.size()));
  LODRA_TRY(check_categories(context, x_scale, categories, kRepeatedSamplesHint));
  return check_group_values(context, "groups", "groups", y_scale.is_log(), groups);
}

Status check_distributions(std::string_view context, std::string_view noun, const Scale& x_scale,
                           const Scale& y_scale, std::span<const std::string> categories,
                           std::span<const Distribution> distributions) {
  LODRA_TRY(check_category_axis(context, noun, x_scale));
  if (distributions.empty()) {
    return fail(ErrorKind::Data, context, "distributions", "",
                "distributions is empty; pass at least one Distribution.");
  }
  for (std::size_t i = 0; i < distributions.size(); ++i) {
    LODRA_TRY(check_group_count(context, "distributions", cat("distributions[", i, "].groups"),
                                distributions[i].groups.size(), categories.size()));
  }
  LODRA_TRY(check_categories(context, x_scale, categories, kRepeatedSamplesHint));
  for (std::size_t j = 0; j < distributions.size(); ++j) {
    LODRA_TRY(check_group_values(context, cat("distributions[", j, "].groups"), "distributions",
                                 y_scale.is_log(), distributions[j].groups));
  }
  return {};
}

Status check_y_error_bars(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                          const AxisData& x, std::span<const double> low,
                          std::span<const double> high) {
  LODRA_TRY(check_limit_lengths(context, "x", x.size(), low, high));
  LODRA_TRY(check_x_data(context, x_scale, x, "use NaN to skip a bar."));
  return check_intervals(context, y_scale, low, high);
}

Status check_x_error_bars(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                          std::span<const double> y, std::span<const double> low,
                          std::span<const double> high) {
  if (x_scale.is_category()) {
    return fail(ErrorKind::Usage, context, "",
                "x_error_bars needs a numeric x axis; use y_error_bars on a category.",
                "this is a category axis; error bars along x apply to linear and log axes only.");
  }
  LODRA_TRY(check_limit_lengths(context, "y", y.size(), low, high));
  LODRA_TRY(check_numbers(context, "y", "y", y, y_scale.is_log(), "use NaN to skip a bar."));
  return check_intervals(context, x_scale, low, high);
}

Status check_vline_x(std::string_view context, const Scale& x_scale, const AxisValue& x) {
  const double* number = std::get_if<double>(&x);
  if (x_scale.is_category()) {
    if (!number) return {};  // whether the name is a category is known only when drawing
    return fail(ErrorKind::Data, context, "x", kNeedsNumericXHint,
                "x holds a number but the x axis is a category axis; pass a category name.");
  }
  if (!number) {
    return fail(ErrorKind::Data, context, "x", kNeedsCategoryXHint,
                "x holds a category name but the x axis is not a category axis; pass a number.");
  }
  return check_reference_value(context, "x", "a reference line needs a finite value", *number,
                               x_scale.is_log());
}

}  // namespace lodra
