#include "resolve/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lodra::stats {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSqrtTwoPi = 2.5066282746310002;

// The point at fraction f from a to b (a <= b). The two branches keep the result exact at
// either end. An infinite end wins, since the finite formula would give inf - inf.
double interpolate(double a, double b, double f) {
  if (f == 0.0 || a == b) return a;
  if (std::isinf(a) && std::isinf(b)) return kNaN;
  if (std::isinf(a)) return a;
  if (std::isinf(b)) return b;
  return f >= 0.5 ? b - (1.0 - f) * (b - a) : a + f * (b - a);
}

std::vector<double> sorted_without_nan(std::span<const double> values) {
  std::vector<double> kept;
  kept.reserve(values.size());
  std::copy_if(values.begin(), values.end(), std::back_inserter(kept),
               [](double v) { return !std::isnan(v); });
  std::sort(kept.begin(), kept.end());
  return kept;
}

}  // namespace

double quantile(std::span<const double> sorted, double p) {
  const std::size_t n = sorted.size();
  if (n == 0) return kNaN;
  const double h = static_cast<double>(n - 1) * p;
  const double floor_h = std::floor(h);
  if (!(floor_h >= 0.0) || floor_h >= static_cast<double>(n)) return kNaN;
  const auto i = static_cast<std::size_t>(floor_h);
  const double a = sorted[i];
  const double b = i + 1 < n ? sorted[i + 1] : a;
  return interpolate(a, b, h - floor_h);
}

std::optional<BoxStats> box_stats(std::span<const double> values) {
  const std::vector<double> sorted = sorted_without_nan(values);
  if (sorted.empty()) return std::nullopt;
  BoxStats box;
  box.q1 = quantile(sorted, 0.25);
  box.median = quantile(sorted, 0.5);
  box.q3 = quantile(sorted, 0.75);
  const double reach = 1.5 * (box.q3 - box.q1);
  // Both fences lie between the first and last values (or are NaN, which no value passes), so
  // u < n and t >= 1.
  const auto below = std::lower_bound(sorted.begin(), sorted.end(), box.q1 - reach);
  const auto within = std::upper_bound(sorted.begin(), sorted.end(), box.q3 + reach);
  box.whisker_low = std::min(*below, box.q1);
  box.whisker_high = std::max(*(within - 1), box.q3);
  box.outliers.assign(sorted.begin(), below);
  box.outliers.insert(box.outliers.end(), within, sorted.end());
  return box;
}

std::optional<std::vector<DensityPoint>> kde_scott(std::span<const double> values,
                                                   std::size_t points) {
  std::vector<double> z;
  z.reserve(values.size());
  std::copy_if(values.begin(), values.end(), std::back_inserter(z),
               [](double v) { return std::isfinite(v); });
  if (z.empty() || points <= 1) return std::nullopt;
  const auto [min_it, max_it] = std::minmax_element(z.begin(), z.end());
  const double min = *min_it;
  const double max = *max_it;
  if (min == max) return std::nullopt;

  const double range = max - min;
  const auto n = static_cast<double>(z.size());
  double sum = 0.0;
  for (double& v : z) {
    v = (v - min) / range;
    sum += v;
  }
  const double mean = sum / n;
  double squares = 0.0;
  for (double v : z) squares += (v - mean) * (v - mean);
  const double deviation = std::sqrt(squares / (n - 1.0));
  const double bandwidth = deviation * std::pow(n, -0.2);
  const double norm = bandwidth * n * kSqrtTwoPi;

  const double last = static_cast<double>(points - 1);
  const double step = range / last;
  std::vector<DensityPoint> curve(points);
  for (std::size_t k = 0; k < points; ++k) {
    const double kd = static_cast<double>(k);
    double x = max;
    if (k + 1 < points) x = step != 0.0 ? min + kd * step : min + kd / last * range;
    const double u = (x - min) / range;
    double density = 0.0;
    for (double zj : z) {
      const double t = (u - zj) / bandwidth;
      density += std::exp(-0.5 * t * t);
    }
    curve[k] = {x, density / norm};
  }
  return curve;
}

}  // namespace lodra::stats

namespace lodra::resolve {

std::optional<ViolinStats> violin_stats(std::span<const double> values) {
  std::vector<double> sorted;
  sorted.reserve(values.size());
  std::copy_if(values.begin(), values.end(), std::back_inserter(sorted),
               [](double v) { return std::isfinite(v); });
  if (sorted.empty()) return std::nullopt;
  std::sort(sorted.begin(), sorted.end());

  ViolinStats violin;
  if (auto curve = stats::kde_scott(sorted, kViolinPoints)) {
    double peak = 0.0;
    for (const auto& point : *curve) peak = std::max(peak, point.density);
    if (peak > 0.0) {
      for (auto& point : *curve) point.density /= peak;
    }
    violin.density = std::move(*curve);
  }
  violin.q1 = stats::quantile(sorted, 0.25);
  violin.median = stats::quantile(sorted, 0.5);
  violin.q3 = stats::quantile(sorted, 0.75);
  violin.min = sorted.front();
  violin.max = sorted.back();
  return violin;
}

}  // namespace lodra::resolve
