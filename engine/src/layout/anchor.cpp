#include "layout/anchor.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numeric>
#include <vector>

#include "model/step_holds.h"
#include "scale/log_math.h"

namespace lodra::layout {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool finite_point(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

// The y where the segment from (x1, y1) to (x2, y2) crosses x = at, in the axes' scales, kept
// between y1 and y2.
double y_at(double at, double x1, double y1, double x2, double y2, const AnchorAxes& axes) {
  double fraction = axes.log_x ? log_offset(at, x1) / log_offset(x2, x1) : (at - x1) / (x2 - x1);
  double y = axes.log_y ? y1 * std::exp(fraction * log_offset(y2, y1)) : y1 + fraction * (y2 - y1);
  return std::fmin(std::fmax(y, std::fmin(y1, y2)), std::fmax(y1, y2));
}

std::optional<Anchor> category_line_end(std::span<const std::string> names,
                                        std::span<const double> y) {
  for (std::size_t i = std::min(names.size(), y.size()); i-- > 0;) {
    if (std::isfinite(y[i])) return Anchor{names[i], y[i], false};
  }
  return std::nullopt;
}

std::optional<Anchor> category_step_end(std::span<const std::string> names,
                                        std::span<const double> y, Step position) {
  // The categories stand at their indexes: only which ones the last hold ends at matters.
  std::vector<double> slots(std::min(names.size(), y.size()));
  std::iota(slots.begin(), slots.end(), 0.0);
  std::vector<Hold> all = holds(slots, y.first(slots.size()), position);
  if (all.empty()) return std::nullopt;
  const Hold& last = all.back();
  double value = y[last.point];
  if (last.end.kind == Edge::Kind::At) return Anchor{names[last.end.i], value, false};
  return Anchor{CategoryPair{names[last.end.i], names[last.end.j]}, value, false};
}

}  // namespace

AnchorAxes AnchorAxes::of(const Axes& axes) {
  return {axes.settings(Side::X).limits, axes.x_scale.is_log(), axes.y_scale.is_log()};
}

std::optional<Anchor> line_end(std::span<const double> x, std::span<const double> y,
                               const AnchorAxes& axes) {
  const std::size_t count = std::min(x.size(), y.size());
  const double low = axes.x_limits ? axes.x_limits->low : -kInfinity;
  const double high = axes.x_limits ? axes.x_limits->high : kInfinity;
  for (std::size_t i = count; i-- > 0;) {
    if (!finite_point(x[i], y[i]) || x[i] < low || x[i] > high) continue;
    bool crosses = x[i] < high && i + 1 < count && finite_point(x[i + 1], y[i + 1]) &&
                   x[i + 1] > high;
    if (crosses) return Anchor{high, y_at(high, x[i], y[i], x[i + 1], y[i + 1], axes), true};
    return Anchor{x[i], y[i], false};
  }
  return std::nullopt;
}

std::optional<Anchor> line_end(const AxisData& x, std::span<const double> y,
                               const AnchorAxes& axes) {
  if (const SharedFloats* numbers = x.numbers()) return line_end(**numbers, y, axes);
  return category_line_end(*std::get<SharedNames>(x.values), y);
}

std::optional<Anchor> step_end(const AxisData& x, std::span<const double> y, Step position,
                               const AnchorAxes& axes) {
  const SharedFloats* numbers = x.numbers();
  if (!numbers) return category_step_end(*std::get<SharedNames>(x.values), y, position);
  std::span<const double> xs = **numbers;
  const double low = axes.x_limits ? axes.x_limits->low : -kInfinity;
  const double high = axes.x_limits ? axes.x_limits->high : kInfinity;
  std::vector<Hold> all = holds(xs, y, position);
  for (auto hold = all.rbegin(); hold != all.rend(); ++hold) {
    double start = hold->start.position(xs);
    double end = hold->end.position(xs);
    double left = std::min(start, end), right = std::max(start, end);
    if (right < low || left > high) continue;
    double value = y[hold->point];
    if (right > high) return Anchor{high, value, true};
    return Anchor{right, value, false};
  }
  return std::nullopt;
}

}  // namespace lodra::layout
