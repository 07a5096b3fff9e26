#include "draw/fill_paint.h"

#include <gtest/gtest.h>

#include <limits>

namespace lodra::draw {
namespace {

TEST(FillPaint, ScaledAlphaRoundsHalfAwayAndClamps) {
  struct Case {
    std::uint8_t alpha;
    float factor;
    std::uint8_t expected;
  } cases[] = {
      {255, 0.32f, 82},  // 81.6
      {200, 0.5f, 100},
      {1, 0.5f, 1},  // a half rounds up
      {3, 0.5f, 2},
      {200, 2.0f, 255},
      {200, -1.0f, 0},
      {200, std::numeric_limits<float>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(scaled_alpha({10, 20, 30, c.alpha}, c.factor), (Rgba{10, 20, 30, c.expected}))
        << int{c.alpha} << " x " << c.factor;
  }
}

TEST(FillPaint, VerticalFadeRunsFromStartToEnd) {
  const scene::LinearGradient expected{
      {{0.0f, {1, 2, 3, 100}}, {1.0f, {1, 2, 3, 0}}}, {0.0f, 12.5f}, {0.0f, 80.0f}};
  EXPECT_EQ(vertical_fade({1, 2, 3, 200}, 12.5, 0.5f, 80.0, 0.0f), expected);
}

}  // namespace
}  // namespace lodra::draw
