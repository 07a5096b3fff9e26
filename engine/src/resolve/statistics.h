// The statistics behind box plots and violins: quantiles, box statistics and a Gaussian kernel
// density with Scott's bandwidth.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace lodra::stats {

// The value at fraction p of ascending values, interpolated linearly between the closest ranks;
// NaN when there are no values.
double quantile(std::span<const double> sorted, double p);

struct BoxStats {
  std::vector<double> outliers;  // ascending
  double q1 = 0.0;
  double median = 0.0;
  double q3 = 0.0;
  double whisker_low = 0.0;
  double whisker_high = 0.0;
};

// Quartiles, whiskers at 1.5 interquartile ranges and the values beyond them. NaN values are
// left out (infinities stay); absent when no value remains.
std::optional<BoxStats> box_stats(std::span<const double> values);

struct DensityPoint {
  double x = 0.0;
  double density = 0.0;
};

// The kernel density of the finite values at `points` evenly spaced positions from their minimum
// to their maximum. Absent when fewer than 2 points are asked for, no value is finite, or all
// finite values are equal.
std::optional<std::vector<DensityPoint>> kde_scott(std::span<const double> values,
                                                   std::size_t points);

}  // namespace lodra::stats

namespace lodra::resolve {

inline constexpr std::size_t kViolinPoints = 128;

struct ViolinStats {
  // kViolinPoints positions with the density scaled so that its largest value is 1; empty when
  // no density can be formed.
  std::vector<stats::DensityPoint> density;
  double q1 = 0.0;
  double median = 0.0;
  double q3 = 0.0;
  double min = 0.0;
  double max = 0.0;
};

// Absent when no value is finite.
std::optional<ViolinStats> violin_stats(std::span<const double> values);

}  // namespace lodra::resolve
