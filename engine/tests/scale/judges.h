// Tick judges for tests, and readers of tick sets.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "scale/tick.h"
#include "scale/tick_judge.h"

namespace lodra::testing {

// Labels fit while a set has at most `most` ticks.
class AtMostJudge final : public TickJudge {
 public:
  explicit AtMostJudge(std::size_t most, bool deferred = false, double least_share = 0)
      : most_(most), deferred_(deferred), least_share_(least_share) {}
  bool deferred() const override { return deferred_; }
  double least_share() const override { return least_share_; }
  double slack(const ContinuousScale&, const AutoTicks& ticks) const override {
    ++calls;
    return ticks.ticks.size() <= most_ ? 1 : -1;
  }
  mutable int calls = 0;

 private:
  std::size_t most_;
  bool deferred_;
  double least_share_;
};

inline std::vector<std::string> labels_of(const AutoTicks& ticks) {
  std::vector<std::string> labels;
  for (const Tick& tick : ticks.ticks) labels.push_back(tick.label);
  return labels;
}

}  // namespace lodra::testing
