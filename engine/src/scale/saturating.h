// 64-bit integer arithmetic that sticks at the ends of the range instead of wrapping, so that
// absurd domains cannot overflow exponent or index computations.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace lodra {

inline constexpr std::int64_t kMaxInt64 = std::numeric_limits<std::int64_t>::max();
inline constexpr std::int64_t kMinInt64 = std::numeric_limits<std::int64_t>::min();

inline std::int64_t saturating_add(std::int64_t a, std::int64_t b) {
  std::int64_t sum;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? kMaxInt64 : kMinInt64;
}

inline std::int64_t saturating_sub(std::int64_t a, std::int64_t b) {
  std::int64_t difference;
  if (!__builtin_sub_overflow(a, b, &difference)) return difference;
  return b < 0 ? kMaxInt64 : kMinInt64;
}

inline std::int64_t saturating_mul(std::int64_t a, std::int64_t b) {
  std::int64_t product;
  if (!__builtin_mul_overflow(a, b, &product)) return product;
  return (a < 0) == (b < 0) ? kMaxInt64 : kMinInt64;
}

// A whole-valued double as an integer, clamped to the range; NaN becomes 0.
inline std::int64_t saturating_int(double value) {
  if (std::isnan(value)) return 0;
  // 2^63 is the first double above the range.
  if (value >= 9223372036854775808.0) return kMaxInt64;
  if (value < -9223372036854775808.0) return kMinInt64;
  return static_cast<std::int64_t>(value);
}

}  // namespace lodra
