#include "draw/slots.h"

#include <gtest/gtest.h>

#include <vector>

namespace lodra::draw {
namespace {

TEST(Slots, DistributionsShareTheirCategorysFractionTwoPointsApart) {
  struct Case {
    std::size_t categories, members;
    double fraction, plot_width;
    std::size_t category;
    std::vector<Slot> expected;  // one per member
  } cases[] = {
      // Half of each of two categories: a quarter of the axis around 0.25 and 0.75.
      {2, 1, 0.5, 100, 0, {{0.125, 0.375}}},
      {2, 1, 0.5, 100, 1, {{0.625, 0.875}}},
      // Two slots of (0.5 − 0.02) / 2 with a 2-point gap (0.02 of a 100-point plot).
      {1, 2, 0.5, 100, 0, {{0.25, 0.49}, {0.51, 0.75}}},
      // A gap of 0.2 would be wider than the slots: they touch instead.
      {1, 3, 0.5, 10, 0, {{0.25, 0.25 + 0.5 / 3}, {0.25 + 0.5 / 3, 0.75 - 0.5 / 3},
                          {0.75 - 0.5 / 3, 0.75}}},
  };
  for (const Case& c : cases) {
    const SlotLayout layout(c.categories, c.members, c.fraction, c.plot_width);
    for (std::size_t j = 0; j < c.expected.size(); ++j) {
      const Slot slot = layout.slot(c.category, j);
      EXPECT_NEAR(slot.left, c.expected[j].left, 1e-15) << c.members << " members, slot " << j;
      EXPECT_NEAR(slot.right, c.expected[j].right, 1e-15) << c.members << " members, slot " << j;
    }
  }
}

}  // namespace
}  // namespace lodra::draw
