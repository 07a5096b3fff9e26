#include "layout/nudge.h"

#include <gtest/gtest.h>

#include <vector>

namespace lodra::layout {
namespace {

TEST(Nudge, SeparatesWithinTheRangeOrSpreadsAroundTheMean) {
  struct Case {
    const char* why;
    std::vector<double> values;
    double gap;
    std::vector<double> separated;  // within [0, 100]
  } cases[] = {
      {"nothing", {}, 10, {}},
      {"already apart", {10, 50, 90}, 10, {10, 50, 90}},
      {"equal values are pushed up one gap each", {50, 50, 50}, 10, {50, 60, 70}},
      {"input order is kept", {70, 10, 12}, 10, {70, 10, 20}},
      {"pulled back below the upper end", {95, 98}, 10, {90, 100}},
      {"a value outside the range is brought in", {-5, 120}, 10, {0, 100}},
      {"exactly filling the range still fits", {0, 0, 0}, 50, {0, 50, 100}},
      {"too many: evenly around their mean, beyond the range", {50, 50, 50}, 60, {-10, 50, 110}},
      {"too many: the spread follows the values' order", {80, 20, 50}, 60, {110, -10, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(nudge::separate(c.values, c.gap, 0, 100), c.separated);
  }
}

}  // namespace
}  // namespace lodra::layout
