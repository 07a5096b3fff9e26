#include "draw/exact/dyadic.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace lodra::draw::exact {

namespace {

std::int32_t saturating_add(std::int32_t a, std::int32_t b) {
  std::int64_t sum = std::int64_t{a} + b;
  constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(sum < kLow ? kLow : sum > kHigh ? kHigh : sum);
}

Dyadic signed_value(bool negative, Big magnitude, std::int32_t exponent) {
  const bool is_negative = negative && !magnitude.is_zero();
  return {is_negative, std::move(magnitude), exponent};
}

// The 64 leading bits of a non-zero magnitude, and the power of two they stand at:
// magnitude ≈ bits × 2^position, truncated.
struct Leading {
  std::uint64_t bits;
  std::int64_t position;
};

Leading leading_bits(const Big& magnitude) {
  const std::size_t count = magnitude.limbs.size();
  const std::uint64_t top = magnitude.limbs[count - 1];
  const int zeros = std::countl_zero(top);
  std::uint64_t bits = top << zeros;
  if (zeros > 0 && count >= 2) bits |= magnitude.limbs[count - 2] >> (64 - zeros);
  return {bits, static_cast<std::int64_t>(count - 1) * 64 - zeros};
}

}  // namespace

Dyadic Dyadic::of(double value) {
  assert(std::isfinite(value));
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const auto biased = static_cast<std::int32_t>((bits >> 52) & 0x7ff);
  std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased != 0) fraction |= std::uint64_t{1} << 52;
  return signed_value(negative, Big::of(fraction), biased == 0 ? -1074 : biased - 1075);
}

Dyadic Dyadic::sub(const Dyadic& a, const Dyadic& b) {
  if (b.magnitude.is_zero()) return a;
  if (a.magnitude.is_zero()) return signed_value(!b.negative, b.magnitude, b.exponent);
  const std::int32_t exponent = std::min(a.exponent, b.exponent);
  const Big left = a.magnitude.shl(static_cast<std::uint64_t>(std::int64_t{a.exponent} - exponent));
  const Big right =
      b.magnitude.shl(static_cast<std::uint64_t>(std::int64_t{b.exponent} - exponent));
  // a − b adds magnitudes when b's sign differs from a's, and subtracts them otherwise.
  if (a.negative != b.negative) return signed_value(a.negative, add_mag(left, right), exponent);
  if (compare(left, right) >= 0) return signed_value(a.negative, sub_mag(left, right), exponent);
  return signed_value(!b.negative, sub_mag(right, left), exponent);
}

Dyadic Dyadic::mul(const Dyadic& a, const Dyadic& b) {
  return signed_value(a.negative != b.negative, mul_mag(a.magnitude, b.magnitude),
                      saturating_add(a.exponent, b.exponent));
}

std::optional<double> Dyadic::div_to_f64(const Dyadic& n, const Dyadic& d) {
  if (d.magnitude.is_zero()) return std::nullopt;
  if (n.magnitude.is_zero()) return 0.0;
  const Leading top = leading_bits(n.magnitude);
  const Leading bottom = leading_bits(d.magnitude);
  const double ratio = static_cast<double>(top.bits) / static_cast<double>(bottom.bits);
  const std::int64_t power = top.position + n.exponent - bottom.position - d.exponent;
  // The ratio lies within [0.5, 2], so beyond ±2200 the result is 0 or infinite either way; one
  // scaling rounds once, also into the subnormal range.
  const auto clamped = static_cast<int>(std::clamp<std::int64_t>(power, -2200, 2200));
  const double quotient = std::ldexp(ratio, clamped);
  return n.negative != d.negative ? -quotient : quotient;
}

}  // namespace lodra::draw::exact
