#include "size.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;

TEST(SizeSpec, PointsAcceptUpTo72) {
  EXPECT_EQ(SizeSpec::pt(72.0)->value, 72.0);
  EXPECT_EQ(SizeSpec::pt(0.001)->kind, SizeSpec::Kind::Points);
  const std::string requirement = "; a size in points must be greater than 0 and at most 72.";
  struct Case {
    double points;
    const char* hint;
  } cases[] = {
      {72.0000001, ""},
      {-1.0, "use Size.AUTO for the theme's size."},
      {0.0, "use Size.AUTO for the theme's size."},
      {std::nan(""), ""},
      {std::numeric_limits<double>::infinity(), ""},
  };
  for (auto c : cases) {
    expect_error(SizeSpec::pt(c.points), {ErrorKind::Style, "Size.pt()", "points", c.hint,
                                          "points is " + display_number(c.points) + requirement});
  }
}

TEST(SizeSpec, FactorsAcceptUpTo10WithHintsByCause) {
  EXPECT_EQ(SizeSpec::times(10.0)->value, 10.0);
  const std::string requirement = "; a size factor must be greater than 0 and at most 10.";
  struct Case {
    double factor;
    const char* hint;
  } cases[] = {
      {0.0, "use Size.AUTO for the theme's size, or a factor below 1 for a smaller one."},
      {-2.0, "use Size.AUTO for the theme's size, or a factor below 1 for a smaller one."},
      {std::nan(""), ""},
      {std::numeric_limits<double>::infinity(), ""},
      {10.5, "use Size.pt() for a size in points."},
  };
  for (auto c : cases) {
    expect_error(SizeSpec::times(c.factor),
                 {ErrorKind::Style, "Size.times()", "factor", c.hint,
                  "factor is " + display_number(c.factor) + requirement});
  }
}

}  // namespace
}  // namespace lodra
