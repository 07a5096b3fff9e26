// A panel for drawing tests: resolved axes and the mapping of a plot whose top-left corner is
// at the page origin, so that x maps to width × (a − low) / (high − low) points and y to
// height × (1 − (a − low) / (high − low)).
#pragma once

#include <sstream>
#include <string>
#include <type_traits>
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

// The path as path text ("M0 0 L10 0 Z"), for failure messages.
inline std::string path_text(const scene::Path& path) {
  std::ostringstream out;
  out.precision(9);
  const auto point = [&out](scene::Point p) { out << ' ' << p.x << ' ' << p.y; };
  for (const scene::PathVerb& verb : path.verbs()) {
    std::visit(
        [&](const auto& v) {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, scene::MoveTo>) out << " M", point(v.to);
          if constexpr (std::is_same_v<V, scene::LineTo>) out << " L", point(v.to);
          if constexpr (std::is_same_v<V, scene::QuadTo>) {
            out << " Q", point(v.control), point(v.to);
          }
          if constexpr (std::is_same_v<V, scene::CubicTo>) {
            out << " C", point(v.control1), point(v.control2), point(v.to);
          }
          if constexpr (std::is_same_v<V, scene::Close>) out << " Z";
        },
        verb);
  }
  return out.str();
}

template <class Kind>
resolve::ResolvedMark mark_of(Kind kind) {
  return {std::move(kind), "", nullptr};
}

}  // namespace lodra::draw::testing
