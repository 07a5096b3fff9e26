#include "draw/exact/dyadic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

#include "draw/grid_values.h"

namespace lodra::draw::exact {
namespace {

using testing::grid_value;
using testing::Int128;
using testing::units;

// The value of a dyadic in units of 2^unit_exponent; it must be a whole number of them and fit.
Int128 in_units(const Dyadic& d, int unit_exponent) {
  Int128 magnitude = 0;
  const int drop = unit_exponent - d.exponent;  // low bits below the unit, all zero
  const auto& limbs = d.magnitude.limbs;
  for (int bit = static_cast<int>(limbs.size()) * 64 - 1; bit >= 0; --bit) {
    const bool set = (limbs[bit / 64] >> (bit % 64)) & 1;
    if (bit < drop) {
      EXPECT_FALSE(set) << "not a whole number of units";
    } else if (set) {
      magnitude |= Int128{1} << (bit - drop);
    }
  }
  return d.negative ? -magnitude : magnitude;
}

TEST(Dyadic, HoldsEveryFiniteDoubleExactly) {
  const double values[] = {0.0, -0.0, 1.0, -0.1, 0x1p-1074, -0x1p-1022, 0x1.fffffffffffffp-1023,
                           DBL_MAX, -DBL_MAX, 3e-300, 7e299};
  const Dyadic one = Dyadic::of(1);
  for (double v : values) {
    const Dyadic d = Dyadic::of(v);
    EXPECT_EQ(d.negative, std::signbit(v) && v != 0) << v;
    EXPECT_EQ(Dyadic::div_to_f64(d, one), v) << v;
  }
  EXPECT_EQ(Dyadic::of(0x1p-1074).exponent, -1074);
  EXPECT_EQ(Dyadic::of(1.5).exponent, -52);
}

TEST(Dyadic, DifferencesAndProductsAreExact) {
  std::mt19937_64 random(5);
  for (int i = 0; i < 4000; ++i) {
    const double a = grid_value(random), b = grid_value(random);
    const double c = grid_value(random), d = grid_value(random);
    const Dyadic difference = Dyadic::sub(Dyadic::of(a), Dyadic::of(b));
    ASSERT_EQ(in_units(difference, -40), units(a) - units(b)) << a << " - " << b;
    const Dyadic product = Dyadic::mul(difference, Dyadic::sub(Dyadic::of(c), Dyadic::of(d)));
    ASSERT_EQ(in_units(product, -80), (units(a) - units(b)) * (units(c) - units(d)));
    EXPECT_FALSE(Dyadic::sub(Dyadic::of(a), Dyadic::of(a)).negative);
  }
}

TEST(Dyadic, QuotientsAreCloseAndKeepTheirRange) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double n, d;
    std::optional<double> expected;
  } cases[] = {
      {1, 0, std::nullopt},
      {0, -3, 0.0},
      {-6, 3, -2.0},
      {0x1p1000, 0x1p-1000, inf},
      {-0x1p-1000, 0x1p1000, -0.0},
      {0x1p-1000, 0x1p70, 0x1p-1070},
      {0x1p1000, 0x1p-23, 0x1p1023},
      {DBL_MAX, 0.5, inf},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Dyadic::div_to_f64(Dyadic::of(c.n), Dyadic::of(c.d)), c.expected)
        << c.n << " / " << c.d;
  }
  // Truncated leading bits, two conversions and a division: a few units in the last place.
  std::mt19937_64 random(9);
  for (int i = 0; i < 2000; ++i) {
    const double a = grid_value(random), b = grid_value(random), c = grid_value(random);
    if (c == 0) continue;
    const Int128 n = units(a) * units(b);
    const double q = *Dyadic::div_to_f64(Dyadic::mul(Dyadic::of(a), Dyadic::of(b)), Dyadic::of(c));
    const long double exact = testing::scaled(n, -80) / static_cast<long double>(c);
    EXPECT_LE(std::fabs(q - exact), 3 * DBL_EPSILON * std::fabs(exact))
        << a << " " << b << " " << c;
  }
}

}  // namespace
}  // namespace lodra::draw::exact
