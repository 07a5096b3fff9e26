#include "model/step_holds.h"

#include <gtest/gtest.h>

#include <limits>

namespace lodra {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(StepHolds, EachPositionPlacesItsEdges) {
  // Point 1 has a NaN y: it makes no hold, but its x still bounds its neighbours' holds.
  // Point 3 has a NaN x: its neighbours stop at their own x on that side.
  std::vector<double> x{0, 2, 4, kNaN, 8};
  std::vector<double> y{1, kNaN, 3, 4, 5};
  auto at = Edge::at;
  auto mid = Edge::mid;
  struct Case {
    Step step;
    std::vector<Hold> expected;
  } cases[] = {
      {Step::Post, {{at(0), at(1), 0}, {at(2), at(2), 2}, {at(4), at(4), 4}}},
      {Step::Pre, {{at(0), at(0), 0}, {at(1), at(2), 2}, {at(4), at(4), 4}}},
      {Step::Mid, {{at(0), mid(0, 1), 0}, {mid(2, 1), at(2), 2}, {at(4), at(4), 4}}},
  };
  for (const auto& c : cases) EXPECT_EQ(holds(x, y, c.step), c.expected);
}

TEST(StepHolds, MidpointsStayBetweenTheirPoints) {
  std::vector<double> x{1, 3, 1e300, -1e300};
  EXPECT_EQ(Edge::mid(0, 1).position(x), 2);
  EXPECT_EQ(Edge::mid(1, 0).position(x), 2);
  EXPECT_EQ(Edge::mid(2, 3).position(x), 0);
  EXPECT_EQ(Edge::at(2).position(x), 1e300);
  // Neighbouring subnormals: the rounded midpoint must not fall outside them.
  double tiny = std::numeric_limits<double>::denorm_min();
  std::vector<double> close{tiny, 2 * tiny};
  double m = Edge::mid(0, 1).position(close);
  EXPECT_TRUE(m >= tiny && m <= 2 * tiny);
}

}  // namespace
}  // namespace lodra
