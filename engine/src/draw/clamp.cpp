#include "draw/clamp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numeric>

#include "draw/crossing.h"
#include "draw/runs.h"

namespace lodra::draw::clip {

namespace {

// A point where a segment crosses an edge line, at `along` ∈ [0, 1] of the segment.
struct Break {
  double along;
  ClampedPoint point;
};

class Breaks {
 public:
  // Kept in travel order; there are at most four.
  void add(Break b) {
    std::size_t i = count_++;
    for (; i > 0 && breaks_[i - 1].along > b.along; --i) breaks_[i] = breaks_[i - 1];
    breaks_[i] = b;
  }
  std::span<const Break> all() const { return {breaks_.data(), count_}; }

 private:
  std::array<Break, 4> breaks_;
  std::size_t count_ = 0;
};

bool strictly_between(double c, double a, double b) { return (a < c && c < b) || (b < c && c < a); }

Breaks edge_line_breaks(const ClipRect& rect, AxisPoint a, AxisPoint b) {
  Breaks breaks;
  const double y_low = std::min(a.y, b.y), y_high = std::max(a.y, b.y);
  for (double x : {rect.x_min, rect.x_max}) {
    if (!strictly_between(x, a.x, b.x)) continue;
    const auto y = crossing(a.x, a.y, b.x, b.y, x, std::midpoint(rect.y_min, rect.y_max));
    if (!y) continue;
    breaks.add({(x - a.x) / (b.x - a.x),
                {x, std::clamp(*y, rect.y_min, rect.y_max), std::clamp(*y, y_low, y_high)}});
  }
  for (double y : {rect.y_min, rect.y_max}) {
    if (!strictly_between(y, a.y, b.y)) continue;
    const auto x = crossing(a.y, a.x, b.y, b.x, y, std::midpoint(rect.x_min, rect.x_max));
    if (!x) continue;
    breaks.add({(y - a.y) / (b.y - a.y), {std::clamp(*x, rect.x_min, rect.x_max), y, y}});
  }
  return breaks;
}

ClampedPoint clamped(const ClipRect& rect, AxisPoint p) {
  return {std::clamp(p.x, rect.x_min, rect.x_max), std::clamp(p.y, rect.y_min, rect.y_max), p.y};
}

void push_distinct(Polylines<ClampedPoint>& outlines, const ClampedPoint& point) {
  if (outlines.is_open()) {
    ClampedPoint& last = outlines.open_back();
    if (last.x == point.x && last.y == point.y) {
      if (std::fabs(point.unclamped_y - point.y) > std::fabs(last.unclamped_y - last.y)) {
        last.unclamped_y = point.unclamped_y;
      }
      return;
    }
  }
  outlines.push(point);
}

void clamp_run(const ClipRect& rect, std::span<const double> xs, std::span<const double> ys,
               Polylines<ClampedPoint>& outlines) {
  AxisPoint a{xs[0], ys[0]};
  push_distinct(outlines, clamped(rect, a));
  for (std::size_t i = 1; i < xs.size(); ++i) {
    const AxisPoint b{xs[i], ys[i]};
    if (!rect.contains(a.x, a.y) || !rect.contains(b.x, b.y)) {
      const Breaks breaks = edge_line_breaks(rect, a, b);
      for (const Break& at : breaks.all()) push_distinct(outlines, at.point);
    }
    push_distinct(outlines, clamped(rect, b));
    a = b;
  }
  outlines.close();
}

}  // namespace

Polylines<ClampedPoint> clamp_polyline(const ClipRect& rect, std::span<const double> xs,
                                       std::span<const double> ys) {
  Polylines<ClampedPoint> outlines;
  // Every point given stays, clamped, unless it repeats its predecessor.
  outlines.reserve_points(std::min(xs.size(), ys.size()));
  for_each_run(xs, ys, [&](std::span<const double> run_xs, std::span<const double> run_ys) {
    clamp_run(rect, run_xs, run_ys, outlines);
  });
  return outlines;
}

}  // namespace lodra::draw::clip
