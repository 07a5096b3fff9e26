#include "scale/continuous_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scale/judges.h"
#include "scale/log_math.h"
#include "scale/saturating.h"
#include "test_support.h"

namespace lodra {
namespace {

using testing::AtMostJudge;
using testing::expect_error;
using testing::labels_of;
using Values = std::vector<double>;
using Labels = std::vector<std::string>;

constexpr auto Linear = ContinuousKind::Linear;
constexpr auto Log = ContinuousKind::Log;
const double inf = std::numeric_limits<double>::infinity();

ContinuousScale scale(ContinuousKind kind, double low, double high, double base = 10) {
  return {kind, base, low, high};
}

TEST(ContinuousScale, MakeChecksLimitsInOrder) {
  const std::string order =
      "; both must be finite and the lower limit must be below the upper limit.";
  struct Case {
    ContinuousKind kind;
    double low, high;
    std::string parameter, hint, problem;
  } cases[] = {
      {Linear, 5, 5, "", "", "the limits are 5 and 5" + order},
      {Linear, inf, 1, "low", "", "the limits are inf and 1" + order},
      {Linear, 0, std::nan(""), "high", "", "the limits are 0 and NaN" + order},
      {Log, -inf, inf, "", "", "the limits are -inf and inf" + order},
      {Log, 0, 10, "low", "use a linear axis if either limit is not positive.",
       "the lower limit is 0; a log scale needs a positive lower limit."},
      {Log, 1e-301, 1, "low", "",
       "the limits are 1e-301 and 1; a log scale supports values from 1e-300 to 1e300."},
      {Log, 1e-301, 1e301, "", "",
       "the limits are 1e-301 and 1e301; a log scale supports values from 1e-300 to 1e300."},
      {Log, 1, 1.0000000001, "", "",
       "the limits are 1 and 1.0000000001; the upper limit must be at least a factor of "
       "1.000000001 above the lower limit."},
      {Linear, -2e300, 0, "low", "",
       "the limits are -2e300 and 0; their magnitude must not exceed 1e300."},
      {Linear, 1e9, 1e9 + 0.01, "", "",
       "the limits 1e9 and 1.00000000001e9 are too close; the range must be at least 1e-10 "
       "of their magnitude (and at least 1e-290)."},
  };
  for (const auto& c : cases) {
    expect_error(ContinuousScale::make(c.kind, "Axes.ylim()", 10, c.low, c.high),
                 {ErrorKind::Style, "Axes.ylim()", c.parameter, c.hint, c.problem});
  }
  EXPECT_EQ(*ContinuousScale::make(Log, "Axes.xlim()", 10, 1e-300, 1e300),
            scale(Log, 1e-300, 1e300));
  EXPECT_EQ(*ContinuousScale::make(Linear, "Axes.xlim()", 2, -1e300, 1e300),
            scale(Linear, -1e300, 1e300, 2));
}

TEST(ContinuousScale, FromExtentChecksTheDataRange) {
  struct Case {
    ContinuousKind kind;
    DataRange range;
    std::string hint, problem;
  } cases[] = {
      {Linear, {0, inf}, "", "the data range is 0 to inf; it must be finite."},
      {Linear, {2, 1}, "",
       "the data range is 2 to 1; the lower bound must not exceed the upper bound."},
      {Log, {0, 5}, "use a linear axis, or remove values that are not positive.",
       "the data range starts at 0; a log scale can only show positive values."},
      {Log, {1, 1e301}, "",
       "the data range is 1 to 1e301; a log scale supports values from 1e-300 to 1e300."},
      {Linear, {-1e301, 0}, "",
       "the data range is -1e301 to 0; values must not exceed 1e300 in magnitude."},
  };
  for (const auto& c : cases) {
    expect_error(ContinuousScale::from_extent(c.kind, c.range, "Figure.to_scene()", 10),
                 {ErrorKind::Data, "Figure.to_scene()", "", c.hint, c.problem});
  }
}

TEST(ContinuousScale, FromExtentWidensASingleValue) {
  struct Case {
    ContinuousKind kind;
    std::optional<DataRange> range;
    double base, low, high;
  } cases[] = {
      {Linear, std::nullopt, 10, 0, 1},
      {Log, std::nullopt, 2, 1, 10},
      {Linear, DataRange{3, 97}, 10, 3, 97},
      {Linear, DataRange{7, 7}, 10, 7 - 7 * 0.05, 7 + 7 * 0.05},
      {Linear, DataRange{0, 0}, 10, -0.5, 0.5},
      {Linear, DataRange{1e300, 1e300}, 10, 0.95e300, 1e300},
      {Log, DataRange{100, 100}, 10, 10, 1000},
      {Log, DataRange{100, 100}, 1.01, 100 / 1.1, 100 * 1.1},  // at least a factor 1.1
      {Log, DataRange{1e-300, 1e-300}, 10, 1e-300, 1e-299},
  };
  for (const auto& c : cases) {
    auto made = ContinuousScale::from_extent(c.kind, c.range, "Figure.to_scene()", c.base);
    ASSERT_TRUE(made) << made.error().display();
    EXPECT_DOUBLE_EQ(made->low, c.low);
    EXPECT_DOUBLE_EQ(made->high, c.high);
    EXPECT_EQ(made->base, c.base);
  }
}

TEST(LogMath, ExponentBoundsLandOnExactPowers) {
  struct Case {
    double value, base;
    std::optional<std::int64_t> lowest, highest;
  } cases[] = {
      {1000, 10, 3, 3},        {999, 10, 3, 2},   {1001, 10, 4, 3},
      {1e-300, 10, -300, -300}, {1e300, 10, 300, 300}, {8, 2, 3, 3},
      {0.3, 10, 0, -1},        {0, 10, std::nullopt, std::nullopt},
      {inf, 10, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lowest_exponent(c.value, c.base), c.lowest) << c.value;
    EXPECT_EQ(highest_exponent(c.value, c.base), c.highest) << c.value;
  }
  EXPECT_EQ(saturating_add(kMaxInt64, 1), kMaxInt64);
  EXPECT_EQ(saturating_sub(kMinInt64, 1), kMinInt64);
  EXPECT_EQ(saturating_sub(0, kMinInt64), kMaxInt64);
  EXPECT_EQ(saturating_mul(kMinInt64, 2), kMinInt64);
  EXPECT_EQ(saturating_int(1e300), kMaxInt64);
  EXPECT_EQ(saturating_int(-1e300), kMinInt64);
}

TEST(LogMath, LogOffsetKeepsPrecisionNearOne) {
  EXPECT_DOUBLE_EQ(log_offset(1 + 0x1p-50, 1), 0x1p-50);
  EXPECT_DOUBLE_EQ(log_offset(3, 6), -std::log(2.0));
  EXPECT_DOUBLE_EQ(log_offset(1000, 1), std::log(1000.0));
  // The ratio overflows.
  EXPECT_DOUBLE_EQ(log_offset(1e300, 1e-300), std::log(1e300) - std::log(1e-300));
}

TEST(ContinuousScale, EveryPowerStopsAtTheEndOfTheExponentRange) {
  EXPECT_FALSE(ContinuousScale::every_power(3, 2, 1, 1, 1e6, 10));
  auto powers = ContinuousScale::every_power(0, 6, 3, 1, 1e6, 10);
  ASSERT_TRUE(powers);
  EXPECT_EQ(powers->values(), (Values{1, 1e3, 1e6}));
  // k + stride would overflow: the walk stops instead of wrapping around.
  EXPECT_FALSE(ContinuousScale::every_power(kMaxInt64 - 1, kMaxInt64, 5, 1, 1e6, 10));
}

TEST(ContinuousScale, AutoTicksOnLogDomains) {
  struct Case {
    double low, high;
    int target;
    Values values;
    Labels labels;
  } cases[] = {
      {1, 1000, 5, {1, 10, 100, 1000}, {"1", "10", "100", "1000"}},
      // 13 powers for 5 ticks: every third.
      {1, 1e12, 5, {1, 1e3, 1e6, 1e9, 1e12}, {"1e0", "1e3", "1e6", "1e9", "1e12"}},
      {0.5, 200, 5, {1, 10, 100}, {"1", "10", "100"}},
  };
  for (const auto& c : cases) {
    AutoTicks ticks = scale(Log, c.low, c.high).auto_ticks(c.target, ticks::unjudged);
    EXPECT_TRUE(ticks.is_listed());
    EXPECT_EQ(ticks.values(), c.values);
    EXPECT_EQ(labels_of(ticks), c.labels);
  }
}

TEST(ContinuousScale, AutoTicksThinPowersUntilTheyFit) {
  struct Case {
    std::size_t most;
    Values values;
  } cases[] = {
      {7, {1, 10, 100, 1e3, 1e4, 1e5, 1e6}},
      {4, {1, 100, 1e4, 1e6}},
      {3, {1, 1e3, 1e6}},
      {0, {1, 1e6}},  // never fits: two powers remain
  };
  for (const auto& c : cases) {
    AtMostJudge judge(c.most);
    EXPECT_EQ(scale(Log, 1, 1e6).auto_ticks(5, judge).values(), c.values) << c.most;
  }
}

TEST(ContinuousScale, LogDomainWithoutTwoPowersGetsLinearTicks) {
  AutoTicks ticks = scale(Log, 2, 8).auto_ticks(5, ticks::unjudged);
  EXPECT_TRUE(ticks.is_listed());
  EXPECT_EQ(ticks.values(), (Values{2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(labels_of(ticks), (Labels{"2", "3", "4", "5", "6", "7", "8"}));

  // A tiny positive value beside whole steps would read "0"; it reads as itself.
  auto inside = scale(Log, 1e-17, 2, 1e20).inside_ticks(Values{5.551115123125783e-17, 1, 2});
  ASSERT_TRUE(inside);
  EXPECT_EQ(labels_of(*inside), (Labels{"5.55111512313e\u221217", "1", "2"}));
}

TEST(ContinuousScale, AutoTicksOnLinearDomains) {
  struct Case {
    double low, high;
    std::size_t most;
    std::optional<double> step;
    Values values;
  } cases[] = {
      {0, 100, 64, 25, {0, 25, 50, 75, 100}},
      {0, 100, 3, 50, {0, 50, 100}},
      // Limits cut the rounded ticks 0 and 10 away.
      {0.3, 9.7, 64, 2.5, {2.5, 5, 7.5}},
      {0, 100, 0, 100, {0, 100}},
      // Too narrow for nice steps: evenly spaced and listed, fewer until they fit.
      {0, 1e-320, 64, std::nullopt, {0, 2.5e-321, 5e-321, 7.5e-321, 1e-320}},
      {0, 1e-320, 3, std::nullopt, {0, 5e-321, 1e-320}},
  };
  for (const auto& c : cases) {
    AtMostJudge judge(c.most);
    AutoTicks ticks = scale(Linear, c.low, c.high).auto_ticks(5, judge);
    EXPECT_EQ(ticks.step, c.step) << c.low << ".." << c.high << " at most " << c.most;
    EXPECT_EQ(ticks.values(), c.values) << c.low << ".." << c.high << " at most " << c.most;
  }
}

TEST(ContinuousScale, LogValuesWithEndsDropPowersCrowdingAnAddedEnd) {
  struct Case {
    double low, high;
    int level;
    Values values;
  } cases[] = {
      {3, 3000, 0, {3, 10, 100, 1000, 3000}},
      {3, 3000, 1, {3, 10, 3000}},
      {3, 3000, 3, {3, 3000}},
      {10, 1000, 0, {10, 100, 1000}},
      {2, 8, 0, {2, 8}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(scale(Log, c.low, c.high).log_values_with_ends(5, c.level), c.values)
        << c.low << ".." << c.high << " level " << c.level;
  }
}

}  // namespace
}  // namespace lodra
