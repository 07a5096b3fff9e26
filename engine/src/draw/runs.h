// Splitting a polyline at its gaps: a point with a non-finite coordinate is missing, and the
// runs of points between missing ones are drawn alone.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>

namespace lodra::draw {

// Calls `visit(xs, ys)` for every non-empty run of finite points, pairing up to the shorter list.
template <class Visit>
void for_each_run(std::span<const double> xs, std::span<const double> ys, Visit&& visit) {
  const std::size_t count = std::min(xs.size(), ys.size());
  std::size_t start = 0;
  for (std::size_t i = 0; i <= count; ++i) {
    if (i < count && std::isfinite(xs[i]) && std::isfinite(ys[i])) continue;
    if (i > start) visit(xs.subspan(start, i - start), ys.subspan(start, i - start));
    start = i + 1;
  }
}

}  // namespace lodra::draw
