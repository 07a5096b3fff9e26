#include "draw/band.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw/line_panel.h"

namespace lodra::draw::band {
namespace {

using namespace panel_testing;

const Rgba kFill{0, 0, 255, 82};

TEST(BandItems, FillsEachStretchBetweenItsCurves) {
  using Values = std::vector<double>;
  struct Case {
    const char* name;
    Values xs, lows, highs;
    std::vector<scene::Path> expected;
  } cases[] = {
      {"a missing value in either curve or in x splits the band",
       {0, 1, 2, 3, 4, nan, 6},
       {1, 1, nan, 1, 1, 1, 1},
       {2, 2, 2, 2, 2, 2, 2},
       {path_of({{{0, 90}, {10, 90}, {10, 80}, {0, 80}}}, true),
        path_of({{{30, 90}, {40, 90}, {40, 80}, {30, 80}}}, true)}},
      {"unsorted x is drawn in data order",
       {0, 4, 2},
       {1, 1, 1},
       {3, 3, 3},
       {path_of({{{0, 90}, {40, 90}, {20, 90}, {20, 70}, {40, 70}, {0, 70}}}, true)}},
      {"cut at the top of the plot",
       {0, 10},
       {0, 0},
       {5, 15},
       {path_of({{{0, 100}, {100, 100}, {100, 0}, {50, 0}, {0, 50}}}, true)}},
      {"wholly above the plot", {0, 10}, {11, 11}, {12, 12}, {}},
  };
  const TestPanel fixture;
  for (const auto& c : cases) {
    std::vector<scene::Item> items;
    band_items(fixture.context(),
               {share_floats(c.xs), share_floats(c.lows), share_floats(c.highs), kBlue}, items);
    ASSERT_EQ(items.size(), c.expected.size()) << c.name;
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(as_fill(items[i]).path, c.expected[i]) << c.name;
      EXPECT_EQ(as_fill(items[i]).paint, scene::FillPaint(kFill)) << c.name;
    }
  }
}

// Clipping a square corner-first through all four edges leaves the octagon inside.
TEST(ClippedArea, CutsAgainstEveryEdge) {
  std::vector<AxisPoint> diamond = {{0.5, -0.5}, {1.5, 0.5}, {0.5, 1.5}, {-0.5, 0.5}};
  clipped_area({0, 0, 1, 1}, diamond);
  EXPECT_EQ(diamond, (std::vector<AxisPoint>{{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
  std::vector<AxisPoint> square = {{-1, 0.25}, {2, 0.25}, {2, 0.75}, {-1, 0.75}};
  clipped_area({0, 0, 1, 1}, square);
  EXPECT_EQ(square, (std::vector<AxisPoint>{{0, 0.25}, {1, 0.25}, {1, 0.75}, {0, 0.75}}));
}

}  // namespace
}  // namespace lodra::draw::band
