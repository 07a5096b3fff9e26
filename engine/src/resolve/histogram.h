// Histogram counts: equal-width bins over the range of the finite values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lodra::resolve {

// Bin i covers [low + i × w, low + (i + 1) × w) with w = (high − low) / bins; the last bin also
// holds `high`.
struct Histogram {
  std::vector<std::uint64_t> counts;  // one per bin
  double low = 0.0;
  double high = 0.0;

  std::size_t bins() const { return counts.size(); }

  // Absent when no value is finite or there are no bins. A range too narrow to draw is widened
  // around its middle. NaN and infinite values are not counted.
  static std::optional<Histogram> from_values(std::span<const double> values, std::size_t bins);
};

}  // namespace lodra::resolve
