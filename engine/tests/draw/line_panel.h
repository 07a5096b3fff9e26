// A panel whose plot spans 0..100 pt both ways, so that axis coordinates map to round points,
// and helpers to build marks and expected paths.
#pragma once

#include <initializer_list>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>

#include "draw/panel_context.h"
#include "model/marks.h"
#include "resolve/axis_resolution.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::scene {

inline std::ostream& operator<<(std::ostream& out, const Path& path) {
  for (const PathVerb& verb : path.verbs()) {
    if (const auto* m = std::get_if<MoveTo>(&verb)) out << " M" << m->to.x << "," << m->to.y;
    if (const auto* l = std::get_if<LineTo>(&verb)) out << " L" << l->to.x << "," << l->to.y;
    if (std::holds_alternative<Close>(verb)) out << " Z";
  }
  return out;
}

}  // namespace lodra::scene

namespace lodra::draw::panel_testing {

inline const double nan = std::numeric_limits<double>::quiet_NaN();
inline const Rgba kBlue{0, 0, 255, 255};

inline resolve::ResolvedAxis linear_axis(double low, double high, NormalizedPos baseline = 0) {
  return {{}, ContinuousScale{ContinuousKind::Linear, 10, low, high}, low, baseline};
}

inline resolve::ResolvedAxis log_axis(double low, double high, NormalizedPos baseline = 0) {
  return {{}, ContinuousScale{ContinuousKind::Log, 10, low, high}, low, baseline};
}

// x spans 0..10 over 0..100 pt; y spans 0..10 from 100 pt up to 0 pt unless given.
struct TestPanel {
  Theme theme = Theme::pigment();
  resolve::Resolved axes{linear_axis(0, 10), linear_axis(0, 10)};
  PanelFrame frame{0, 0, 100, 100, -50, 150, std::nullopt};

  PanelContext context(double widest_stroke = 0) const {
    return PanelContext::make(theme, axes, frame, widest_stroke);
  }
};

inline XySeries series(std::vector<double> x, std::vector<double> y) {
  return {AxisData{share_floats(std::move(x))}, share_floats(std::move(y))};
}

using Polyline = std::vector<std::pair<double, double>>;

// MoveTo the first point of each polyline, LineTo the rest; `closed` closes each.
inline scene::Path path_of(std::initializer_list<Polyline> polylines, bool closed = false) {
  scene::Path path;
  for (const Polyline& line : polylines) {
    path.move_to(line.front().first, line.front().second);
    for (std::size_t i = 1; i < line.size(); ++i) path.line_to(line[i].first, line[i].second);
    if (closed) path.close();
  }
  return path;
}

inline const scene::Stroke& as_stroke(const scene::Item& item) {
  return std::get<scene::Stroke>(item.kind);
}
inline const scene::Fill& as_fill(const scene::Item& item) {
  return std::get<scene::Fill>(item.kind);
}

}  // namespace lodra::draw::panel_testing
