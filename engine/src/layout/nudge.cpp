#include "layout/nudge.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace lodra::layout::nudge {

std::vector<double> separate(std::span<const double> values, double gap, double low,
                             double high) {
  const std::size_t n = values.size();
  std::vector<double> result(n);
  if (n == 0) return result;
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::ranges::stable_sort(order,
                           [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });

  const double spread = static_cast<double>(n - 1) * gap;
  if (spread > high - low) {
    // Too many to fit: evenly spaced around where they were on average.
    double mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(n);
    double first = mean - spread / 2.0;
    for (std::size_t k = 0; k < n; ++k) result[order[k]] = first + static_cast<double>(k) * gap;
    return result;
  }

  std::vector<double> sorted(n);
  for (std::size_t k = 0; k < n; ++k) sorted[k] = values[order[k]];
  for (std::size_t k = 0; k < n; ++k) {
    double least = k == 0 ? low : std::max(low, sorted[k - 1] + gap);
    sorted[k] = std::max(sorted[k], least);
  }
  for (std::size_t k = n; k-- > 0;) {
    double most = k == n - 1 ? high : std::min(high, sorted[k + 1] - gap);
    sorted[k] = std::min(sorted[k], most);
  }
  for (std::size_t k = 0; k < n; ++k) result[order[k]] = sorted[k];
  return result;
}

}  // namespace lodra::layout::nudge
