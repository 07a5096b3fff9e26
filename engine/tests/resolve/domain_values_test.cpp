#include "resolve/domain_values.h"

#include <gtest/gtest.h>

#include <limits>

namespace lodra::resolve {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(DomainValues, OnlyFiniteValuesCount) {
  struct Case {
    const char* why;
    std::vector<double> list;
    double extra;
    std::optional<DataRange> extent;
  } cases[] = {
      {"a stored list and a value", {1, kNaN, 3}, -2, DataRange{-2, 3}},
      {"infinities in a stored list are skipped", {kInf, 1, -kInf, 4}, kNaN, DataRange{1, 4}},
      {"nothing finite", {kNaN, kInf}, -kInf, std::nullopt},
  };
  for (const Case& c : cases) {
    DomainValues values;
    values.add(share_floats(c.list));
    values.add(c.extra);
    EXPECT_EQ(values.extent(), c.extent) << c.why;
  }
}

}  // namespace
}  // namespace lodra::resolve
