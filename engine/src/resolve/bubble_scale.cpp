#include "resolve/bubble_scale.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace lodra::resolve::bubble_scale {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool positive_finite(double v) { return v > 0.0 && std::isfinite(v); }

// m × 10^e read from the text "{m}e{e}".
double from_text(int mantissa, int exponent) {
  char text[16];
  char* end = std::to_chars(text, text + sizeof text, mantissa).ptr;
  *end++ = 'e';
  end = std::to_chars(end, text + sizeof text, exponent).ptr;
  double value = 0.0;
  auto [ptr, error] = std::from_chars(text, end, value);
  return error == std::errc{} && ptr == end ? value : kNaN;
}

int exponent_of(double v) { return static_cast<int>(std::floor(std::log10(v))); }

}  // namespace

std::array<double, 9> candidates(int exponent) {
  std::array<double, 9> out{};
  std::size_t k = 0;
  for (int e = exponent - 1; e <= exponent + 1; ++e) {
    for (int m : {1, 2, 5}) out[k++] = from_text(m, e);
  }
  return out;
}

double nice_125_below(double v) {
  if (!positive_finite(v)) return 0.0;
  double best = 0.0;
  for (double c : candidates(exponent_of(v))) {
    if (c > 0.0 && c <= v && c > best) best = c;
  }
  return best;
}

double nice_125_round(double v) {
  if (!positive_finite(v)) return v;
  double best = v;
  double best_distance = std::numeric_limits<double>::infinity();
  for (double c : candidates(exponent_of(v))) {
    double distance = std::fabs(std::log(c) - std::log(v));
    if (distance < best_distance) {
      best = c;
      best_distance = distance;
    }
  }
  return best;
}

std::vector<double> references(double reference) {
  double largest = positive_finite(reference) ? nice_125_below(reference) : 0.0;
  std::vector<double> out;
  for (double c : {largest, nice_125_round(largest / 2), nice_125_round(largest / 4)}) {
    if (!(c > 0.0)) continue;
    if (!out.empty() && out.back() == c) continue;
    out.push_back(c);
  }
  return out;
}

double radius(double size, double reference) {
  if (!(size > 0.0)) return 0.0;
  double r = kLargestRadius * std::sqrt(size / reference);
  return positive_finite(r) ? r : 0.0;
}

}  // namespace lodra::resolve::bubble_scale
