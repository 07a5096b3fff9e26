#include "draw/clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <vector>

#include "draw/polyline_support.h"

namespace lodra::draw {

std::ostream& operator<<(std::ostream& out, const AxisPoint& p) {
  return out << "(" << p.x << ", " << p.y << ")";
}

namespace clip {

std::ostream& operator<<(std::ostream& out, const Segment& s) {
  return out << s.start << "-" << s.end;
}

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
const ClipRect unit{0, 0, 1, 1};

TEST(ClipSegment, KeepsThePartInsideInTravelOrder) {
  struct Case {
    AxisPoint a, b;
    std::optional<Segment> expected;
  } cases[] = {
      {{-1, 0}, {1, 1}, Segment{{0, 0.5}, {1, 1}}},
      {{1, 1}, {-1, 0}, Segment{{1, 1}, {0, 0.5}}},
      {{0.25, 0.5}, {0.75, 0.5}, Segment{{0.25, 0.5}, {0.75, 0.5}}},
      // Along an edge: unchanged.
      {{0, 0.1}, {0, 0.9}, Segment{{0, 0.1}, {0, 0.9}}},
      {{1, 1}, {0, 1}, Segment{{1, 1}, {0, 1}}},
      // Through a corner only: a degenerate segment at the corner.
      {{-1, 1}, {1, -1}, Segment{{0, 0}, {0, 0}}},
      {{2, 1}, {0, -1}, Segment{{1, 0}, {1, 0}}},
      // Across the whole rectangle, both ends outside.
      {{-1, 0.25}, {3, 0.75}, Segment{{0, 0.375}, {1, 0.5}}},
      {{0.5, 2}, {0.5, -2}, Segment{{0.5, 1}, {0.5, 0}}},
      // Missing: beyond one side, beyond a corner, gaps.
      {{2, 0}, {3, 1}, std::nullopt},
      {{-1, 0.5}, {0.5, 2}, std::nullopt},
      {{0.5, nan}, {0.5, 0.5}, std::nullopt},
      {{-inf, 0.5}, {0.5, 0.5}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(clip_segment(unit, c.a.x, c.a.y, c.b.x, c.b.y), c.expected) << c.a << c.b;
  }
}

// Ends 1e300 apart, and a segment 1e-300 long: the crossings still land on the boundary.
TEST(ClipSegment, FindsTheBoundaryAtExtremeMagnitudes) {
  struct Case {
    ClipRect rect;
    AxisPoint a, b;
    Segment expected;
  } cases[] = {
      {unit, {-1e300, -1e300}, {1e300, 1e300}, {{0, 0}, {1, 1}}},
      {unit, {-5e-301, 0}, {5e-301, 1e-300}, {{0, 0}, {5e-301, 1e-300}}},
      {{-1e300, -1, 1e300, 1}, {-3e300, -2}, {3e300, 2}, {{-1e300, -2.0 / 3}, {1e300, 2.0 / 3}}},
  };
  for (const auto& c : cases) {
    const auto got = clip_segment(c.rect, c.a.x, c.a.y, c.b.x, c.b.y);
    ASSERT_TRUE(got.has_value()) << c.a << c.b;
    for (auto [point, expected] : {std::pair{got->start, c.expected.start},
                                   std::pair{got->end, c.expected.end}}) {
      EXPECT_TRUE(c.rect.contains(point.x, point.y)) << point;
      const double width = c.rect.x_max - c.rect.x_min, height = c.rect.y_max - c.rect.y_min;
      EXPECT_NEAR(point.x, expected.x, 1e-15 * width) << point;
      EXPECT_NEAR(point.y, expected.y, 1e-15 * height) << point;
    }
  }
}

double random_magnitude(std::mt19937_64& random) {
  const double unit_value = std::ldexp(static_cast<double>(random() >> 11), -53) - 0.5;
  return std::ldexp(unit_value, static_cast<int>(random() % 2000) - 1000);
}

TEST(ClipSegment, EndsLieInsideAndInsideEndsAreKept) {
  std::mt19937_64 random(42);
  for (int i = 0; i < 20000; ++i) {
    const double x0 = random_magnitude(random), x1 = random_magnitude(random);
    const double y0 = random_magnitude(random), y1 = random_magnitude(random);
    const ClipRect rect{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
    // Segments from anywhere, from inside, and at scales near the rectangle's.
    AxisPoint a{random_magnitude(random), random_magnitude(random)};
    AxisPoint b{random_magnitude(random), random_magnitude(random)};
    if (i % 3 == 1) a = {std::midpoint(x0, x1), std::midpoint(y0, y1)};
    if (i % 3 == 2) b = {x0 + (x1 - x0) * 3, y1};
    const auto got = clip_segment(rect, a.x, a.y, b.x, b.y);
    if (rect.contains(a.x, a.y)) {
      ASSERT_TRUE(got.has_value());
      EXPECT_EQ(got->start, a);
    }
    if (!got) continue;
    EXPECT_TRUE(rect.contains(got->start.x, got->start.y)) << i << got->start;
    EXPECT_TRUE(rect.contains(got->end.x, got->end.y)) << i << got->end;
    if (rect.contains(b.x, b.y)) {
      EXPECT_EQ(got->end, b);
    }
  }
}

using Pieces = std::vector<std::vector<AxisPoint>>;

TEST(ClipPolyline, SplitsAtGapsAndAtTheBoundary) {
  struct Case {
    std::vector<double> xs, ys;
    Pieces expected;
  } cases[] = {
      {{0.25, 0.5, 0.75}, {0.5, 0.5, 0.5}, {{{0.25, 0.5}, {0.5, 0.5}, {0.75, 0.5}}}},
      // A NaN in the middle: two pieces, no segment across the gap.
      {{0.25, 0.5, nan, 0.75, 1}, {0.5, 0.5, 0.5, 0.5, 0.5},
       {{{0.25, 0.5}, {0.5, 0.5}}, {{0.75, 0.5}, {1, 0.5}}}},
      {{0.1, 0.2, 0.3, 0.4, 0.5}, {0.1, 0.2, nan, 0.4, 0.5},
       {{{0.1, 0.1}, {0.2, 0.2}}, {{0.4, 0.4}, {0.5, 0.5}}}},
      // Isolated points between gaps: kept only inside; an infinity is a gap too.
      {{0.5, 0.5, 0.5}, {nan, 0.5, nan}, {{{0.5, 0.5}}}},
      {{1, 0.5}, {1, inf}, {{{1, 1}}}},
      {{0.5, 2, 0.5}, {nan, 0.5, nan}, {}},
      // Out and back in: the piece closes at the exit and a new one opens at the entry.
      {{0.5, 1.5, 0.5}, {0.5, 0.5, 0.75},
       {{{0.5, 0.5}, {1, 0.5}}, {{1, 0.625}, {0.5, 0.75}}}},
      // Entering, crossing the whole rectangle, and missing it.
      {{-1, 0.5, 3, 4}, {0.5, 0.5, 0.5, 9}, {{{0, 0.5}, {0.5, 0.5}, {1, 0.5}}}},
      {{-1, -1, 2}, {-1, 2, 2}, {}},
      // Running along the edge and touching a corner from outside.
      {{0, 0, 1}, {0, 1, 1}, {{{0, 0}, {0, 1}, {1, 1}}}},
      {{-1, 1, 2}, {1, -1, -1}, {{{0, 0}, {0, 0}}}},
      // Unequal lists pair up to the shorter.
      {{0.25, 0.5, 0.75}, {0.5, 0.5}, {{{0.25, 0.5}, {0.5, 0.5}}}},
      {{}, {}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(testing::nested(clip_polyline(unit, c.xs, c.ys)), c.expected)
        << ::testing::PrintToString(c.xs) << ::testing::PrintToString(c.ys);
  }
}

TEST(ClipPolyline, RepeatsBitForBit) {
  std::mt19937_64 random(8);
  std::normal_distribution<double> step(0, 0.05);
  std::vector<double> xs, ys;
  double y = 0.5;
  for (int i = 0; i < 5000; ++i) {
    xs.push_back(i / 5000.0);
    ys.push_back(y += step(random));
  }
  const auto first = clip_polyline(unit, xs, ys);
  EXPECT_GT(first.size(), 10u);
  EXPECT_EQ(clip_polyline(unit, xs, ys), first);
}

}  // namespace
}  // namespace clip
}  // namespace lodra::draw
