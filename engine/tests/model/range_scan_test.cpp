#include "model/range_scan.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "model/shared_data.h"

namespace lodra {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RangeScan, ExtentSkipsNaN) {
  struct Case {
    std::vector<double> values;
    Extent expected;
  } cases[] = {
      {{}, {}},
      {{kNaN, kNaN, kNaN}, {}},
      {{1, kNaN, -3}, {-3, 1}},
      {{kNaN, 5, kNaN, 2, kNaN}, {2, 5}},
      {{kInf, kNaN}, {kInf, kInf}},
      {{-kInf, 0, 1e300, kNaN, 7}, {-kInf, 1e300}},
  };
  for (const auto& c : cases) {
    Extent extent = extent_of(c.values);
    EXPECT_EQ(extent, c.expected);
    // Every split point gives the same merged extent.
    for (std::size_t cut = 0; cut <= c.values.size(); ++cut) {
      std::span<const double> all = c.values;
      EXPECT_EQ(merged(extent_of(all.first(cut)), extent_of(all.subspan(cut))), c.expected);
    }
  }
  // Long enough for every accumulator lane: the extremes are found wherever they sit.
  for (std::size_t low = 0; low < 19; ++low) {
    std::vector<double> values(19, kNaN);
    values[low] = -1;
    values[(low + 7) % 19] = 1;
    values[(low + 3) % 19] = 0.5;
    EXPECT_EQ(extent_of(values), (Extent{-1, 1})) << low;
  }
  EXPECT_TRUE(Extent{}.within(1, 2));
}

TEST(RangeScan, FirstOutsideIgnoresNaN) {
  std::vector<double> values(1000, 0.5);
  values[3] = kNaN;
  EXPECT_EQ(first_outside(values, 0, 1), 1000u);
  values[999] = 2;
  values[700] = -kInf;
  EXPECT_EQ(first_outside(values, 0, 1), 700u);
}

TEST(SharedFloats, CopiesKeepTheValuesAndFindTheirExtent) {
  std::vector<double> source(10001, kNaN);
  source[5000] = -2;
  source[10000] = 9;  // alone in the last piece
  SharedFloats copy = copy_floats(source);
  EXPECT_EQ(copy.extent(), (Extent{-2, 9}));
  ASSERT_EQ(copy->size(), source.size());
  EXPECT_EQ((*copy)[5000], -2);
  EXPECT_EQ(copy.extent(), share_floats(source).extent());
  EXPECT_EQ(copy_floats({}).extent(), Extent{});
}

}  // namespace
}  // namespace lodra
