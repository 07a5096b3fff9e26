// A panel for drawing tests: resolved axes and the mapping of a plot whose top-left corner is
// at the page origin, so that x maps to width × (a − low) / (high − low) points and y to
// height × (1 − (a − low) / (high − low)).
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "scale/log_math.h"
#include "scene/item.h"

namespace lodra::draw::testing {

inline ContinuousScale linear(double low, double high) {
  return {ContinuousKind::Linear, 10, low, high};
}
inline ContinuousScale log_scale(double low, double high) {
  return {ContinuousKind::Log, 10, low, high};
}
inline resolve::CategoryScale categories(const std::vector<std::string>& names) {
  return resolve::CategoryScale::from_first_appearance(names);
}

struct TestPanel {
  resolve::Resolved axes;
  LineClip clip;
};

// The axis-coordinate bounds of an axis: [low, high] linear, [0, ln(high / low)] log, [0, 1]
// for categories.
inline AxisSpan span_of(const resolve::AxisScale& scale, double plot_low, double plot_extent) {
  if (const auto* continuous = std::get_if<ContinuousScale>(&scale)) {
    if (continuous->is_log()) {
      return {0, log_offset(continuous->high, continuous->low), plot_low, plot_extent};
    }
    return {continuous->low, continuous->high, plot_low, plot_extent};
  }
  return {0, 1, plot_low, plot_extent};
}

inline TestPanel panel(resolve::AxisScale x, ContinuousScale y, double width = 100,
                       double height = 100) {
  TestPanel p{{{{}, std::move(x)}, {{}, y}}, {}};
  p.clip = {span_of(p.axes.x.scale, 0, width), span_of(p.axes.y.scale, height, -height),
            {0, 0, width, height}};
  return p;
}

template <class Kind>
resolve::ResolvedMark mark_of(Kind kind) {
  return {std::move(kind), "", nullptr};
}

}  // namespace lodra::draw::testing
