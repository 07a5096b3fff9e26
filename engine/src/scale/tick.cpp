#include "scale/tick.h"

#include <cassert>
#include <cmath>

namespace lodra {

std::vector<double> AutoTicks::values() const {
  std::vector<double> out;
  out.reserve(ticks.size());
  for (const Tick& tick : ticks) out.push_back(tick.value);
  return out;
}

std::vector<double> strictly_increasing(std::span<const double> values) {
  std::vector<double> kept;
  kept.reserve(values.size());
  for (double v : values) {
    if (kept.empty() ? !std::isnan(v) : v > kept.back()) kept.push_back(v);
  }
  return kept;
}

std::vector<Tick> pair(std::span<const double> values, std::vector<std::string> labels) {
  assert(labels.size() == values.size());
  std::vector<Tick> ticks;
  ticks.reserve(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    ticks.push_back({std::move(labels[i]), values[i]});
  }
  return ticks;
}

}  // namespace lodra
