#include "scale/log_base.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;

TEST(LogBase, AcceptsFiniteBasesFarEnoughAboveOne) {
  for (double base : {10.0, 2.0, 1.000000000001, 1e300}) EXPECT_EQ(LogBase::make(base)->value, base);
}

TEST(LogBase, RejectsBasesWithTheirCause) {
  const std::string finite = "; a log base must be finite and greater than 1.";
  for (double base : {1.0, 0.5, -10.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
    expect_error(LogBase::make(base), {ErrorKind::Style, "Scale.log()", "base", "",
                                       "base is " + display_number(base) + finite});
  }
  expect_error(LogBase::make(1.0000000000001),
               {ErrorKind::Style, "Scale.log()", "base",
                "use base 10 or 2, or a linear scale for evenly spaced ticks.",
                "base is 1.0000000000001; a log base must be at least 1.000000000001 so tick "
                "exponents remain distinct."});
}

}  // namespace
}  // namespace lodra
