#include "draw/clamp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

#include "draw/polyline_support.h"

namespace lodra::draw {

std::ostream& operator<<(std::ostream& out, const ClampedPoint& p) {
  return out << "(" << p.x << ", " << p.y << " was " << p.unclamped_y << ")";
}

namespace clip {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const ClipRect unit{0, 0, 1, 1};
using Outlines = std::vector<std::vector<ClampedPoint>>;

TEST(ClampPolyline, PressesTheLineOntoTheBoundary) {
  struct Case {
    std::vector<double> xs, ys;
    Outlines expected;
  } cases[] = {
      {{0.25, 0.75}, {0.5, 0.5}, {{{0.25, 0.5, 0.5}, {0.75, 0.5, 0.5}}}},
      // A peak above the top: exact crossings where it leaves and comes back, the peak
      // pressed onto the edge with its true height.
      {{0, 0.5, 1}, {0, 2, 0}, {{{0, 0, 0}, {0.25, 1, 1}, {0.5, 1, 2}, {0.75, 1, 1}, {1, 0, 0}}}},
      // Passing outside the corner: the outline turns at the corner.
      {{0.5, 2}, {2, 0.5}, {{{0.5, 1, 2}, {1, 1, 1.5}, {1, 0.5, 0.5}}}},
      // Beyond the left edge: points that clamp alike are stored once, with the farther y.
      {{-1, -2, 1}, {2, 4, 0}, {{{0, 1, 4}, {0.25, 1, 1}, {1, 0, 0}}}},
      // Below the whole rectangle: along the bottom edge.
      {{-1, 0.5, 2}, {-1, -2.5, -1}, {{{0, 0, -2}, {0.5, 0, -2.5}, {1, 0, -2}}}},
      // Gaps split; a lone point is clamped like any other.
      {{0.25, nan, 0.5, 0.75}, {3, 0, 0.5, 0.5},
       {{{0.25, 1, 3}}, {{0.5, 0.5, 0.5}, {0.75, 0.5, 0.5}}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(testing::nested(clamp_polyline(unit, c.xs, c.ys)), c.expected)
        << ::testing::PrintToString(c.xs) << ::testing::PrintToString(c.ys);
  }
}

double distance_to_segment(double px, double py, const ClampedPoint& a, const ClampedPoint& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  if (length2 == 0) return std::hypot(px - a.x, py - a.y);
  const double t = std::clamp(((px - a.x) * dx + (py - a.y) * dy) / length2, 0.0, 1.0);
  return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

// The outline is the clamped image of the line: every point of a segment, clamped, lies on the
// segment's outline, which therefore turns at corners instead of cutting them.
TEST(ClampPolyline, IsTheClampedImageOfTheLine) {
  std::mt19937_64 random(31);
  std::uniform_real_distribution<double> coordinate(-2, 3);
  for (int i = 0; i < 2000; ++i) {
    const double xs[] = {coordinate(random), coordinate(random)};
    const double ys[] = {coordinate(random), coordinate(random)};
    const auto outlines = clamp_polyline(unit, xs, ys);
    ASSERT_EQ(outlines.size(), 1u);
    const auto outline = outlines[0];
    for (const ClampedPoint& p : outline) {
      EXPECT_TRUE(unit.contains(p.x, p.y)) << p;
      EXPECT_GE(p.unclamped_y, std::min(ys[0], ys[1])) << p;
      EXPECT_LE(p.unclamped_y, std::max(ys[0], ys[1])) << p;
    }
    for (int k = 0; k <= 64; ++k) {
      const double t = k / 64.0;
      const double px = std::clamp(xs[0] + t * (xs[1] - xs[0]), 0.0, 1.0);
      const double py = std::clamp(ys[0] + t * (ys[1] - ys[0]), 0.0, 1.0);
      double nearest = outline.size() == 1 ? std::hypot(px - outline[0].x, py - outline[0].y)
                                           : std::numeric_limits<double>::infinity();
      for (std::size_t j = 1; j < outline.size(); ++j) {
        nearest = std::min(nearest, distance_to_segment(px, py, outline[j - 1], outline[j]));
      }
      EXPECT_LT(nearest, 1e-12) << i << " at " << t;
    }
  }
}

}  // namespace
}  // namespace clip
}  // namespace lodra::draw
