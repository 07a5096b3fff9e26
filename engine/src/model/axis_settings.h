// The settings one share group gives every axes in it on one side: limits, explicit ticks and
// tick format. A value is never changed once shared; a change builds a new one.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "model/axis_ticks.h"
#include "scale/continuous_scale.h"

namespace lodra {

enum class Side : std::uint8_t { X, Y };

// The three settings a share group keeps apart, each set once for the group.
enum class GroupSetting : std::uint8_t { Limits, Ticks, Format };

struct AxisSettings {
  std::optional<ContinuousScale> limits;
  AxisTicks ticks;

  // Whether `what` is the same in both: limits of the same kind, ends and (for log) base;
  // explicit ticks with the same positions and labels; formats that write the same labels.
  bool same(GroupSetting what, const AxisSettings& other) const;

  friend bool operator==(const AxisSettings&, const AxisSettings&) = default;
};

using SharedSettings = std::shared_ptr<const AxisSettings>;

}  // namespace lodra
