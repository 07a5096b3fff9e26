// Random doubles on the grid of multiples of 2^-40 below 2^20 in magnitude: differences and
// products of two differences are exact 128-bit integers in units of 2^-40 and 2^-80, an
// independent reference for the exact arithmetic.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace lodra::draw::testing {

using Int128 = __int128;

inline constexpr int kGridExponent = -40;

// Full 53-bit mantissas over every magnitude the grid holds, and some small whole multiples.
inline double grid_value(std::mt19937_64& random) {
  const int bits = static_cast<int>(random() % 60) + 1;
  const auto units = static_cast<std::int64_t>(random() >> (64 - bits));
  const double value = std::ldexp(static_cast<double>(units), kGridExponent);
  return (random() & 1) ? -value : value;
}

// The value in grid units; exact for grid values.
inline Int128 units(double value) {
  return static_cast<Int128>(std::ldexp(value, -kGridExponent));
}

inline long double scaled(Int128 value, int exponent) {
  return std::ldexp(static_cast<long double>(value), exponent);
}

}  // namespace lodra::draw::testing
