#include "model/validation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace lodra {

namespace {

constexpr std::string_view kMaxMagnitudeText = "1e300";
constexpr std::string_view kMinLogValueText = "1e-300";

std::string element(std::string_view name, std::size_t index) { return cat(name, "[", index, "]"); }

// The fault of one value that check_numbers refuses, in the order the checks run.
std::unexpected<Error> number_fault(std::string_view context, std::string_view name,
                                    std::string_view parameter, std::size_t index, double value,
                                    bool log, std::string_view hint) {
  std::string shown = cat(element(name, index), " is ", display_number(value));
  if (std::isinf(value)) {
    return fail(ErrorKind::Data, context, parameter, hint, cat(shown, "; values must be finite."));
  }
  if (std::fabs(value) > kMaxMagnitude) {
    return fail(ErrorKind::Data, context, parameter, "",
                cat(shown, "; magnitudes must not exceed ", kMaxMagnitudeText, "."));
  }
  if (log && value <= 0.0) {
    return fail(ErrorKind::Data, context, parameter,
                "use a linear axis, or remove values that are not positive.",
                cat(shown, " on a log axis; values must be positive."));
  }
  return fail(ErrorKind::Data, context, parameter, "use a linear axis, or rescale the values.",
              cat(shown, " on a log axis; values must be at least ", kMinLogValueText, "."));
}

}  // namespace

Status check_numbers(std::string_view context, std::string_view name, std::string_view parameter,
                     std::span<const double> values, bool log, std::string_view hint) {
  const double least = log ? kMinLogValue : -kMaxMagnitude;
  for (std::size_t i = 0; i < values.size(); ++i) {
    double v = values[i];
    // One test for the common case; NaN fails it and is skipped below.
    if (v >= least && v <= kMaxMagnitude) continue;
    if (std::isnan(v)) continue;
    return number_fault(context, name, parameter, i, v, log, hint);
  }
  return {};
}

Status check_x_data(std::string_view context, const Scale& x_scale, const AxisData& x,
                    std::string_view hint) {
  if (x_scale.is_category()) {
    if (x.holds_names()) return {};
    return fail(ErrorKind::Data, context, "", kNeedsNumericXHint,
                "x holds numbers but the x axis is a category axis; pass category names.");
  }
  if (x.holds_names()) {
    return fail(ErrorKind::Data, context, "", kNeedsCategoryXHint,
                "x holds category names but the x axis is not a category axis; pass numbers.");
  }
  return check_numbers(context, "x", "x", *x.numbers(), x_scale.is_log(), hint);
}

Status check_categories(std::string_view context, const Scale& x_scale,
                        std::span<const std::string> categories, std::string_view hint) {
  if (!x_scale.is_category()) {
    return fail(ErrorKind::Data, context, "", kNeedsCategoryXHint,
                "categories holds names but the x axis is not a category axis; use a category x "
                "axis.");
  }
  std::unordered_map<std::string_view, std::size_t> first_index;
  first_index.reserve(categories.size());
  for (std::size_t i = 0; i < categories.size(); ++i) {
    auto [at, inserted] = first_index.try_emplace(categories[i], i);
    if (inserted) continue;
    return fail(ErrorKind::Data, context, "categories", hint,
                cat("categories[", i, "] repeats ", quoted(categories[i]), " from categories[",
                    at->second, "]; each category must appear once."));
  }
  return {};
}

Status check_sorted(std::string_view context, std::span<const double> x,
                    std::string_view mark_name) {
  std::size_t previous = x.size();  // no non-NaN value seen yet
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (std::isnan(x[i])) continue;
    if (previous != x.size() && x[i] < x[previous]) {
      return fail(ErrorKind::Data, context, "x", "sort the points by x first.",
                  cat("x[", i, "] is ", display_number(x[i]), ", below x[", previous,
                      "] = ", display_number(x[previous]), "; ", mark_name,
                      " needs x in non-decreasing order."));
    }
    previous = i;
  }
  return {};
}

Status check_step_order(std::string_view context, const AxisData& x) {
  if (x.holds_names()) return {};
  return check_sorted(context, *x.numbers(), "step");
}

Status check_reference_value(std::string_view context, std::string_view name,
                             std::string_view requirement, double value, bool log) {
  std::string shown = cat(name, " is ", display_number(value));
  if (!std::isfinite(value)) {
    return fail(ErrorKind::Data, context, name, "pass a finite number.",
                cat(shown, "; ", requirement, "."));
  }
  if (std::fabs(value) > kMaxMagnitude) {
    return fail(ErrorKind::Data, context, name, "",
                cat(shown, "; magnitudes must not exceed ", kMaxMagnitudeText, "."));
  }
  if (log && value <= 0.0) {
    return fail(ErrorKind::Data, context, name, "use a linear axis, or pass a positive value.",
                cat(shown, " on a log axis; values must be positive."));
  }
  if (log && value < kMinLogValue) {
    return fail(ErrorKind::Data, context, name, "use a linear axis, or rescale the value.",
                cat(shown, " on a log axis; values must be at least ", kMinLogValueText, "."));
  }
  return {};
}

Status check_span(std::string_view context, const Scale& scale, double low, double high) {
  constexpr std::string_view requirement = "a reference span needs finite values";
  LODRA_TRY(check_reference_value(context, "low", requirement, low, scale.is_log()));
  LODRA_TRY(check_reference_value(context, "high", requirement, high, scale.is_log()));
  if (low < high) return {};
  return fail(ErrorKind::Style, context, "high", "swap the two values.",
              cat("low is ", display_number(low), ", high is ", display_number(high),
                  "; low must be below high."));
}

Status check_interval_order(std::string_view context, std::span<const double> low,
                            std::span<const double> high) {
  std::size_t count = std::min(low.size(), high.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (!(low[i] > high[i])) continue;  // NaN on either side passes
    return fail(ErrorKind::Data, context, "low", "check that low and high are not swapped.",
                cat("low[", i, "] is ", display_number(low[i]), ", above high[", i,
                    "] = ", display_number(high[i]), "; low must not exceed high."));
  }
  return {};
}

Status check_intervals(std::string_view context, const Scale& scale, std::span<const double> low,
                       std::span<const double> high) {
  constexpr std::string_view hint = "use NaN to skip a bar.";
  LODRA_TRY(check_numbers(context, "low", "low", low, scale.is_log(), hint));
  LODRA_TRY(check_numbers(context, "high", "high", high, scale.is_log(), hint));
  return check_interval_order(context, low, high);
}

Status check_group_values(std::string_view context, std::string_view name,
                          std::string_view parameter, bool log, const SampleGroups& groups) {
  for (std::size_t i = 0; i < groups.size(); ++i) {
    LODRA_TRY(check_numbers(context, element(name, i), parameter, *groups[i], log,
                            "use NaN to leave a sample out."));
  }
  return {};
}

namespace {

struct PositionFault {
  std::string_view hint;
  std::string rest;  // the problem after "positions[i] is v"
};

std::optional<PositionFault> position_fault(bool log, std::span<const double> positions,
                                            std::size_t i) {
  double v = positions[i];
  if (!std::isfinite(v)) return PositionFault{"", "; tick positions must be finite."};
  if (log && v <= 0.0) {
    return PositionFault{"use a linear axis, or remove positions that are not positive.",
                         " on a log axis; tick positions must be positive."};
  }
  if (log && (v < kMinLogValue || v > kMaxMagnitude)) {
    return PositionFault{"", cat(" on a log axis; tick positions must lie from ",
                                 kMinLogValueText, " to ", kMaxMagnitudeText, ".")};
  }
  if (std::fabs(v) > kMaxMagnitude) {
    return PositionFault{
        "", cat("; tick positions must not exceed ", kMaxMagnitudeText, " in magnitude.")};
  }
  if (i > 0 && v <= positions[i - 1]) {
    return PositionFault{
        "sort the positions and remove repeats; they are used in the order given.",
        cat(" but positions[", i - 1, "] is ", display_number(positions[i - 1]),
            "; tick positions must be strictly increasing.")};
  }
  return std::nullopt;
}

}  // namespace

Status check_tick_positions(std::string_view context, bool log,
                            std::span<const double> positions) {
  for (std::size_t i = 0; i < positions.size(); ++i) {
    auto fault = position_fault(log, positions, i);
    if (!fault) continue;
    return fail(ErrorKind::Style, context, "positions", fault->hint,
                cat("positions[", i, "] is ", display_number(positions[i]), fault->rest));
  }
  return {};
}

}  // namespace lodra
