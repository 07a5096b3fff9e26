#include "draw/exact/expansion.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "draw/grid_values.h"

namespace lodra::draw::exact::expansion {
namespace {

using testing::grid_value;
using testing::Int128;
using testing::units;

TEST(CrossDifference, CancelsWithoutLoss) {
  const double e = 0x1p-52;
  struct Case {
    double a, b, c, d, e, f, g, h;
    CrossDifference expected;
  } cases[] = {
      // (1 + ε)(1 − ε) − 1: a naive evaluation rounds the product to 1 and answers 0.
      {1 + e, 0, 1 - e, 0, 1, 0, 1, 0, {true, -0x1p-104}},
      // The second factor's error term carries the whole result.
      {3, 0, 1, 0x1p-80, 1, 0, 3, 0, {true, 3 * 0x1p-80}},
      {0, 0, 5, 1, 2, 0, 0, 0, {true, -0.0}},
      // Products whose rounding error would fall below the subnormals.
      {0x1p-600, 0, 0x1p-500, 0, 1, 0, 1, 0, {false, 0}},
      {0x1p-500, 0, 0x1p-470, 0, 0, 0, 0, 0, {true, 0x1p-970}},
  };
  for (const auto& c : cases) {
    const CrossDifference got = cross_difference(c.a, c.b, c.c, c.d, c.e, c.f, c.g, c.h);
    EXPECT_EQ(got.exact, c.expected.exact) << c.a << " " << c.c;
    if (c.expected.exact) {
      EXPECT_EQ(got.value, c.expected.value) << c.a << " " << c.c;
      EXPECT_EQ(std::signbit(got.value), std::signbit(c.expected.value));
    }
  }
}

TEST(CrossDifference, IsWithinAUnitOfTheExactValue) {
  std::mt19937_64 random(3);
  for (int i = 0; i < 20000; ++i) {
    double v[8];
    for (double& x : v) x = grid_value(random);
    // Near-parallel cases: the second product repeats the first up to small terms.
    if (i % 2) {
      v[4] = v[0];
      v[6] = v[2];
    }
    const Int128 exact = (units(v[0]) + units(v[1])) * (units(v[2]) + units(v[3])) -
                         (units(v[4]) + units(v[5])) * (units(v[6]) + units(v[7]));
    const CrossDifference got = cross_difference(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    ASSERT_TRUE(got.exact);
    const long double reference = testing::scaled(exact, -80);
    EXPECT_LE(std::fabs(got.value - reference), std::fabs(reference) * DBL_EPSILON) << i;
  }
}

TEST(TwoDifference, KeepsTheRoundingError) {
  const Pair p = two_difference(1, 0x1p-60);
  EXPECT_EQ(p.value, 1);
  EXPECT_EQ(p.error, -0x1p-60);
}

}  // namespace
}  // namespace lodra::draw::exact::expansion
