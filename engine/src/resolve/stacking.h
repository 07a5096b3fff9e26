// Stacks of bars, positive values upward from zero and negative ones downward, and the running
// tops of stacked area layers.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace lodra::resolve {

// One piece of a stack; |end| > |start|.
struct Segment {
  double start = 0.0;
  double end = 0.0;
  bool outermost = false;  // the last segment in its direction in its category
  friend bool operator==(const Segment&, const Segment&) = default;
};

struct Stacks {
  // Per series, per category: absent for a value of zero, NaN, one too small to change the
  // total, or one beyond the series' length.
  std::vector<std::vector<std::optional<Segment>>> segments;

  // Mixed signs in one category are stacked apart.
  static Stacks make(std::span<const std::span<const double>> series, std::size_t categories);

  // Every segment's end, series by series.
  std::vector<double> ends() const;
};

struct AreaStacks {
  // Per layer, per x: the sum of the layer's value and those of every layer below it; NaN
  // where the x value or any layer's value there is missing.
  std::vector<std::vector<double>> tops;

  // Layers hold non-negative values; any other value adds nothing to the sum.
  static AreaStacks make(std::span<const double> x,
                         std::span<const std::span<const double>> layers);
};

}  // namespace lodra::resolve
