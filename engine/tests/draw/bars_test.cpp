#include "draw/bars.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "draw/bar_shape.h"
#include "draw/bar_support.h"

namespace lodra::draw::bar {
namespace {

using testing::ExpectedFill;
using testing::expect_fills;
using Names = std::vector<std::string>;
using bar_shape::rounded_rect;

const double nan = std::numeric_limits<double>::quiet_NaN();
const Rgba red{200, 0, 0, 255};
const Rgba blue{0, 0, 200, 255};
const Rgba green{0, 200, 0, 255};

// Four categories across 400 pt: each group is 72 pt wide, category b's from 114 to 186.
const resolve::ResolvedAxis categories = testing::category_axis({"a", "b", "c", "d"});
const AxisSpan wide{0, 1, 0, 400};

Theme rounded(float radius) {
  Theme theme;
  theme.bar_corner_radius = radius;
  return theme;
}

std::vector<scene::Item> bars(const LineClip& clip, const resolve::ResolvedAxis& y,
                              const Theme& theme, Names names, std::vector<double> heights) {
  std::vector<scene::Item> items;
  bar_items(clip, {categories, y}, theme, {share_names(std::move(names)),
                                           share_floats(std::move(heights)), red},
            items);
  return items;
}

TEST(Bars, RiseFromTheBaselineAndAreCutJustBeyondThePlot) {
  // y from -10 to 10, 10 pt per unit, baseline 0 at 100 pt. A radius of 3 pt makes the margin
  // 3 pt: ends are clamped into [-10.3, 10.3].
  const LineClip clip = testing::panel(wide, -10, 10);
  const resolve::ResolvedAxis y = testing::linear_axis(-10, 10);
  struct Case {
    double height;
    std::optional<scene::Path> expected;
  } cases[] = {
      {5, rounded_rect(114, 186, 100, 50, 0, 3)},
      {-4, rounded_rect(114, 186, 100, 140, 0, 3)},  // rounded at the bottom
      {10.2, rounded_rect(114, 186, 100, -2, 0, 3)},
      {12, rounded_rect(114, 186, 100, -3, 0, 0)},  // cut: square
      {-50, rounded_rect(114, 186, 100, 203, 0, 0)},
      {0, std::nullopt},
      {nan, std::nullopt},
      {std::numeric_limits<double>::infinity(), std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    const auto items = bars(clip, y, rounded(3), {"b"}, {c.height});
    if (c.expected) {
      expect_fills(items, {{*c.expected, red}});
    } else {
      EXPECT_TRUE(items.empty());
    }
  }
}

// Linear bars rise from 0 even when the axis does not show it: the base is cut 2 pt below.
TEST(Bars, RiseFromZeroBelowALinearAxis) {
  const auto items = bars(testing::panel(wide, 5, 10), testing::linear_axis(5, 10), rounded(0),
                          {"b"}, {7.5});
  expect_fills(items, {{rounded_rect(114, 186, 202, 100, 0, 0), red}});
}

// On a log axis bars rise from the axis baseline (here a quarter up the domain, at 150 pt);
// values at or below 0 are left out.
TEST(Bars, RiseFromTheBaselineOfALogAxis) {
  const LineClip clip = testing::panel(wide, 0, testing::kLogHigh);
  const auto items = bars(clip, testing::log_axis(0.25), rounded(0), {"a", "b", "c", "d"},
                          {10, 1, 0, -1});
  expect_fills(items, {{rounded_rect(14, 86, 150, 200.0 - 200.0 / 3, 0, 0), red},
                       {rounded_rect(114, 186, 150, 200, 0, 0), red}});
}

TEST(Bars, FollowTheAxisOrderAndSkipUnknownCategories) {
  const LineClip clip = testing::panel(wide, 0, 10);
  const auto items = bars(clip, testing::linear_axis(0, 10), rounded(0), {"d", "zz", "a", "c"},
                          {1, 2, 3});  // "c" has no height
  expect_fills(items, {{rounded_rect(14, 86, 200, 140, 0, 0), red},
                       {rounded_rect(314, 386, 200, 180, 0, 0), red}});
}

TEST(Bars, InAxisOrderPairsAxisAndMarkIndexes) {
  const auto& scale = std::get<resolve::CategoryScale>(categories.scale);
  EXPECT_EQ(in_axis_order(Names{"c", "x", "a", "d"}, scale),
            (std::vector<CategoryIndex>{{0, 2}, {2, 0}, {3, 3}}));
}

TEST(Bars, NeedACategoryAxisAndAContinuousOne) {
  const LineClip clip = testing::panel(wide, 0, 10);
  const resolve::Bar mark{share_names({"a"}), share_floats({1}), red};
  std::vector<scene::Item> items;
  bar_items(clip, {testing::linear_axis(0, 1), testing::linear_axis(0, 10)}, Theme{}, mark,
            items);
  bar_items(clip, {categories, categories}, Theme{}, mark, items);
  EXPECT_TRUE(items.empty());
}

std::vector<scene::Item> grouped(const AxisSpan& x, const Theme& theme) {
  const resolve::GroupedBar mark{share_names({"a"}),
                                 {{"p", share_floats({5}), red},
                                  {"q", share_floats({}), blue},  // no value: no bar
                                  {"r", share_floats({20}), green}}};
  std::vector<scene::Item> items;
  grouped_items(testing::panel(x, 0, 10), {categories, testing::linear_axis(0, 10)}, theme,
                mark, items);
  return items;
}

// Three series share category a's 72 pt: bars of 68/3 pt, 2 pt apart. The tall bar is cut at
// the 3 pt margin its radius sets.
TEST(GroupedBars, SitSideBySideTwoPointsApart) {
  const double w = 68.0 / 3;
  expect_fills(grouped(wide, rounded(3)),
               {{rounded_rect(14, 14 + w, 200, 100, 0, 3), red},
                {rounded_rect(14 + 2 * (w + 2), 14 + 2 * (w + 2) + w, 200, -3, 0, 0), green}});
}

// On 40 pt the group is 7.2 pt: 2 pt gaps would leave narrower bars than gaps, so the bars
// touch, 2.4 pt each. Half of that caps the radius, so the margin is the least one, 2 pt.
TEST(GroupedBars, TouchWhenTheGapsWouldBeWiderThanTheBars) {
  expect_fills(grouped({0, 1, 0, 40}, rounded(3)),
               {{rounded_rect(1.4, 3.8, 200, 100, 0, 1.2), red},
                {rounded_rect(6.2, 8.6, 200, -2, 0, 0), green}});
}

TEST(GroupedBars, WithoutSeriesDrawNothing) {
  std::vector<scene::Item> items;
  grouped_items(testing::panel(wide, 0, 10), {categories, testing::linear_axis(0, 10)}, Theme{},
                {share_names({"a"}), {}}, items);
  EXPECT_TRUE(items.empty());
}

}  // namespace
}  // namespace lodra::draw::bar
