// Ticks of a continuous axis in data units, and the judge that says whether their labels fit.
#pragma once

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lodra {

struct Tick {
  std::string label;
  double value = 0;
  friend bool operator==(const Tick&, const Tick&) = default;
};

// The result of automatic tick placement: evenly spaced ticks carry their step; listed ticks
// (powers of a log base, fallback sets) sit at arbitrary values and carry none.
struct AutoTicks {
  std::optional<double> step;
  std::vector<Tick> ticks;

  static AutoTicks stepped(double step, std::vector<Tick> ticks) {
    return {step, std::move(ticks)};
  }
  static AutoTicks listed(std::vector<Tick> ticks) { return {std::nullopt, std::move(ticks)}; }

  bool is_listed() const { return !step; }
  std::vector<double> values() const;
  friend bool operator==(const AutoTicks&, const AutoTicks&) = default;
};

// A target tick count limited to 2..64.
inline int clamp_target(int target) { return std::clamp(target, 2, 64); }

// Keeps each value only when it is above the last value kept; repeats and NaN are dropped.
std::vector<double> strictly_increasing(std::span<const double> values);

// Pairs each value with the label at the same index.
std::vector<Tick> pair(std::span<const double> values, std::vector<std::string> labels);

}  // namespace lodra
