#include "resolve/histogram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace lodra::resolve {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Histogram, CountsValuesIntoBinsAgreeingWithTheEdges) {
  struct Case {
    std::vector<double> values;
    std::size_t bins;
    double low, high;
    std::vector<std::uint64_t> counts;
  } cases[] = {
      // The maximum lies on the last edge and belongs to the last bin.
      {{0, 1, 2, 3, 4}, 4, 0, 4, {1, 1, 1, 2}},
      {{0, 1, 2, 3, 4, std::nan(""), kInf, -kInf}, 4, 0, 4, {1, 1, 1, 2}},
      // A single value gets a range of one around it.
      {{5}, 2, 4.5, 5.5, {0, 1}},
      {{5, 5, 5}, 1, 4.5, 5.5, {3}},
      // Edges computed as low + i × w decide, not the division: 0.3 sits on the edge 0.1 + 0.2.
      {{0.1, 0.3, 0.7}, 3, 0.1, 0.7, {1, 1, 1}},
      {{-1e300, 1e300}, 2, -1e300, 1e300, {1, 1}},
  };
  for (const auto& c : cases) {
    auto histogram = Histogram::from_values(c.values, c.bins);
    ASSERT_TRUE(histogram);
    EXPECT_EQ(histogram->bins(), c.bins);
    EXPECT_EQ(histogram->low, c.low);
    EXPECT_EQ(histogram->high, c.high);
    EXPECT_EQ(histogram->counts, c.counts);
  }
}

TEST(Histogram, NarrowRangeIsWidenedAroundItsMiddle) {
  auto histogram = Histogram::from_values(std::vector<double>{1e12, 1e12 + 1e-3}, 2);
  ASSERT_TRUE(histogram);
  const double mid = 1e12 + 0.5e-3;
  EXPECT_DOUBLE_EQ(histogram->low, mid - 1e3);
  EXPECT_DOUBLE_EQ(histogram->high, mid + 1e3);
  EXPECT_EQ(histogram->counts, (std::vector<std::uint64_t>{1, 1}));
}

TEST(Histogram, AbsentWithoutFiniteValuesOrBins) {
  EXPECT_FALSE(Histogram::from_values(std::vector<double>{std::nan(""), kInf}, 3));
  EXPECT_FALSE(Histogram::from_values({}, 3));
  EXPECT_FALSE(Histogram::from_values(std::vector<double>{1, 2}, 0));
}

}  // namespace
}  // namespace lodra::resolve
