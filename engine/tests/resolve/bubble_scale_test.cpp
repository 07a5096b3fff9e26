#include "resolve/bubble_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lodra::resolve::bubble_scale {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(BubbleScale, CandidatesAreReadFromTheirDecimalText) {
  std::array<double, 9> c = candidates(-2);
  EXPECT_EQ(c, (std::array<double, 9>{1e-3, 2e-3, 5e-3, 1e-2, 2e-2, 5e-2, 1e-1, 2e-1, 5e-1}));
  EXPECT_EQ(candidates(-5)[2], 5e-6);
  EXPECT_NE(candidates(-5)[2], 5 * 1e-6);  // the product misses the nearest double
  EXPECT_TRUE(std::isnan(candidates(308)[6]));
}

TEST(BubbleScale, NiceNumbersBelowAndNearest) {
  struct Case {
    double v, below, nearest;
  } cases[] = {
      {730, 500, 1000},    {250, 200, 200},    {125, 100, 100},   {1, 1, 1},
      {0.25, 0.2, 0.2},   {3, 2, 2},          {3.2, 2, 5},       {0.00099, 0.0005, 0.001},
      {0, 0, 0},          {-4, 0, -4},        {kInf, 0, kInf},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nice_125_below(c.v), c.below) << c.v;
    EXPECT_EQ(nice_125_round(c.v), c.nearest) << c.v;
  }
}

TEST(BubbleScale, ReferencesStepDownFromTheLargestNiceSize) {
  struct Case {
    double reference;
    std::vector<double> sizes;
  } cases[] = {
      {730, {500, 200, 100}},
      {1, {1, 0.5, 0.2}},
      {0.0007, {0.0005, 0.0002, 0.0001}},
      {0, {}},
      {-3, {}},
      {kNaN, {}},
      {kInf, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(references(c.reference), c.sizes) << c.reference;
}

TEST(BubbleScale, AreasAreProportionalToSizes) {
  EXPECT_EQ(radius(25, 100), 9);
  EXPECT_EQ(radius(100, 100), kLargestRadius);
  EXPECT_EQ(radius(0, 100), 0);
  EXPECT_EQ(radius(-1, 100), 0);
  EXPECT_EQ(radius(1, 0), 0);
}

}  // namespace
}  // namespace lodra::resolve::bubble_scale
