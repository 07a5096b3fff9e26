#include "resolve/continuous_axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <set>

#include "scale/judges.h"

namespace lodra::resolve {
namespace {

using Values = std::vector<double>;
using Labels = std::vector<std::string>;

constexpr auto Linear = ContinuousKind::Linear;
constexpr auto Log = ContinuousKind::Log;

ContinuousScale scale(ContinuousKind kind, double low, double high) {
  return {kind, 10, low, high};
}

ContinuousAxisInputs axis(ContinuousKind kind) { return {kind, 10, {}, {}, {}, 5}; }

Labels labels_of(const FittedAxis& fit) {
  Labels labels;
  for (const AxisTick& tick : fit.ticks) labels.push_back(tick.label);
  return labels;
}

// Tick values read back from their positions on the drawn domain.
Values values_of(const FittedAxis& fit) {
  Values values;
  const ContinuousScale& d = fit.drawn;
  for (const AxisTick& tick : fit.ticks) {
    values.push_back(d.is_log() ? d.low * std::pow(d.high / d.low, tick.position)
                                : d.low + tick.position * (d.high - d.low));
  }
  return values;
}

void expect_near(const Values& actual, const Values& expected, const char* why) {
  ASSERT_EQ(actual.size(), expected.size()) << why;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::max(1.0, std::fabs(expected[i]))) << why;
  }
}

TEST(ContinuousAxis, AutomaticTicksRoundPadAndStepBelowTheData) {
  struct Case {
    const char* why;
    ContinuousKind kind;
    std::optional<DataRange> range;
    Rounding rounding;
    Padding padding;
    ContinuousScale drawn;
    double floor;
    Labels labels;
  } cases[] = {
      {"bars from 3 to 97, stretched to 0", Linear, DataRange{0, 97}, Rounding::NiceBelowData,
       Padding::PadKeepZero, scale(Linear, 0, 105), 0, {"0", "25", "50", "75", "100"}},
      {"a line from 10.2 to 19.7: one step below", Linear, DataRange{10.2, 19.7},
       Rounding::NiceBelowData, Padding::PadBoth, scale(Linear, 6.875, 20.625), 7.5,
       {"7.5", "10.0", "12.5", "15.0", "17.5", "20.0"}},
      {"a line from 1 to 10 rounds to 0", Linear, DataRange{1, 10}, Rounding::NiceBelowData,
       Padding::PadBoth, scale(Linear, -0.5, 10.5), 0, {"0.0", "2.5", "5.0", "7.5", "10.0"}},
      {"exact x", Linear, DataRange{0.3, 9.7}, Rounding::Exact, Padding::PadBoth,
       scale(Linear, 0.3, 9.7), 0.3, {"2.5", "5.0", "7.5"}},
      {"no data", Linear, std::nullopt, Rounding::Nice, Padding::PadBoth, scale(Linear, 0, 1), 0,
       {"0.00", "0.25", "0.50", "0.75", "1.00"}},
      {"no data on log", Log, std::nullopt, Rounding::Nice, Padding::PadBoth, scale(Log, 1, 10), 1,
       {"1", "10"}},
      // The range counts as degenerate on log, so the default domain is not padded either.
      {"invalid data falls back to the default domain", Log, DataRange{-1, 5}, Rounding::Nice,
       Padding::PadBoth, scale(Log, 1, 10), 1, {"1", "10"}},
  };
  for (const auto& c : cases) {
    FittedAxis fit = continuous(axis(c.kind), c.range, c.rounding, c.padding, ticks::unjudged);
    EXPECT_DOUBLE_EQ(fit.drawn.low, c.drawn.low) << c.why;
    EXPECT_DOUBLE_EQ(fit.drawn.high, c.drawn.high) << c.why;
    EXPECT_DOUBLE_EQ(fit.floor, c.floor) << c.why;
    EXPECT_EQ(labels_of(fit), c.labels) << c.why;
  }
}

TEST(ContinuousAxis, LogStepBelowTheDataIsOnePowerStep) {
  FittedAxis fit = continuous(axis(Log), DataRange{10.5, 5000}, Rounding::NiceBelowData,
                              Padding::PadBoth, ticks::unjudged);
  EXPECT_EQ(fit.floor, 1);
  EXPECT_EQ(labels_of(fit), (Labels{"1", "10", "100", "1000", "10000"}));
  EXPECT_DOUBLE_EQ(fit.drawn.low, std::pow(10.0, -0.2));
  // The floor sits slightly above the bottom edge of the padded domain.
  EXPECT_NEAR(fit.ticks.front().position, 0.2 / 4.4, 1e-12);
}

TEST(ContinuousAxis, SingleRepeatedValueIsWidenedAndNotPadded) {
  FittedAxis fit = continuous(axis(Linear), DataRange{7, 7}, Rounding::NiceBelowData,
                              Padding::PadBoth, ticks::unjudged);
  EXPECT_EQ(fit.floor, fit.drawn.low);
  EXPECT_LE(fit.drawn.low, 6.65);
  EXPECT_GE(fit.drawn.high, 7.35);
  EXPECT_DOUBLE_EQ(fit.ticks.front().position, 0);
  EXPECT_DOUBLE_EQ(fit.ticks.back().position, 1);
}

TEST(ContinuousAxis, LimitsOverrideTheData) {
  ContinuousAxisInputs limited = axis(Linear);
  limited.limits = scale(Linear, 0, 1);
  FittedAxis fit = continuous(limited, DataRange{5, 7}, Rounding::Nice, Padding::PadBoth,
                              ticks::unjudged);
  EXPECT_EQ(fit.drawn, scale(Linear, 0, 1));
  EXPECT_EQ(fit.floor, 0);
  EXPECT_EQ(labels_of(fit), (Labels{"0.00", "0.25", "0.50", "0.75", "1.00"}));
}

TEST(ContinuousAxis, ExplicitPositions) {
  const Values positions{0, 50, 100};
  const std::vector<std::string> named{"none", "half", "all"};
  struct Case {
    const char* why;
    std::optional<ContinuousScale> limits;
    bool labelled;
    Rounding rounding;
    TickFormat format;
    ContinuousScale drawn;
    Labels labels;
  } cases[] = {
      {"enclosing the data, padded", std::nullopt, false, Rounding::Nice, {},
       scale(Linear, -5, 105), {"0", "50", "100"}},
      {"exact", std::nullopt, false, Rounding::Exact, {}, scale(Linear, 0, 100),
       {"0", "50", "100"}},
      {"outside the limits are not drawn", scale(Linear, 0, 60), false, Rounding::Nice, {},
       scale(Linear, 0, 60), {"0", "50"}},
      {"with a format", std::nullopt, false, Rounding::Exact, *TickFormat::percent(0),
       scale(Linear, 0, 100), {"0%", "5000%", "10000%"}},
      {"labelled", std::nullopt, true, Rounding::Exact, {}, scale(Linear, 0, 100),
       {"none", "half", "all"}},
  };
  for (const auto& c : cases) {
    ContinuousAxisInputs inputs = axis(Linear);
    inputs.limits = c.limits;
    inputs.format = c.format;
    inputs.explicit_ticks =
        ExplicitTicks{positions, c.labelled ? named : std::span<const std::string>{}};
    FittedAxis fit = continuous(inputs, DataRange{10, 40}, c.rounding, Padding::PadBoth,
                                ticks::unjudged);
    EXPECT_EQ(fit.drawn, c.drawn) << c.why;
    EXPECT_EQ(fit.floor, c.drawn.low == -5 ? 0 : c.drawn.low) << c.why;
    EXPECT_EQ(labels_of(fit), c.labels) << c.why;
    expect_near(values_of(fit), Values(positions.begin(), positions.begin() + c.labels.size()),
                c.why);
  }

  // Bars beside explicit ticks keep zero at the edge.
  ContinuousAxisInputs bars = axis(Linear);
  const Values high{20, 40};
  bars.explicit_ticks = ExplicitTicks{high, {}};
  FittedAxis fit = continuous(bars, DataRange{3, 30}, Rounding::NiceBelowData,
                              Padding::PadKeepZero, ticks::unjudged);
  EXPECT_EQ(fit.drawn, scale(Linear, 0, 42));
}

TEST(ContinuousAxis, AxisFormatRelabelsAutomaticTicks) {
  ContinuousAxisInputs inputs = axis(Linear);
  inputs.format = *TickFormat::affix(*TickFormat::fixed(1), "$", "");
  inputs.limits = scale(Linear, -1, 1);
  FittedAxis fit = continuous(inputs, std::nullopt, Rounding::Nice, Padding::PadBoth,
                              ticks::unjudged);
  EXPECT_EQ(labels_of(fit),
            (Labels{"$\u22121.0", "$\u22120.5", "$0.0", "$0.5", "$1.0"}));
}

TEST(ContinuousAxis, PositionsDropWhatTheDrawnDomainCannotPlace) {
  std::vector<Tick> ticks{{"a", -1}, {"b", 1}, {"c", 10}, {"d", 100}};
  std::vector<AxisTick> placed = positioned(ticks, scale(Log, 1, 100));
  EXPECT_EQ(placed, (std::vector<AxisTick>{{"b", 0}, {"c", 0.5}, {"d", 1}}));
  EXPECT_EQ(enclosing(std::nullopt, Values{}), std::nullopt);
  EXPECT_EQ(enclosing(DataRange{10, 40}, Values{0, NAN, 100}), (DataRange{0, 100}));
}

// Uniform in [0, 1) from the raw generator, so the draws do not depend on the library.
double unit(std::mt19937_64& random) { return static_cast<double>(random() >> 11) * 0x1p-53; }

double between(std::mt19937_64& random, double low, double high) {
  return low + unit(random) * (high - low);
}

DataRange random_range(std::mt19937_64& random, ContinuousKind kind) {
  if (kind == ContinuousKind::Log) {
    double low = std::pow(10.0, between(random, -300, 299));
    double high = std::min(low * std::pow(10.0, between(random, -9, 25)), 1e300);
    return {low, std::max(low, high)};
  }
  double magnitude = std::pow(10.0, between(random, -30, 30));
  double low = (unit(random) < 0.5 ? -1 : 1) * magnitude * unit(random);
  double width = magnitude * std::pow(10.0, between(random, -12, 2));
  if (unit(random) < 0.05) width = 0;  // a single repeated value
  return {low, low + width};
}

void expect_increasing_inside_and_distinct(const FittedAxis& fit, const char* what) {
  std::set<std::string> labels;
  for (std::size_t i = 0; i < fit.ticks.size(); ++i) {
    const AxisTick& tick = fit.ticks[i];
    EXPECT_GE(tick.position, 0) << what;
    EXPECT_LE(tick.position, 1) << what;
    if (i > 0) {
      EXPECT_GT(tick.position, fit.ticks[i - 1].position) << what;
    }
    EXPECT_TRUE(labels.insert(tick.label).second) << what << " repeats " << tick.label;
  }
}

TEST(ContinuousAxis, RandomDomainsGiveIncreasingTicksInsideWithDistinctLabels) {
  std::mt19937_64 random(20240611);
  const double bases[] = {10, 2, 1.5, 1000};
  for (int round = 0; round < 1500; ++round) {
    ContinuousKind kind = round % 3 == 0 ? Log : Linear;
    ContinuousAxisInputs inputs = axis(kind);
    inputs.base = bases[round % 4];
    inputs.target = 2 + round % 9;
    DataRange range = random_range(random, kind);
    testing::AtMostJudge judge(2 + round % 7);
    for (Rounding rounding : {Rounding::Exact, Rounding::NiceBelowData}) {
      FittedAxis fit = continuous(inputs, range, rounding, Padding::PadBoth, judge);
      expect_increasing_inside_and_distinct(fit, "fitted");
      EXPECT_GE(fit.ticks.size(), 2u) << range.low << ".." << range.high;
    }
    // Limits: ticks inside a fixed domain, in data units.
    auto limits = ContinuousScale::make(kind, "Axes.xlim()", inputs.base, range.low, range.high);
    if (limits) {
      AutoTicks ticks = limits->auto_ticks(inputs.target, judge);
      std::set<std::string> labels;
      for (std::size_t i = 0; i < ticks.ticks.size(); ++i) {
        EXPECT_TRUE(labels.insert(ticks.ticks[i].label).second);
        EXPECT_GE(ticks.ticks[i].value, limits->low);
        EXPECT_LE(ticks.ticks[i].value, limits->high);
        if (i > 0) {
          EXPECT_GT(ticks.ticks[i].value, ticks.ticks[i - 1].value);
        }
      }
    }
    if (HasFailure()) {
      ADD_FAILURE() << "round " << round << " range " << range.low << ".." << range.high;
      return;
    }
  }
}

}  // namespace
}  // namespace lodra::resolve
