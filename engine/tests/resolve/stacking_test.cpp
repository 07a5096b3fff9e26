#include "resolve/stacking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lodra::resolve {
namespace {

using Lists = std::vector<std::vector<double>>;
using Slots = std::vector<std::optional<Segment>>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::span<const double>> views(const Lists& lists) {
  return {lists.begin(), lists.end()};
}

TEST(Stacks, SignsStackApartAndTheLastOfEachDirectionIsOutermost) {
  // Categories: mixed signs; all zero; NaN and a value too small to change the total; a
  // category beyond the shorter series.
  const Lists series = {{3, 0, 1e20, 5}, {-2, 0, kNaN}, {4, 0, 1}};
  Stacks stacks = Stacks::make(views(series), 4);
  ASSERT_EQ(stacks.segments.size(), 3u);
  EXPECT_EQ(stacks.segments[0], (Slots{Segment{0, 3, false}, {}, Segment{0, 1e20, true},
                                       Segment{0, 5, true}}));
  EXPECT_EQ(stacks.segments[1], (Slots{Segment{0, -2, true}, {}, {}, {}}));
  EXPECT_EQ(stacks.segments[2], (Slots{Segment{3, 7, true}, {}, {}, {}}));
  EXPECT_EQ(stacks.ends(), (std::vector<double>{3, 1e20, 5, -2, 7}));
}

TEST(AreaStacks, TopsAccumulateAndAGapInAnyLayerEmptiesTheColumn) {
  const std::vector<double> x = {0, 1, 2, kNaN};
  const Lists layers = {{1, 1, 1, 1}, {2, kNaN, 2, 2}, {3, 3, 0, 3}};
  AreaStacks stacks = AreaStacks::make(x, views(layers));
  const Lists expected = {{1, kNaN, 1, kNaN}, {3, kNaN, 3, kNaN}, {6, kNaN, 3, kNaN}};
  ASSERT_EQ(stacks.tops.size(), expected.size());
  for (std::size_t l = 0; l < expected.size(); ++l) {
    for (std::size_t i = 0; i < x.size(); ++i) {
      if (std::isnan(expected[l][i])) {
        EXPECT_TRUE(std::isnan(stacks.tops[l][i])) << l << "," << i;
      } else {
        EXPECT_EQ(stacks.tops[l][i], expected[l][i]) << l << "," << i;
      }
    }
  }
}

}  // namespace
}  // namespace lodra::resolve
