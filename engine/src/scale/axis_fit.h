// Fitting the domain of an automatic axis: rounding out to nice ticks, one extra step below
// data that would touch the lower edge, and 5 % padding.
#pragma once

#include <cstdint>
#include <optional>

#include "scale/continuous_scale.h"
#include "scale/tick.h"
#include "scale/tick_judge.h"

namespace lodra {

enum class Padding : std::uint8_t {
  PadBoth,      // 5 % at both ends
  PadKeepZero,  // 5 % at both ends, except an end lying exactly at 0
  NoPad,
};

struct FinishOptions {
  // The data's lower end when one more tick step below it may lift the data off the axis line.
  std::optional<double> reference;
  Padding padding = Padding::PadBoth;
};

struct FittedScale {
  ContinuousScale drawn;        // padded
  ContinuousScale tick_domain;  // before padding
  AutoTicks ticks;
};

// The domain padded by the mode; unchanged when padding would leave the representable range.
ContinuousScale padded(const ContinuousScale& scale, Padding padding);

// Judges a tick set as it will finally be drawn: finished first, then asked of the inner judge.
class Finished final : public TickJudge {
 public:
  Finished(FinishOptions options, const TickJudge& inner, int target, int level)
      : options_(options), inner_(inner), target_(target), level_(level) {}

  bool deferred() const override { return inner_.deferred(); }
  double least_share() const override { return inner_.least_share(); }
  double slack(const ContinuousScale& scale, const AutoTicks& ticks) const override;

 private:
  FinishOptions options_;
  const TickJudge& inner_;
  int target_;
  int level_;
};

}  // namespace lodra
