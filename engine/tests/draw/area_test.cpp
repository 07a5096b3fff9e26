#include "draw/area.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw/line_panel.h"
#include "scale/log_math.h"

namespace lodra::draw::area {
namespace {

using namespace panel_testing;

std::vector<scene::Item> drawn(const TestPanel& fixture, const XySeries& data) {
  std::vector<scene::Item> items;
  area_items(fixture.context(), {data, kBlue, 2, Dash::Solid}, items);
  return items;
}

const Rgba kFill{0, 0, 255, 82};  // alpha 255 × 0.32

// y spans -5..5 with the baseline at 0, on the page at 50 pt.
TestPanel centred_panel() {
  TestPanel fixture;
  fixture.axes.y = linear_axis(-5, 5, 0.5);
  return fixture;
}

TEST(AreaItems, FillsEachSideOfTheBaselineApart) {
  const auto items = drawn(centred_panel(), series({0, 2, 4, 6}, {2, -2, -2, 2}));
  ASSERT_EQ(items.size(), 4u);
  // The lobes meet exactly where the outline crosses the baseline, at x = 1 and x = 5.
  const scene::Path expected[] = {
      path_of({{{0, 30}, {10, 50}, {10, 50}, {0, 50}}}, true),
      path_of({{{10, 50}, {20, 70}, {40, 70}, {50, 50}, {50, 50}, {10, 50}}}, true),
      path_of({{{50, 50}, {60, 30}, {60, 50}, {50, 50}}}, true),
  };
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(as_fill(items[i]).path, expected[i]) << i;
    EXPECT_EQ(as_fill(items[i]).paint, scene::FillPaint(kFill));
  }
  EXPECT_EQ(as_stroke(items[3]).path, path_of({{{0, 30}, {20, 70}, {40, 70}, {60, 30}}}));
}

TEST(AreaItems, FillsNothingAlongTheBaseline) {
  struct Case {
    const char* name;
    std::vector<double> ys;
  } cases[] = {
      {"on the baseline", {0, 0, 0}},
      {"within a hundredth of a point", {0, 0.0009, 0}},
      {"lone points between gaps", {2, nan, 3}},
  };
  for (const auto& c : cases) {
    const auto items = drawn(centred_panel(), series({1, 2, 3}, c.ys));
    ASSERT_EQ(items.size(), 1u) << c.name;
    EXPECT_TRUE(std::holds_alternative<scene::Stroke>(items[0].kind)) << c.name;
  }
}

// On a log axis the area rises from the baseline at the axis floor; values at or below zero
// leave gaps.
TEST(AreaItems, RisesFromTheFloorOfALogAxis) {
  TestPanel fixture;
  fixture.axes.y = log_axis(1, 100);
  const auto items = drawn(fixture, series({0, 2, 4, 6, 8}, {10, 100, 0, 10, 10}));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(as_fill(items[0]).path, path_of({{{0, 50}, {20, 0}, {20, 100}, {0, 100}}}, true));
  EXPECT_EQ(as_fill(items[1]).path, path_of({{{60, 50}, {80, 50}, {80, 100}, {60, 100}}}, true));
}

TEST(AreaItems, GradientStartsAtTheOpacityOfTheTruePeak) {
  struct Case {
    const char* name;
    double y_high;
    std::uint8_t first_alpha;
    float start_y;
  } cases[] = {
      // The peak at 10 is pressed to 5 plus the 2 pt margin (0.1): k = 5.1 / 10, alpha
      // round(255 × 0.32 × 0.51) = 42, starting 2 pt above the plot.
      {"cut by the limit", 5, 42, -2},
      {"whole", 10, 82, 0},
  };
  for (const auto& c : cases) {
    TestPanel fixture;
    fixture.theme = fixture.theme.with_fill_style(FillStyle::Gradient);
    fixture.axes.y = linear_axis(0, c.y_high);
    const auto items = drawn(fixture, series({0, 5, 10}, {0, 10, 0}));
    ASSERT_EQ(items.size(), 2u) << c.name;
    const scene::LinearGradient expected{
        {{0, {0, 0, 255, c.first_alpha}}, {1, {0, 0, 255, 0}}}, {0, c.start_y}, {0, 100}};
    EXPECT_EQ(as_fill(items[0]).paint, scene::FillPaint(expected)) << c.name;
  }
}

}  // namespace
}  // namespace lodra::draw::area
