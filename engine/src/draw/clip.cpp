#include "draw/clip.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numeric>

#include "draw/crossing.h"
#include "draw/runs.h"

namespace lodra::draw::clip {

namespace {

// Which sides of the rectangle a point lies beyond.
using Outcode = std::uint8_t;
constexpr Outcode kLeft = 1, kRight = 2, kBelow = 4, kAbove = 8;

Outcode outcode(const ClipRect& rect, AxisPoint p) {
  Outcode code = 0;
  if (p.x < rect.x_min) code |= kLeft;
  if (p.x > rect.x_max) code |= kRight;
  if (p.y < rect.y_min) code |= kBelow;
  if (p.y > rect.y_max) code |= kAbove;
  return code;
}

// Crossings with the four edges, each kept when it lands on the edge within a relative
// tolerance, clamped onto it.
class Candidates {
 public:
  void add(AxisPoint p) { points_[count_++] = p; }
  std::span<const AxisPoint> points() const { return {points_.data(), count_}; }

  void add_edge_crossings(const ClipRect& rect, AxisPoint a, AxisPoint b) {
    const double height_slack = 1e-12 * (rect.y_max - rect.y_min);
    const double width_slack = 1e-12 * (rect.x_max - rect.x_min);
    const double y_middle = std::midpoint(rect.y_min, rect.y_max);
    const double x_middle = std::midpoint(rect.x_min, rect.x_max);
    for (double x : {rect.x_min, rect.x_max}) {
      const auto y = crossing(a.x, a.y, b.x, b.y, x, y_middle);
      if (y && *y >= rect.y_min - height_slack && *y <= rect.y_max + height_slack) {
        add({x, std::clamp(*y, rect.y_min, rect.y_max)});
      }
    }
    for (double y : {rect.y_min, rect.y_max}) {
      const auto x = crossing(a.y, a.x, b.y, b.x, y, x_middle);
      if (x && *x >= rect.x_min - width_slack && *x <= rect.x_max + width_slack) {
        add({std::clamp(*x, rect.x_min, rect.x_max), y});
      }
    }
  }

 private:
  std::array<AxisPoint, 6> points_;
  std::size_t count_ = 0;
};

// Whether p comes before q along the travel from a to b: compared on the coordinate in which
// they differ more relative to the rectangle's size.
bool travels_before(const ClipRect& rect, AxisPoint a, AxisPoint b, AxisPoint p, AxisPoint q) {
  const double width = rect.x_max - rect.x_min;
  const double height = rect.y_max - rect.y_min;
  const bool by_x = std::fabs(p.x - q.x) * height >= std::fabs(p.y - q.y) * width;
  return by_x ? (p.x - q.x) * (b.x - a.x) < 0 : (p.y - q.y) * (b.y - a.y) < 0;
}

// The clip of a segment whose end codes are known and share no side.
std::optional<Segment> clip_coded(const ClipRect& rect, AxisPoint a, Outcode code_a, AxisPoint b,
                                  Outcode code_b) {
  if ((code_a | code_b) == 0) return Segment{a, b};
  Candidates candidates;
  if (code_a == 0) candidates.add(a);
  if (code_b == 0) candidates.add(b);
  candidates.add_edge_crossings(rect, a, b);
  const auto points = candidates.points();
  if (points.empty()) return std::nullopt;
  auto before = [&](AxisPoint p, AxisPoint q) { return travels_before(rect, a, b, p, q); };
  // An end inside is where the inside part begins or ends; crossings only replace ends outside.
  const AxisPoint start = code_a == 0 ? a : *std::ranges::min_element(points, before);
  const AxisPoint end = code_b == 0 ? b : *std::ranges::max_element(points, before);
  return Segment{start, end};
}

bool is_gap(double x, double y) { return !std::isfinite(x) || !std::isfinite(y); }

// Appends the clipped pieces of one run of finite points.
void clip_run(const ClipRect& rect, std::span<const double> xs, std::span<const double> ys,
              Polylines<AxisPoint>& pieces) {
  AxisPoint a{xs[0], ys[0]};
  Outcode code_a = outcode(rect, a);
  if (xs.size() == 1 && code_a == 0) {
    pieces.push(a);
    pieces.close();
  }
  for (std::size_t i = 1; i < xs.size(); ++i) {
    const AxisPoint b{xs[i], ys[i]};
    const Outcode code_b = outcode(rect, b);
    if ((code_a | code_b) == 0) {
      // Wholly inside, as most segments are.
      if (!pieces.is_open()) pieces.push(a);
      pieces.push(b);
    } else if (const auto clipped =
                   (code_a & code_b) == 0 ? clip_coded(rect, a, code_a, b, code_b) : std::nullopt) {
      if (clipped->start != a || !pieces.is_open()) {
        pieces.close();
        pieces.push(clipped->start);
      }
      pieces.push(clipped->end);
      if (clipped->end != b) pieces.close();
    } else {
      pieces.close();
    }
    a = b;
    code_a = code_b;
  }
  pieces.close();
}

}  // namespace

std::optional<Segment> clip_segment(const ClipRect& rect, double x0, double y0, double x1,
                                    double y1) {
  if (is_gap(x0, y0) || is_gap(x1, y1)) return std::nullopt;
  const AxisPoint a{x0, y0}, b{x1, y1};
  const Outcode code_a = outcode(rect, a), code_b = outcode(rect, b);
  if ((code_a & code_b) != 0) return std::nullopt;
  return clip_coded(rect, a, code_a, b, code_b);
}

Polylines<AxisPoint> clip_polyline(const ClipRect& rect, std::span<const double> xs,
                                   std::span<const double> ys) {
  Polylines<AxisPoint> pieces;
  // Lines mostly inside keep about one point per point given.
  pieces.reserve_points(std::min(xs.size(), ys.size()));
  for_each_run(xs, ys, [&](std::span<const double> run_xs, std::span<const double> run_ys) {
    clip_run(rect, run_xs, run_ys, pieces);
  });
  return pieces;
}

}  // namespace lodra::draw::clip
