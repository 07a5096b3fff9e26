#include "draw/mapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "draw/clip.h"
#include "scale/log_math.h"

namespace lodra::draw::mapping {
namespace {

using Values = std::vector<double>;
const double nan = std::numeric_limits<double>::quiet_NaN();

// NaN compares unequal to itself; a table of expectations compares it as a value.
void expect_values(const Values& got, const Values& expected) {
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (std::isnan(expected[i])) {
      EXPECT_TRUE(std::isnan(got[i])) << i << ": " << got[i];
    } else {
      EXPECT_EQ(got[i], expected[i]) << i;
    }
  }
}

TEST(Mapping, ContinuousValuesAreLinearOrLogOffsets) {
  const ContinuousScale linear{ContinuousKind::Linear, 10, -5, 5};
  const ContinuousScale log{ContinuousKind::Log, 10, 0.5, 1000};
  expect_values(continuous_values(Values{-3, 0, nan, 7}, linear), {-3, 0, nan, 7});
  expect_values(continuous_values(Values{0.5, 100, 0, -0.0, -2, nan, 1e-300}, log),
                {0, log_offset(100, 0.5), nan, nan, nan, nan, log_offset(1e-300, 0.5)});
}

// Values at or below zero on a log axis break a line like missing ones.
TEST(Mapping, LogValuesAtOrBelowZeroBreakTheLine) {
  const ContinuousScale log{ContinuousKind::Log, 10, 1, 100};
  const Values xs = {0, 1, 2, 3, 4};
  const Values ys = continuous_values(Values{10, 20, 0, 30, 40}, log);
  EXPECT_EQ(clip::clip_polyline({0, 0, 4, log_offset(100, 1)}, xs, ys).size(), 2u);
}

resolve::ResolvedAxis category_axis(std::vector<std::string> names) {
  return {{}, resolve::CategoryScale::from_first_appearance(names)};
}

TEST(Mapping, AxisXTakesTheAxisKind) {
  const resolve::ResolvedAxis categories = category_axis({"a", "b", "c", "d"});
  const resolve::ResolvedAxis linear{{}, ContinuousScale{ContinuousKind::Linear, 10, 0, 1}};
  const AxisData names{share_names({"c", "a", "zz", "d"})};
  const AxisData numbers{share_floats({0.25, nan, 3})};
  struct Case {
    const resolve::ResolvedAxis& axis;
    const AxisData& data;
    Values expected;
  } cases[] = {
      {categories, names, {0.625, 0.125, nan, 0.875}},
      {linear, numbers, {0.25, nan, 3}},
      {categories, numbers, {nan, nan, nan}},
      {linear, names, {nan, nan, nan, nan}},
  };
  for (const auto& c : cases) expect_values(axis_x(c.axis, c.data), c.expected);
}

}  // namespace
}  // namespace lodra::draw::mapping
