// Binary fractions of any precision: every finite double converts exactly, and sums, differences
// and products stay exact. The slow exact fallback behind boundary crossings.
#pragma once

#include <cstdint>
#include <optional>

#include "draw/exact/big.h"

namespace lodra::draw::exact {

// ± magnitude × 2^exponent; negative only when non-zero. Exponent arithmetic saturates.
struct Dyadic {
  bool negative = false;
  Big magnitude;
  std::int32_t exponent = 0;

  // `value` must be finite.
  static Dyadic of(double value);

  // a − b and a × b, exact. Differences align to the smaller exponent, so their cost grows with
  // the exponent gap (a few thousand bits for values that came from doubles).
  static Dyadic sub(const Dyadic& a, const Dyadic& b);
  static Dyadic mul(const Dyadic& a, const Dyadic& b);
  // n / d to within a few units in the last place, overflowing or underflowing only when the
  // true quotient does; none when d is zero.
  static std::optional<double> div_to_f64(const Dyadic& n, const Dyadic& d);

  friend bool operator==(const Dyadic&, const Dyadic&) = default;
};

}  // namespace lodra::draw::exact
