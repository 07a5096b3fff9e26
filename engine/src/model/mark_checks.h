// The checks that one kind of mark runs on its data before it is stored, each in the order of
// its steps: the first fault wins.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "model/scale.h"
#include "model/series.h"
#include "model/shared_data.h"

namespace lodra {

// The most bins a histogram takes.
inline constexpr std::int64_t kMaxBins = 10000;

// x and y of a line, area, scatter, stem or step.
Status check_xy_series(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                       const AxisData& x, std::span<const double> y, std::string_view hint);

Status check_band(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                  std::span<const double> x, std::span<const double> low,
                  std::span<const double> high);

Status check_bubbles(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                     std::span<const double> x, std::span<const double> y,
                     std::span<const double> sizes);

Status check_bar(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                 std::span<const std::string> categories, std::span<const double> heights);

// Grouped bars, or stacked bars whose stacks must also stay within range.
Status check_bar_group(std::string_view context, bool stacked, const Scale& x_scale,
                       const Scale& y_scale, std::span<const std::string> categories,
                       std::span<const Series> series);

Status check_stacked_area(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                          std::span<const double> x, std::span<const Series> series);

// The bin count, once bins, axis and values pass.
Result<std::uint32_t> check_hist(std::string_view context, const Scale& x_scale,
                                 std::span<const double> values, std::int64_t bins);

// Box plots and violins; `noun` is "box plots" or "violins".
Status check_box_groups(std::string_view context, std::string_view noun, const Scale& x_scale,
                        const Scale& y_scale, std::span<const std::string> categories,
                        const SampleGroups& groups);

// Grouped box plots and grouped violins.
Status check_distributions(std::string_view context, std::string_view noun, const Scale& x_scale,
                           const Scale& y_scale, std::span<const std::string> categories,
                           std::span<const Distribution> distributions);

// Error bars along y at the positions x.
Status check_y_error_bars(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                          const AxisData& x, std::span<const double> low,
                          std::span<const double> high);

// Error bars along x at the positions y.
Status check_x_error_bars(std::string_view context, const Scale& x_scale, const Scale& y_scale,
                          std::span<const double> y, std::span<const double> low,
                          std::span<const double> high);

// The x of a vertical reference line: a name on a category axis, a number elsewhere.
Status check_vline_x(std::string_view context, const Scale& x_scale, const AxisValue& x);

}  // namespace lodra
