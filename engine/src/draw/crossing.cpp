#include "draw/crossing.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "draw/exact/dyadic.h"
#include "draw/exact/expansion.h"

namespace lodra::draw::clip {

namespace {

using exact::Dyadic;
using exact::expansion::Pair;
using exact::expansion::two_difference;

// The power of two that brings the largest of the magnitudes into [1, 2); 0 when all are zero.
// Within [-1074, 1023].
int scale_exponent(double a, double b, double c) {
  const double largest = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
  return largest == 0 ? 0 : std::ilogb(largest);
}

// 2^k for k in [-1074, 1023], exactly: multiplying by it rounds once, as scaling does.
double power_of_two(int k) {
  if (k < -1022) return std::bit_cast<double>(std::uint64_t{1} << (k + 1074));
  return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
}

// value × 2^-exponent when that loses nothing. Scaling up is always exact here (the result
// stays below 2); scaling down loses bits only when the result is subnormal.
std::optional<double> scaled(double value, int exponent) {
  if (exponent < -1022) return value * power_of_two(1022) * power_of_two(-exponent - 1022);
  const double result = value * power_of_two(-exponent);
  if (std::fabs(result) < std::numeric_limits<double>::min() &&
      result * power_of_two(exponent) != value) {
    return std::nullopt;
  }
  return result;
}

}  // namespace

std::optional<double> fast_offset(double x0, double y0, double x1, double y1, double c,
                                  double r) {
  // Scaled so that no product of differences can overflow.
  const int x_exponent = scale_exponent(x0, x1, c);
  const int y_exponent = scale_exponent(y0, y1, r);
  const auto sx0 = scaled(x0, x_exponent), sx1 = scaled(x1, x_exponent);
  const auto sc = scaled(c, x_exponent);
  const auto sy0 = scaled(y0, y_exponent), sy1 = scaled(y1, y_exponent);
  const auto sr = scaled(r, y_exponent);
  if (!sx0 || !sx1 || !sc || !sy0 || !sy1 || !sr) return std::nullopt;
  const Pair along = two_difference(*sc, *sx0);
  const Pair rise = two_difference(*sy1, *sy0);
  const Pair reference = two_difference(*sr, *sy0);
  const Pair run = two_difference(*sx1, *sx0);
  const auto d = exact::expansion::cross_difference(along.value, along.error, rise.value,
                                                    rise.error, reference.value,
                                                    reference.error, run.value, run.error);
  if (!d.exact) return std::nullopt;
  return d.value / run.value * power_of_two(y_exponent);
}

std::optional<double> exact_offset(double x0, double y0, double x1, double y1, double c,
                                   double r) {
  const Dyadic dx0 = Dyadic::of(x0), dy0 = Dyadic::of(y0);
  const Dyadic run = Dyadic::sub(Dyadic::of(x1), dx0);
  const Dyadic along_rise =
      Dyadic::mul(Dyadic::sub(Dyadic::of(c), dx0), Dyadic::sub(Dyadic::of(y1), dy0));
  const Dyadic reference_run = Dyadic::mul(Dyadic::sub(Dyadic::of(r), dy0), run);
  return Dyadic::div_to_f64(Dyadic::sub(along_rise, reference_run), run);
}

std::optional<double> crossing(double x0, double y0, double x1, double y1, double c, double r) {
  for (double value : {x0, y0, x1, y1, c, r}) {
    if (!std::isfinite(value)) return std::nullopt;
  }
  if (x0 == x1 || c < std::min(x0, x1) || c > std::max(x0, x1)) return std::nullopt;
  std::optional<double> offset = fast_offset(x0, y0, x1, y1, c, r);
  if (!offset) offset = exact_offset(x0, y0, x1, y1, c, r);
  if (!offset) return std::nullopt;
  const double answer = r + *offset;
  if (!std::isfinite(answer)) return std::nullopt;
  return answer;
}

}  // namespace lodra::draw::clip
