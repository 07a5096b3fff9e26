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

// The anchor `accept` makes of the last hold it accepts, scanning the holds from the last. The
// holds are made over ever longer tails of the series, so that a long step builds the holds of
// its last points only; a tail's first point lacks its left neighbour and is left to the next.
// `positions` gives the x positions of `length` points from `first`.
template <class Positions, class Accept>
std::optional<Anchor> from_last_hold(std::size_t count, std::span<const double> y, Step position,
                                     Positions positions, Accept accept) {
  for (std::size_t tail = 64;; tail *= 2) {
    const std::size_t start = count > tail ? count - tail : 0;
    const std::size_t first = start > 0 ? start - 1 : 0;
    const std::span<const double> x = positions(first, count - first);
    const std::vector<Hold> found = holds(x, y.subspan(first, count - first), position);
    for (auto hold = found.rbegin(); hold != found.rend() && hold->point + first >= start;
         ++hold) {
      if (std::optional<Anchor> anchor = accept(*hold, x, y[hold->point + first], first)) {
        return anchor;
      }
    }
    if (start == 0) return std::nullopt;
  }
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
  if (const SharedFloats* numbers = x.numbers()) {
    const std::span<const double> xs = **numbers;
    const double low = axes.x_limits ? axes.x_limits->low : -kInfinity;
    const double high = axes.x_limits ? axes.x_limits->high : kInfinity;
    auto tail = [&](std::size_t first, std::size_t length) { return xs.subspan(first, length); };
    auto in_window = [&](const Hold& hold, std::span<const double> positions, double value,
                         std::size_t) -> std::optional<Anchor> {
      const double start = hold.start.position(positions);
      const double end = hold.end.position(positions);
      const double left = std::min(start, end), right = std::max(start, end);
      if (right < low || left > high) return std::nullopt;
      if (right > high) return Anchor{high, value, true};
      return Anchor{right, value, false};
    };
    return from_last_hold(std::min(xs.size(), y.size()), y, position, tail, in_window);
  }
  // On a category axis the categories stand at their indexes: only which ones the last hold
  // ends at matters.
  const std::vector<std::string>& names = *std::get<SharedNames>(x.values);
  std::vector<double> slots;
  auto tail = [&](std::size_t first, std::size_t length) {
    slots.resize(length);
    std::iota(slots.begin(), slots.end(), static_cast<double>(first));
    return std::span<const double>(slots);
  };
  auto at_end = [&](const Hold& hold, std::span<const double>, double value,
                    std::size_t first) -> std::optional<Anchor> {
    const Edge& end = hold.end;
    if (end.kind == Edge::Kind::At) return Anchor{names[end.i + first], value, false};
    return Anchor{CategoryPair{names[end.i + first], names[end.j + first]}, value, false};
  };
  return from_last_hold(std::min(names.size(), y.size()), y, position, tail, at_end);
}

}  // namespace lodra::layout
