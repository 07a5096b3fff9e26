#include "layout/anchor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/model_data.h"

namespace lodra::layout {
namespace {

using testing::floats;
using testing::names_at;
using testing::numbers_at;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

ContinuousScale limits(double low, double high, ContinuousKind kind = ContinuousKind::Linear) {
  return {kind, 10.0, low, high};
}

Anchor at(double x, double y, bool interpolated = false) { return {x, y, interpolated}; }

TEST(Anchor, EndOfALineIsItsLastFinitePointOrItsCrossingOfTheUpperLimit) {
  const AnchorAxes free{};
  struct Case {
    const char* why;
    std::vector<double> x, y;
    AnchorAxes axes;
    std::optional<Anchor> end;
  } cases[] = {
      {"last point", {1, 2, 3}, {5, 6, 7}, free, at(3, 7)},
      {"trailing NaN values are skipped", {1, 2, 3, 4}, {5, 6, kNaN, kNaN}, free, at(2, 6)},
      {"a NaN x is skipped too", {1, 2, kNaN}, {5, 6, 7}, free, at(2, 6)},
      {"the shorter list counts", {1, 2, 3}, {5, 6}, free, at(2, 6)},
      {"no finite point", {1, 2}, {kNaN, kNaN}, free, std::nullopt},
      {"past the upper limit: the crossing, interpolated",
       {0, 2, 6}, {0, 10, 30}, {limits(0, 4), false, false}, at(4, 20, true)},
      {"a point exactly at the limit stays", {0, 4, 6}, {0, 10, 30},
       {limits(0, 4), false, false}, at(4, 10)},
      {"no crossing towards a NaN y", {0, 2, 6}, {0, 10, kNaN},
       {limits(0, 4), false, false}, at(2, 10)},
      {"points below the lower limit do not count", {0, 1, 2}, {1, 2, 3},
       {limits(1.5, 4), false, false}, at(2, 3)},
      {"every point outside the window", {0, 1}, {1, 2}, {limits(5, 6), false, false},
       std::nullopt},
      {"log x: the fraction is taken in log ratios", {1, 100}, {0, 10},
       {limits(1, 10, ContinuousKind::Log), true, false}, at(10, 5, true)},
      {"log y: geometric between the two values", {0, 2}, {1, 100},
       {limits(0, 1), false, true}, at(1, 10, true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    std::optional<Anchor> end = line_end(std::span<const double>(c.x), c.y, c.axes);
    ASSERT_EQ(end.has_value(), c.end.has_value());
    if (!end) continue;
    EXPECT_EQ(std::get<double>(end->x), std::get<double>(c.end->x));
    EXPECT_NEAR(end->y, c.end->y, 1e-12);
    EXPECT_EQ(end->interpolated, c.end->interpolated);
  }
}

TEST(Anchor, CategoryLineEndsAtTheCategoryOfItsLastFiniteValue) {
  auto y = floats({1, 2, kNaN});
  EXPECT_EQ(line_end(names_at({"a", "b", "c"}), *y, {}), (Anchor{"b", 2.0, false}));
  auto none = floats({kNaN});
  EXPECT_EQ(line_end(names_at({"a"}), *none, {}), std::nullopt);
}

// 200 points at x = 0, 1, ...; y equal to x up to `last_value`, NaN after it.
std::vector<double> long_values(std::size_t last_value) {
  std::vector<double> y(200, kNaN);
  for (std::size_t i = 0; i <= last_value; ++i) y[i] = static_cast<double>(i);
  return y;
}
AxisData long_numbers() { return {share_floats(long_values(199))}; }
AxisData long_names() {
  std::vector<std::string> names;
  for (int i = 0; i < 200; ++i) names.push_back("c" + std::to_string(i));
  return {share_names(std::move(names))};
}

TEST(Anchor, StepEndsAtTheRightEndOfItsLastHoldInTheWindow) {
  struct Case {
    const char* why;
    AxisData x;
    std::vector<double> y;
    Step position;
    AnchorAxes axes;
    std::optional<Anchor> end;
  } cases[] = {
      {"post: the last hold has no width", numbers_at({0, 1, 2}), {5, 6, 7}, Step::Post, {},
       at(2, 7)},
      {"post with a NaN last value: the hold before ends at the last x",
       numbers_at({0, 1, 2}), {5, 6, kNaN}, Step::Post, {}, at(2, 6)},
      {"mid: the hold ends midway", numbers_at({0, 1, 2}), {5, 6, kNaN}, Step::Mid, {},
       at(1.5, 6)},
      {"a hold past the upper limit is capped and interpolated", numbers_at({0, 1, 3}),
       {5, 6, kNaN}, Step::Post, {limits(0, 2), false, false}, at(2, 6, true)},
      {"a hold wholly beyond the upper limit is skipped", numbers_at({0, 1, 3, 4}),
       {5, 6, 7, kNaN}, Step::Post, {limits(0, 2), false, false}, at(2, 6, true)},
      {"a hold ending exactly at the limit is not interpolated", numbers_at({0, 1, 2}),
       {5, 6, kNaN}, Step::Post, {limits(0, 2), false, false}, at(2, 6)},
      {"no hold reaches into the window", numbers_at({0, 1}), {5, 6}, Step::Post,
       {limits(3, 4), false, false}, std::nullopt},
      {"category: the category where the last hold ends", names_at({"a", "b", "c"}),
       {5, 6, kNaN}, Step::Post, {}, Anchor{"c", 6.0, false}},
      {"category: between two categories", names_at({"a", "b", "c"}), {5, 6, kNaN},
       Step::Mid, {}, Anchor{CategoryPair{"b", "c"}, 6.0, false}},
      {"a long step whose end lies far back from its last point", long_numbers(),
       long_values(199), Step::Post, {limits(0, 100.5), false, false}, at(100.5, 100, true)},
      {"a long category step whose values stop early", long_names(), long_values(10),
       Step::Post, {}, Anchor{"c11", 10.0, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(step_end(c.x, c.y, c.position, c.axes), c.end);
  }
}

}  // namespace
}  // namespace lodra::layout
