// The building blocks that check mark data and reference values against the axes they go to.
// Each check is pure and returns the first fault it finds, named by position and with a hint.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "error.h"
#include "model/scale.h"
#include "model/shared_data.h"

namespace lodra {

// The largest magnitude any value may have, and the smallest value a log axis takes.
inline constexpr double kMaxMagnitude = 1e300;
inline constexpr double kMinLogValue = 1e-300;

// Hints shared by the checks that find the x axis of the wrong kind.
inline constexpr std::string_view kNeedsNumericXHint =
    "pass x=Scale.linear() or x=Scale.log() to Figure.add_axes().";
inline constexpr std::string_view kNeedsCategoryXHint =
    "pass x=Scale.category() to Figure.add_axes().";

// NaN is skipped; infinities, magnitudes above 1e300 and (on a log axis) values below 1e-300
// are refused. `name` is how the list is shown ("x", "series[2].values").
Status check_numbers(std::string_view context, std::string_view name, std::string_view parameter,
                     std::span<const double> values, bool log, std::string_view hint);

// Names on a category x axis, numbers (checked by check_numbers) on the others.
Status check_x_data(std::string_view context, const Scale& x_scale, const AxisData& x,
                    std::string_view hint);

// On a category axis every name must appear once; other axes take no categories.
Status check_categories(std::string_view context, const Scale& x_scale,
                        std::span<const std::string> categories, std::string_view hint);

// Non-NaN values must not decrease; `mark_name` says which mark needs the order.
Status check_sorted(std::string_view context, std::span<const double> x,
                    std::string_view mark_name);

// Steps need sorted numbers; category names keep their given order.
Status check_step_order(std::string_view context, const AxisData& x);

// One finite value for a reference line or span; `name` is also the parameter.
Status check_reference_value(std::string_view context, std::string_view name,
                             std::string_view requirement, double value, bool log);

// Two finite reference values with low below high.
Status check_span(std::string_view context, const Scale& scale, double low, double high);

// low[i] <= high[i] wherever neither is NaN, up to the shorter length.
Status check_interval_order(std::string_view context, std::span<const double> low,
                            std::span<const double> high);

// The limits of error bars: numbers on the axis the bars run along, then their order.
Status check_intervals(std::string_view context, const Scale& scale, std::span<const double> low,
                       std::span<const double> high);

// The samples of each group, shown as "{name}[{group}]".
Status check_group_values(std::string_view context, std::string_view name,
                          std::string_view parameter, bool log, const SampleGroups& groups);

// Explicit tick positions: finite, within range, positive on a log axis, strictly increasing.
Status check_tick_positions(std::string_view context, bool log, std::span<const double> positions);

}  // namespace lodra
