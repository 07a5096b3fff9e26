// The drawn domain and ticks of one continuous axis, from its data range, its settings and a
// judge of whether tick labels fit.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scale/axis_fit.h"
#include "scale/continuous_scale.h"
#include "scale/tick.h"
#include "scale/tick_judge.h"
#include "tick_format.h"

namespace lodra {

// 0 at the lower end of the drawn domain, 1 at the upper end.
using NormalizedPos = double;

// A tick ready for layout.
struct AxisTick {
  std::string label;
  NormalizedPos position = 0;
  friend bool operator==(const AxisTick&, const AxisTick&) = default;
};

enum class Rounding : std::uint8_t {
  Exact,          // the data range as it is: no rounding, no padding
  Nice,           // rounded out to ticks and padded
  NiceBelowData,  // as Nice, with the data's lower end as reference for a step below the data
};

// Tick positions the user set, in increasing order, with a label each when the user gave them.
struct ExplicitTicks {
  std::span<const double> positions;
  std::span<const std::string> labels;  // empty, or one per position
};

struct ContinuousAxisInputs {
  ContinuousKind kind = ContinuousKind::Linear;
  double base = 10;
  std::optional<ContinuousScale> limits;
  std::optional<ExplicitTicks> explicit_ticks;
  TickFormat format;
  int target = 5;  // tick count
};

struct FittedAxis {
  ContinuousScale drawn;         // padded
  std::vector<AxisTick> ticks;   // in increasing position order
  double floor = 0;              // the lower end of the tick domain before padding
};

namespace resolve {

// Never fails: a data range the scale rejects falls back to the default domain.
FittedAxis continuous(const ContinuousAxisInputs& axis, std::optional<DataRange> range,
                      Rounding rounding, Padding padding, const TickJudge& judge);

// The ticks at their normalized positions on `drawn`; ticks without a finite position are
// dropped.
std::vector<AxisTick> positioned(std::span<const Tick> ticks, const ContinuousScale& drawn);

// The smallest range holding the data range's ends and every finite position; none when there
// is neither.
std::optional<DataRange> enclosing(std::optional<DataRange> range,
                                   std::span<const double> positions);

}  // namespace resolve
}  // namespace lodra
