#include "scale/continuous_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lodra {

namespace {

constexpr double kLeastLinearWidth = 1e-290;

// Names the one limit that breaks a rule, or none when both do.
std::string_view offending_limit(bool low_fails, bool high_fails) {
  if (low_fails && !high_fails) return "low";
  if (high_fails && !low_fails) return "high";
  return "";
}

std::string limits_are(double low, double high) {
  return cat("the limits are ", display_number(low), " and ", display_number(high));
}

std::string data_range_is(double low, double high) {
  return cat("the data range is ", display_number(low), " to ", display_number(high));
}

bool outside_log_bounds(double v) { return v < kLogFloor || v > kLargestMagnitude; }

Status check_log_limits(std::string_view context, double low, double high) {
  if (low <= 0) {
    return fail(ErrorKind::Style, context, "low",
                "use a linear axis if either limit is not positive.",
                cat("the lower limit is ", display_number(low),
                    "; a log scale needs a positive lower limit."));
  }
  if (outside_log_bounds(low) || outside_log_bounds(high)) {
    return fail(ErrorKind::Style, context,
                offending_limit(outside_log_bounds(low), outside_log_bounds(high)), "",
                cat(limits_are(low, high), "; a log scale supports values from 1e-300 to 1e300."));
  }
  if (high / low < kLeastLogRatio) {
    return fail(ErrorKind::Style, context, "", "",
                cat(limits_are(low, high),
                    "; the upper limit must be at least a factor of 1.000000001 above the lower "
                    "limit."));
  }
  return {};
}

bool too_large(double v) { return std::fabs(v) > kLargestMagnitude; }

Status check_linear_limits(std::string_view context, double low, double high) {
  if (too_large(low) || too_large(high)) {
    return fail(ErrorKind::Style, context, offending_limit(too_large(low), too_large(high)), "",
                cat(limits_are(low, high), "; their magnitude must not exceed 1e300."));
  }
  if (is_degenerate(ContinuousKind::Linear, low, high)) {
    return fail(ErrorKind::Style, context, "", "",
                cat("the limits ", display_number(low), " and ", display_number(high),
                    " are too close; the range must be at least 1e-10 of their magnitude (and at "
                    "least 1e-290)."));
  }
  return {};
}

Status check_data_range(ContinuousKind kind, std::string_view context, double lo, double hi) {
  auto data_error = [&](std::string problem, std::string_view hint = "") {
    return fail(ErrorKind::Data, context, "", hint, std::move(problem));
  };
  if (!std::isfinite(lo) || !std::isfinite(hi)) {
    return data_error(cat(data_range_is(lo, hi), "; it must be finite."));
  }
  if (hi < lo) {
    return data_error(
        cat(data_range_is(lo, hi), "; the lower bound must not exceed the upper bound."));
  }
  if (kind == ContinuousKind::Log && lo <= 0) {
    return data_error(cat("the data range starts at ", display_number(lo),
                          "; a log scale can only show positive values."),
                      "use a linear axis, or remove values that are not positive.");
  }
  if (kind == ContinuousKind::Log && (lo < kLogFloor || hi > kLargestMagnitude)) {
    return data_error(
        cat(data_range_is(lo, hi), "; a log scale supports values from 1e-300 to 1e300."));
  }
  if (kind == ContinuousKind::Linear && (too_large(lo) || too_large(hi))) {
    return data_error(cat(data_range_is(lo, hi), "; values must not exceed 1e300 in magnitude."));
  }
  return {};
}

// A single repeated value (or a range too narrow to draw) becomes a usable domain around it:
// one base factor either side on log, 5 % of its magnitude either side on linear.
DataRange widened(ContinuousKind kind, double base, DataRange range) {
  if (kind == ContinuousKind::Log) {
    double factor = std::max(base, 1.1);
    return {std::max(range.low / factor, kLogFloor),
            std::min(range.low * factor, kLargestMagnitude)};
  }
  double mid = range.high * 0.5 + range.low * 0.5;
  double half = mid != 0 ? std::max(std::fabs(mid) * 0.05, kLeastLinearWidth) : 0.5;
  return {std::max(mid - half, -kLargestMagnitude), std::min(mid + half, kLargestMagnitude)};
}

}  // namespace

Result<ContinuousScale> ContinuousScale::make(ContinuousKind kind, std::string_view context,
                                              double base, double low, double high) {
  if (!std::isfinite(low) || !std::isfinite(high) || low >= high) {
    return fail(ErrorKind::Style, context,
                offending_limit(!std::isfinite(low), !std::isfinite(high)), "",
                cat(limits_are(low, high),
                    "; both must be finite and the lower limit must be below the upper limit."));
  }
  if (kind == ContinuousKind::Log) {
    LODRA_TRY(check_log_limits(context, low, high));
  } else {
    LODRA_TRY(check_linear_limits(context, low, high));
  }
  return ContinuousScale{kind, base, low, high};
}

Result<ContinuousScale> ContinuousScale::from_extent(ContinuousKind kind,
                                                     std::optional<DataRange> range,
                                                     std::string_view context, double base) {
  if (!range) return default_domain(kind, base);
  LODRA_TRY(check_data_range(kind, context, range->low, range->high));
  DataRange domain = is_degenerate(kind, range->low, range->high) ? widened(kind, base, *range)
                                                                  : *range;
  return make(kind, context, base, domain.low, domain.high);
}

ContinuousScale ContinuousScale::default_domain(ContinuousKind kind, double base) {
  return kind == ContinuousKind::Log ? ContinuousScale{kind, base, 1, 10}
                                     : ContinuousScale{kind, base, 0, 1};
}

bool ContinuousScale::searchable() const {
  double range = high - low;
  double magnitude =
      std::max({std::fabs(low), std::fabs(high), std::numeric_limits<double>::min()});
  return magnitude * 1e-12 <= range && range >= 1e-290 && range <= 2e300;
}

bool is_degenerate(ContinuousKind kind, double low, double high) {
  if (kind == ContinuousKind::Log) return high / low < kLeastLogRatio;
  return high == low ||
         high - low < std::max(1e-10 * std::max(std::fabs(low), std::fabs(high)),
                               kLeastLinearWidth);
}

}  // namespace lodra
