#include "scene/normalize.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "render/svg_format.h"
#include "scene/path_text.h"

namespace lodra::scene {
namespace {

using testing::path_of;

// The normalized path as path data, or "absent".
std::string normalized(const std::string& path) {
  auto result = normalize_path(path_of(path));
  if (!result) return "absent";
  std::string data;
  render::append_path_data(data, *result);
  return data;
}

TEST(NormalizePath, SplitsAroundInvalidPointsAndDropsEmptySubpaths) {
  struct Case {
    const char* path;
    const char* expected;
  } cases[] = {
      {"", "absent"},
      {"M1 1", "absent"},
      {"M0 0 Z Z", "absent"},
      {"M2e6 0 L2e6 5 L2e6 9", "absent"},
      {"M0 0 L10 0 L2e6 0 L20 0 L30 0", "M0 0 L10 0 M20 0 L30 0"},
      {"M0 0 L10 0 Lnan 0 L20 0", "M0 0 L10 0"},
      {"L5 5 L10 10", "M5 5 L10 10"},
      {"M0 0 M5 5 L6 6", "M5 5 L6 6"},
      {"Minf 0 L1 1 L2 2", "M1 1 L2 2"},
      {"M-1e6 1e6 L1e6 -1e6", "M-1000000 1000000 L1000000 -1000000"},
      {"M0 0 L1000000.1 0", "absent"},  // a float just above one million
      // A close starts over from the start point; closing nothing changes nothing.
      {"M0 0 L10 0 L10 10 Z L20 20", "M0 0 L10 0 L10 10 Z M0 0 L20 20"},
      {"M0 0 L1 1 Z Z", "M0 0 L1 1 Z"},
      {"M0 0 L1 1 Z M3 3 L4 4", "M0 0 L1 1 Z M3 3 L4 4"},
      // Curves need a current point and valid control points.
      {"Q1 1 2 2 L3 3 L4 4", "M3 3 L4 4"},
      {"M0 0 Q1 2 3 4 C5 6 7 8 9 10", "M0 0 Q1 2 3 4 C5 6 7 8 9 10"},
      {"M0 0 L1 0 C5 nan 7 8 9 10 L3 3 L4 4", "M0 0 L1 0 M3 3 L4 4"},
      {"M0 0 L1 0 Q1 1 2 inf C1 1 2 2 3 3", "M0 0 L1 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(normalized(c.path), c.expected) << c.path;
}

TEST(NormalizePath, ControlLengthWalksTheControlPolygonAndClosingEdges) {
  struct Case {
    const char* path;
    float length;
  } cases[] = {
      {"M0 0 L3 4", 5},
      {"M0 0 L10 0 L10 10 L0 10 Z", 40},
      {"M0 0 Q3 4 6 0", 10},
      {"M0 0 C0 3 4 3 4 0", 10},
      {"M0 0 L3 4 Z M10 10 L10 12", 12},
  };
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(normalize_path(path_of(c.path))->control_length(), c.length) << c.path;
  }
}

TEST(NormalizeDash, DrawsSolidWhenThePatternCannotBeDrawn) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<float> solid;  // absent
  struct Case {
    std::vector<float> dash;
    float length;
    std::vector<float> expected;
  } cases[] = {
      {{4}, 100, {4, 4}},
      {{1, 2, 3}, 100, {1, 2, 3, 1, 2, 3}},
      {{4, 2}, 100, {4, 2}},
      {{-0.0f, 2}, 100, {-0.0f, 2}},
      {{0, 0}, 100, solid},           // the pattern sums below 0.1
      {{0.1f, 0.1f}, 30'000, solid},  // it would repeat more than 100,000 times
      {{0.1f, 0.1f}, 10'000, {0.1f, 0.1f}},
      {{}, 100, solid},
      {{4, 2}, 0, solid},
      {{4, 2}, nan, solid},
      {{4, -1}, 100, solid},
      {{4, nan}, 100, solid},
      {{4, inf}, 100, solid},
      {{3e38f, 3e38f}, 100, solid},  // the sum overflows
  };
  for (const auto& c : cases) {
    auto dash = normalize_dash(c.dash, c.length);
    EXPECT_EQ(dash.value_or(solid), c.expected) << ::testing::PrintToString(c.dash);
  }
}

TEST(NormalizeGradient, CleansStopsOrReducesToOneColour) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Rgba red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, clear{0, 0, 0, 0};
  const Point origin{0, 0}, right{10, 0}, invalid{nan, 0};
  struct Case {
    LinearGradient gradient;
    std::optional<FillPaint> expected;
  } cases[] = {
      // Non-finite offsets are dropped, the rest clamped and sorted stably.
      {{{{0.5f, red}, {nan, blue}, {2, green}, {-1, blue}, {0.5f, green}}, origin, right},
       LinearGradient{{{0, blue}, {0.5f, red}, {0.5f, green}, {1, green}}, origin, right}},
      {{{{0.5f, red}, {0.2f, clear}}, origin, right},
       LinearGradient{{{0.2f, clear}, {0.5f, red}}, origin, right}},
      {{{}, origin, right}, std::nullopt},
      {{{{nan, red}}, origin, right}, std::nullopt},
      {{{{0, clear}, {1, clear}}, origin, right}, std::nullopt},
      // One stop is solid even where the line is invalid.
      {{{{0.3f, red}}, invalid, right}, red},
      {{{{0, red}, {1, blue}}, invalid, right}, std::nullopt},
      {{{{0, red}, {1, blue}}, origin, {0, 2e6}}, std::nullopt},
      // Coincident ends give the colour of the last stop after sorting.
      {{{{1, red}, {0, blue}}, right, {10, 0.005f}}, red},
      {{{{1, red}, {0, blue}}, right, {10, 0.02f}},
       LinearGradient{{{0, blue}, {1, red}}, right, {10, 0.02f}}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(normalize_gradient(cases[i].gradient), cases[i].expected) << "case " << i;
  }
  // -0 is clamped to +0.
  auto cleaned = normalize_gradient({{{-0.0f, red}, {1, blue}}, origin, right});
  EXPECT_FALSE(std::signbit(std::get<LinearGradient>(*cleaned).stops[0].offset));
}

}  // namespace
}  // namespace lodra::scene
