#include "scale/log_math.h"

#include <cmath>

#include "scale/saturating.h"

namespace lodra {

double log_offset(double a, double b) {
  double ratio = a / b;
  if (ratio >= 0.5 && ratio <= 2.0) return std::log1p((a - b) / b);
  if (std::isnormal(ratio)) return std::log(ratio);
  return std::log(a) - std::log(b);
}

double power(double base, std::int64_t exponent) {
  return std::pow(base, static_cast<double>(exponent));
}

// Both bounds correct the rounded logarithm by one step, so that exact powers (1000 in base 10)
// land on their own exponent.

std::optional<std::int64_t> lowest_exponent(double low, double base) {
  double exact = std::log(low) / std::log(base);
  if (!std::isfinite(exact)) return std::nullopt;
  std::int64_t k = saturating_int(std::ceil(exact));
  if (power(base, saturating_sub(k, 1)) >= low) return saturating_sub(k, 1);
  if (power(base, k) < low) return saturating_add(k, 1);
  return k;
}

std::optional<std::int64_t> highest_exponent(double high, double base) {
  double exact = std::log(high) / std::log(base);
  if (!std::isfinite(exact)) return std::nullopt;
  std::int64_t k = saturating_int(std::floor(exact));
  if (power(base, k) > high) return saturating_sub(k, 1);
  if (power(base, saturating_add(k, 1)) <= high) return saturating_add(k, 1);
  return k;
}

}  // namespace lodra
