#include "resolve/histogram.h"

#include <algorithm>
#include <cmath>

namespace lodra::resolve {

namespace {

struct Range {
  double low;
  double high;
};

std::optional<Range> finite_range(std::span<const double> values) {
  std::optional<Range> range;
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    if (!range) {
      range = Range{v, v};
    } else {
      range->low = std::min(range->low, v);
      range->high = std::max(range->high, v);
    }
  }
  return range;
}

// A range narrower than a linear scale can hold becomes one around its middle.
Range drawable(Range range) {
  const double magnitude = std::max(std::fabs(range.low), std::fabs(range.high));
  if (range.high - range.low >= std::max(1e-10 * magnitude, 1e-290)) return range;
  const double mid = range.high * 0.5 + range.low * 0.5;
  const double half = std::max(std::fabs(mid) * 1e-9, 0.5);
  return {std::max(mid - half, -1e300), std::min(mid + half, 1e300)};
}

}  // namespace

std::optional<Histogram> Histogram::from_values(std::span<const double> values, std::size_t bins) {
  const std::optional<Range> found = finite_range(values);
  if (!found || bins == 0) return std::nullopt;
  const Range range = drawable(*found);
  const double width = (range.high - range.low) / static_cast<double>(bins);
  const std::size_t last = bins - 1;
  const auto edge = [&](std::size_t i) { return range.low + static_cast<double>(i) * width; };

  Histogram histogram{std::vector<std::uint64_t>(bins, 0), range.low, range.high};
  for (double t : values) {
    if (!std::isfinite(t)) continue;
    const double estimate = std::floor((t - range.low) / width);
    std::size_t k = 0;
    if (estimate > 0.0) k = static_cast<std::size_t>(std::min(estimate, static_cast<double>(last)));
    // Agree with the edges as they will be drawn.
    while (k > 0 && t < edge(k)) --k;
    while (k < last && t >= edge(k + 1)) ++k;
    ++histogram.counts[k];
  }
  return histogram;
}

}  // namespace lodra::resolve
