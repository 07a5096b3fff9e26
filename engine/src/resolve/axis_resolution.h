// The x and y axes of a share group, resolved from the marks of all its panels: categories in
// order of first appearance on a category axis; on a continuous axis the data range, whether
// it is fitted exactly or rounded and padded, and whether it keeps zero, handed to the fitting
// of one continuous axis.
#pragma once

#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "model/axes.h"
#include "model/axis_settings.h"
#include "model/scale.h"
#include "resolve/categories.h"
#include "resolve/continuous_axis.h"
#include "resolve/resolved_mark.h"
#include "scale/tick_judge.h"

namespace lodra::resolve {

// What one side of a panel's axes brings to resolution.
struct AxisLimits {
  Scale scale;              // kind and log base
  SharedSettings settings;  // limits, ticks and tick format of the side's share group

  const std::optional<ContinuousScale>& limits() const { return settings->limits; }
  const AxisTicks& ticks() const { return settings->ticks; }
};

struct Limits {
  AxisLimits x;
  AxisLimits y;

  static Limits of(const Axes& axes);
};

using AxisScale = std::variant<ContinuousScale, CategoryScale>;

struct ResolvedAxis {
  std::vector<AxisTick> ticks;
  AxisScale scale;
  double floor = 0.0;         // continuous axes: the lower end of the tick domain
  NormalizedPos baseline = 0;  // y axes: where bars, areas and stems rise from
};

struct Resolved {
  ResolvedAxis x;
  ResolvedAxis y;
};

// The resolved marks of every panel of a share group, panel by panel in figure order.
using GroupMarks = std::span<const std::span<const ResolvedMark>>;

// `target` is the tick count the continuous fitting aims at.
ResolvedAxis resolve_x(GroupMarks marks, const AxisLimits& x, const TickJudge& judge,
                       int target);
ResolvedAxis resolve_y(GroupMarks marks, const AxisLimits& y, const TickJudge& judge,
                       int target);

}  // namespace lodra::resolve
