// Fast scans of long data lists: the extent of their values, and the first value outside a
// range. Both run in one pass, with SSE2 on x86-64.
#pragma once

#include <cstddef>
#include <limits>
#include <span>

namespace lodra {

// The lowest and highest values that are not NaN; lowest > highest when there are none.
struct Extent {
  double lowest = std::numeric_limits<double>::infinity();
  double highest = -std::numeric_limits<double>::infinity();

  // Whether every value lies in [least, most] (NaN is skipped).
  bool within(double least, double most) const { return lowest >= least && highest <= most; }
  friend bool operator==(const Extent&, const Extent&) = default;
};

Extent extent_of(std::span<const double> values);
Extent merged(const Extent& a, const Extent& b);

// The index of the first value below `least` or above `most` (NaN is neither), or the size of
// `values` when there is none.
std::size_t first_outside(std::span<const double> values, double least, double most);

}  // namespace lodra
