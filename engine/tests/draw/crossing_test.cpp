#include "draw/crossing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>

#include "draw/grid_values.h"

namespace lodra::draw::clip {
namespace {

using testing::grid_value;
using testing::Int128;
using testing::units;

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

struct Inputs {
  double x0, y0, x1, y1, c, r;
};

TEST(Crossing, AnswersWithinTheSegmentOnly) {
  struct Case {
    Inputs in;
    std::optional<double> expected;
  } cases[] = {
      {{-1, 0, 1, 1, 0, 0.5}, 0.5},
      {{0, 0, 1, 1, 0, 0.5}, 0.0},
      {{0, 0, 1, 1, 1, 0.5}, 1.0},
      {{4, 1, 0, 3, 1, 0}, 2.5},
      {{1, 0, 1, 5, 1, 0.5}, std::nullopt},  // vertical
      {{0, 0, 1, 1, 1.5, 0.5}, std::nullopt},
      {{0, 0, 1, 1, -0.1, 0.5}, std::nullopt},
      {{0, nan, 1, 1, 0.5, 0.5}, std::nullopt},
      {{0, 0, 1, 1, nan, 0.5}, std::nullopt},
      {{-inf, 0, 1, 1, 0, 0.5}, std::nullopt},
      // The offset from the reference overflows.
      {{0, 0, 1, DBL_MAX, 1, -DBL_MAX}, std::nullopt},
  };
  for (const auto& c : cases) {
    const Inputs& in = c.in;
    EXPECT_EQ(crossing(in.x0, in.y0, in.x1, in.y1, in.c, in.r), c.expected)
        << in.x0 << " " << in.y0 << " " << in.x1 << " " << in.y1 << " at " << in.c;
  }
}

// Huge coordinates beside small ones, or segments 1e-300 long, defeat the scaled
// double evaluation; the exact one still finds the crossing.
TEST(Crossing, ExtremeMagnitudesTakeTheExactPath) {
  struct Case {
    Inputs in;
    double expected;
  } cases[] = {
      {{-1e300, -1e300, 1e300, 1e300, 0, 0.5}, 0},
      {{-1e300, 1e-300, 1e300, 3e-300, 1e-300, 0.5}, 2e-300},
      {{-5e-301, 0, 5e-301, 1e-300, 0, 0.5}, 5e-301},
      {{-1e-300, 1e-300, 1, 1, 0, 0.5}, 1e-300},
      {{0x1p-1074, 0, 0x1p1000, 1, 0x1p-1000, 1e-300}, 0},  // truly 2^-2000
  };
  for (const auto& c : cases) {
    const Inputs& in = c.in;
    EXPECT_EQ(fast_offset(in.x0, in.y0, in.x1, in.y1, in.c, in.r), std::nullopt) << in.x0;
    const auto answer = crossing(in.x0, in.y0, in.x1, in.y1, in.c, in.r);
    ASSERT_TRUE(answer.has_value()) << in.x0;
    // Exact up to the roundings next to the reference.
    EXPECT_NEAR(*answer, c.expected, 4 * DBL_EPSILON * (std::fabs(in.r) + std::fabs(c.expected)))
        << in.x0 << " " << in.y0;
  }
}

double snapped_to_grid(double v) {
  return std::ldexp(std::round(std::ldexp(v, -testing::kGridExponent)), testing::kGridExponent);
}

// Grid inputs make (c − x0)(y1 − y0) − (r − y0)(x1 − x0) an exact 128-bit integer; the reference
// divides it in long double. Every case is also scaled by powers of two over the whole double
// range, x and y apart.
TEST(Crossing, MatchesAnIndependentExactReference) {
  std::mt19937_64 random(20240611);
  int near_parallel = 0;
  for (int i = 0; i < 40000; ++i) {
    const double x0 = grid_value(random), x1 = grid_value(random);
    if (x0 == x1) continue;
    const double t = std::ldexp(static_cast<double>(random() >> 11), -53);
    const double c = std::clamp(snapped_to_grid(x0 + t * (x1 - x0)), std::min(x0, x1),
                                std::max(x0, x1));
    double y0 = grid_value(random), y1 = grid_value(random), r = grid_value(random);
    if (i % 2) {
      // Move the crossing next to 0 and the reference onto it: the answer is far smaller than
      // the segment's rise, where an inexact D would show.
      const double at_c = snapped_to_grid(y0 + (c - x0) / (x1 - x0) * (y1 - y0));
      y0 -= at_c;
      y1 -= at_c;
      r = snapped_to_grid(std::ldexp(grid_value(random), -20));
      ++near_parallel;
    }
    const Int128 run = units(x1) - units(x0);
    const Int128 d = (units(c) - units(x0)) * (units(y1) - units(y0)) -
                     (units(r) - units(y0)) * run;
    const int x_scale = static_cast<int>(random() % 1990) - 1000;
    const int y_scale = static_cast<int>(random() % 1990) - 1000;
    auto sx = [&](double v) { return std::ldexp(v, x_scale); };
    auto sy = [&](double v) { return std::ldexp(v, y_scale); };
    const long double q = std::ldexp(static_cast<long double>(d) / static_cast<long double>(run),
                                     testing::kGridExponent + y_scale);
    const long double expected = sy(r) + q;
    const long double slack = 0x1p-1072L;

    const Inputs in{sx(x0), sy(y0), sx(x1), sy(y1), sx(c), sy(r)};
    const auto answer = crossing(in.x0, in.y0, in.x1, in.y1, in.c, in.r);
    ASSERT_TRUE(answer.has_value()) << i;
    EXPECT_LE(std::fabs(*answer - expected),
              3 * DBL_EPSILON * (std::fabs(q) + std::fabs(expected)) + slack)
        << i;
    for (auto offset : {fast_offset(in.x0, in.y0, in.x1, in.y1, in.c, in.r),
                        exact_offset(in.x0, in.y0, in.x1, in.y1, in.c, in.r)}) {
      ASSERT_TRUE(offset.has_value()) << i;
      EXPECT_LE(std::fabs(*offset - q), 3 * DBL_EPSILON * std::fabs(q) + slack) << i;
    }
  }
  EXPECT_GT(near_parallel, 10000);
}

double any_double(std::mt19937_64& random) {
  for (;;) {
    const double v = std::bit_cast<double>(random());
    if (std::isfinite(v)) return v;
  }
}

// Inputs of any magnitude, mixed: whenever the fast evaluation answers, the exact one agrees.
TEST(Crossing, FastAndExactEvaluationsAgree) {
  std::mt19937_64 random(77);
  int fast = 0, exact = 0;
  for (int i = 0; i < 20000; ++i) {
    const double x0 = any_double(random), x1 = any_double(random);
    if (x0 == x1) continue;
    const double t = std::ldexp(static_cast<double>(random() >> 11), -53);
    const double c = i % 2 ? std::clamp(t * x1 + (1 - t) * x0, std::min(x0, x1), std::max(x0, x1))
                           : std::clamp(any_double(random), std::min(x0, x1), std::max(x0, x1));
    const double y0 = any_double(random), y1 = any_double(random), r = any_double(random);
    const auto e = exact_offset(x0, y0, x1, y1, c, r);
    ASSERT_TRUE(e.has_value());
    const auto f = fast_offset(x0, y0, x1, y1, c, r);
    if (!f) {
      ++exact;
      continue;
    }
    ++fast;
    if (!std::isfinite(*e) || !std::isfinite(*f)) {
      EXPECT_GT(std::min(std::fabs(*e), std::fabs(*f)), 1e307) << i;
      continue;
    }
    EXPECT_LE(std::fabs(*f - *e), 4 * DBL_EPSILON * std::fabs(*e) + 0x1p-1072) << i;
  }
  EXPECT_GT(fast, 1000);
  EXPECT_GT(exact, 1000);
}

}  // namespace
}  // namespace lodra::draw::clip
