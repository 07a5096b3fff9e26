#include "draw/crossing.h"

#include <algorithm>
#include <cmath>

#include "draw/exact/dyadic.h"
#include "draw/exact/expansion.h"

namespace lodra::draw::clip {

namespace {

using exact::Dyadic;
using exact::expansion::Pair;
using exact::expansion::two_difference;

// The power of two that brings the largest of the magnitudes into [1, 2); 0 when all are zero.
int scale_exponent(double a, double b, double c) {
  const double largest = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
  return largest == 0 ? 0 : std::ilogb(largest);
}

// value × 2^-exponent when that loses nothing.
std::optional<double> scaled(double value, int exponent) {
  const double result = std::ldexp(value, -exponent);
  if (std::ldexp(result, exponent) != value) return std::nullopt;
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
  return std::ldexp(d.value / run.value, y_exponent);
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
