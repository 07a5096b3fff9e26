#include "draw/bar_shape.h"

#include <gtest/gtest.h>

#include <limits>

namespace lodra::draw::bar_shape {
namespace {

constexpr double k = 0.5522847498307935;
const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

scene::Path rect(double left, double right, double base, double tip) {
  scene::Path p;
  p.move_to(left, base);
  p.line_to(left, tip);
  p.line_to(right, tip);
  p.line_to(right, base);
  p.close();
  return p;
}

// Tip corners of radius r on a bar over [10, 30] from base 100 up to tip 50 (d = -1).
scene::Path rounded_up(double r) {
  scene::Path p;
  p.move_to(10, 100);
  p.line_to(10, 50 + r);
  p.cubic_to(10, 50 + r - k * r, 10 + r - k * r, 50, 10 + r, 50);
  p.line_to(30 - r, 50);
  p.cubic_to(30 - r + k * r, 50, 30, 50 + r - k * r, 30, 50 + r);
  p.line_to(30, 100);
  p.close();
  return p;
}

TEST(BarShape, RoundsTheTipAndShrinksTheRadiusToFit) {
  struct Case {
    const char* name;
    scene::Path got;
    scene::Path expected;
  } cases[] = {
      {"square", rounded_rect(30, 10, 100, 50, 0, 0), rect(10, 30, 100, 50)},
      {"tip radius", rounded_rect(10, 30, 100, 50, 0, 4), rounded_up(4)},
      {"half circle", rounded_rect(10, 30, 100, 50, 0, 25), rounded_up(10)},
      {"negative radius", rounded_rect(10, 30, 100, 50, -3, -3), rect(10, 30, 100, 50)},
      {"NaN radius", rounded_rect(10, 30, 100, 50, nan, nan), rect(10, 30, 100, 50)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.name;
}

// A bar growing down the page (d = +1), shorter than its radius, with base corners too: the
// tip radius shrinks to the length and leaves nothing for the base.
TEST(BarShape, LengthLimitsTheTipRadiusAndTheTipLimitsTheBase) {
  scene::Path tip_only;
  tip_only.move_to(0, 10);
  tip_only.line_to(0, 13 - 3);
  tip_only.cubic_to(0, 13 - 3 + k * 3, 3 - k * 3, 13, 3, 13);
  tip_only.line_to(20 - 3, 13);
  tip_only.cubic_to(20 - 3 + k * 3, 13, 20, 13 - 3 + k * 3, 20, 13 - 3);
  tip_only.line_to(20, 10);
  tip_only.close();
  EXPECT_EQ(rounded_rect(0, 20, 10, 13, 5, 8), tip_only);

  scene::Path both;  // tip radius 2 at 20, base radius 1 at 10
  both.move_to(0, 11);
  both.line_to(0, 18);
  both.cubic_to(0, 18 + k * 2, 2 - k * 2, 20, 2, 20);
  both.line_to(18, 20);
  both.cubic_to(18 + k * 2, 20, 20, 18 + k * 2, 20, 18);
  both.line_to(20, 11);
  both.cubic_to(20, 11 - k, 19 + k, 10, 19, 10);
  both.line_to(1, 10);
  both.cubic_to(1 - k, 10, 0, 11 - k, 0, 11);
  both.close();
  EXPECT_EQ(rounded_rect(0, 20, 10, 20, 1, 2), both);
}

TEST(BarShape, DegenerateBarsAreEmpty) {
  struct Case {
    double x0, x1, base, tip;
  } cases[] = {
      {10, 10, 0, 5}, {0, 10, 5, 5}, {nan, 10, 0, 5}, {nan, nan, 0, 5},
      {0, 10, nan, 5}, {0, 10, 0, inf}, {-inf, 10, 0, 5},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(rounded_rect(c.x0, c.x1, c.base, c.tip, 2, 2).verbs().empty())
        << c.x0 << " " << c.x1 << " " << c.base << " " << c.tip;
  }
}

}  // namespace
}  // namespace lodra::draw::bar_shape
