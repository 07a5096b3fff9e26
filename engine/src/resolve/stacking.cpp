#include "resolve/stacking.h"

#include <cmath>
#include <limits>

namespace lodra::resolve {

namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

// The value at `i`, NaN beyond the list.
double value_at(std::span<const double> values, std::size_t i) {
  return i < values.size() ? values[i] : kMissing;
}

}  // namespace

Stacks Stacks::make(std::span<const std::span<const double>> series, std::size_t categories) {
  Stacks stacks;
  stacks.segments.assign(series.size(), std::vector<std::optional<Segment>>(categories));
  for (std::size_t i = 0; i < categories; ++i) {
    double up = 0.0;
    double down = 0.0;
    std::optional<Segment>* last_up = nullptr;
    std::optional<Segment>* last_down = nullptr;
    for (std::size_t s = 0; s < series.size(); ++s) {
      double v = value_at(series[s], i);
      bool upward = v > 0.0;
      if (!upward && !(v < 0.0)) continue;  // zero or NaN
      double& total = upward ? up : down;
      double end = total + v;
      if (end == total) continue;
      std::optional<Segment>& slot = stacks.segments[s][i];
      slot = Segment{total, end, false};
      total = end;
      (upward ? last_up : last_down) = &slot;
    }
    if (last_up) (*last_up)->outermost = true;
    if (last_down) (*last_down)->outermost = true;
  }
  return stacks;
}

std::vector<double> Stacks::ends() const {
  std::vector<double> out;
  for (const auto& series : segments) {
    for (const std::optional<Segment>& segment : series) {
      if (segment) out.push_back(segment->end);
    }
  }
  return out;
}

AreaStacks AreaStacks::make(std::span<const double> x,
                            std::span<const std::span<const double>> layers) {
  AreaStacks stacks;
  stacks.tops.assign(layers.size(), std::vector<double>(x.size(), kMissing));
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (std::isnan(x[i])) continue;
    bool complete = true;
    for (std::span<const double> layer : layers) complete = complete && !std::isnan(value_at(layer, i));
    if (!complete) continue;
    double sum = 0.0;
    for (std::size_t l = 0; l < layers.size(); ++l) {
      double v = layers[l][i];
      if (v > 0.0) sum += v;
      stacks.tops[l][i] = sum;
    }
  }
  return stacks;
}

}  // namespace lodra::resolve
