#include "draw/downsample.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace lodra::draw::downsample {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
using Values = std::vector<double>;

// Twelve points at x = 0..11 in two buckets over [0, 12]: x 0..5 and x 6..11.
const Values twelve_x = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

TEST(M4Indices, KeepsFirstLowestHighestAndLastOfEachBucket) {
  struct Case {
    const char* name;
    Values xs, ys;
    std::size_t buckets;
    double lo, hi;
    Indices expected;
  } cases[] = {
      {"two buckets", twelve_x, {5, 9, 1, 5, 5, 5, 5, 5, 0, 7, 7, 5}, 2, 0, 12,
       {0, 1, 2, 5, 6, 8, 9, 11}},
      // First minimum and first maximum win; a point that is both first and lowest is kept once.
      {"ties", twelve_x, {0, 0, 3, 3, 1, 1, 2, 2, 2, 2, 2, 2}, 2, 0, 12, {0, 2, 5, 6, 11}},
      // A gap ends the bucket and is kept; the next point opens a new bucket.
      {"gap", twelve_x, {5, 9, 1, nan, 5, 5, 5, 5, 0, 7, 7, 5}, 2, 0, 12,
       {0, 1, 2, 3, 4, 5, 6, 8, 9, 11}},
      // Points beyond the range fall into the end buckets.
      {"outside", twelve_x, {5, 9, 1, 5, 5, 5, 5, 5, 0, 7, 7, 5}, 2, 3, 9,
       {0, 1, 2, 5, 6, 8, 9, 11}},
      {"x decreases", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}, Values(12, 1), 2, 0, 12,
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"a NaN x does not count as decreasing", {0, 1, 2, 3, 4, nan, 6, 7, 8, 9, 10, 11},
       Values(12, 1), 2, 0, 12, {0, 4, 5, 6, 11}},
      {"too few points", Values(twelve_x.begin(), twelve_x.begin() + 8), Values(8, 1), 2, 0, 12,
       {0, 1, 2, 3, 4, 5, 6, 7}},
      {"empty range", twelve_x, Values(12, 1), 2, 5, 5,
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"infinite range", twelve_x, Values(12, 1), 2, -inf, 12,
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"no buckets", twelve_x, Values(12, 1), 0, 0, 12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(m4_indices(c.xs, c.ys, c.buckets, c.lo, c.hi), c.expected) << c.name;
  }
}

TEST(M4Indices, BucketsARangeTooWideForADouble) {
  const double big = std::numeric_limits<double>::max();
  const Values xs = {-big, -big, -big, -big, 0, 1, 2, 3, big, big, big, big};
  EXPECT_EQ(m4_indices(xs, Values(12, 1), 2, -big, big), (Indices{0, 3, 4, 11}));
}

// Twenty points at x = 0..19 with the window [6, 13]: one bucket inside.
TEST(WindowedM4, ThinsInsideAndKeepsWhatReachesIn) {
  Values xs, ys;
  for (int i = 0; i < 20; ++i) {
    xs.push_back(i);
    ys.push_back(i % 3);
  }
  // Inside: x 6..13, first 6, lowest 6 (y 0), highest 8 (y 2), last 13; neighbours 5 and 14.
  EXPECT_EQ(visible_m4_indices(xs, ys, 1, 6, 13), (Indices{5, 6, 8, 13, 14}));
  // Margins of 4 on each side thin x 0..5 over [2, 6] and x 14..19 over [13, 17], one bucket
  // each; with the same margins the window alone is kept.
  EXPECT_EQ(clipped_m4_indices(xs, ys, 1, 6, 13, 2, 17),
            (Indices{0, 2, 5, 6, 8, 13, 14, 15, 19}));
  EXPECT_EQ(clipped_m4_indices(xs, ys, 1, 6, 13, 6, 13), (Indices{5, 6, 8, 13, 14}));
  // Nothing thinnable: every point stays.
  EXPECT_EQ(clipped_m4_indices(xs, ys, 5, 6, 13, 2, 17).size(), 20u);
}

}  // namespace
}  // namespace lodra::draw::downsample
