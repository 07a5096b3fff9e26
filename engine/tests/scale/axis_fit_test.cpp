#include "scale/axis_fit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scale/judges.h"

namespace lodra {
namespace {

using testing::AtMostJudge;
using testing::labels_of;
using Values = std::vector<double>;

constexpr auto Linear = ContinuousKind::Linear;
constexpr auto Log = ContinuousKind::Log;

ContinuousScale scale(ContinuousKind kind, double low, double high) {
  return {kind, 10, low, high};
}

TEST(AxisFit, NiceRoundsOutToTicksOrPowers) {
  struct Case {
    ContinuousScale given, expected;
  } cases[] = {
      {scale(Linear, 0.3, 9.7), scale(Linear, 0, 10)},
      {scale(Linear, 10.2, 19.7), scale(Linear, 10, 20)},
      {scale(Log, 3, 3000), scale(Log, 1, 10000)},
      {scale(Log, 10, 1000), scale(Log, 10, 1000)},
      {scale(Log, 1e-300, 5e299), scale(Log, 1e-300, 1e300)},
      // Too narrow for nice steps: unchanged.
      {scale(Linear, 0, 1e-320), scale(Linear, 0, 1e-320)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.given.nice(5), c.expected);
}

TEST(AxisFit, NiceFromLooseKeepsValuesInsideTheRoundedDomain) {
  LooseFit fit = scale(Linear, 0.3, 9.7).nice_from_loose(Values{0, 2.5, 5, 7.5, 10});
  EXPECT_EQ(fit.scale, scale(Linear, 0, 10));
  ASSERT_TRUE(fit.ticks);
  EXPECT_EQ(fit.ticks->step, 2.5);
  EXPECT_EQ(labels_of(*fit.ticks), (std::vector<std::string>{"0.0", "2.5", "5.0", "7.5", "10.0"}));

  // A log domain never reaches below its floor.
  LooseFit log_fit = scale(Log, 2, 8).nice_from_loose(Values{-2, 0, 2, 4, 6, 8});
  EXPECT_EQ(log_fit.scale, scale(Log, 1e-300, 8));
  EXPECT_EQ(log_fit.ticks->values(), (Values{2, 4, 6, 8}));

  EXPECT_FALSE(scale(Linear, 0, 1).nice_from_loose(Values{0.5}).ticks);
}

TEST(AxisFit, FinishedAddsAStepBelowDataTouchingTheLowerEnd) {
  auto stepped = [](Values values, double step) {
    std::vector<Tick> ticks;
    for (double v : values) ticks.push_back({"", v});
    return AutoTicks::stepped(step, std::move(ticks));
  };
  struct Case {
    const char* why;
    ContinuousScale domain;
    Values ticks;
    FinishOptions options;
    ContinuousScale tick_domain;
    Values finished_ticks;
  } cases[] = {
      {"data at 2 % of the domain", scale(Linear, 10, 20), {10, 12.5, 15, 17.5, 20},
       {10.2, Padding::NoPad}, scale(Linear, 7.5, 20), {7.5, 10, 12.5, 15, 17.5, 20}},
      {"data at 5 % is clear of the axis", scale(Linear, 10, 20), {10, 15, 20},
       {10.5, Padding::NoPad}, scale(Linear, 10, 20), {10, 15, 20}},
      {"the domain holds zero", scale(Linear, 0, 10), {0, 5, 10}, {0.1, Padding::NoPad},
       scale(Linear, 0, 10), {0, 5, 10}},
      {"the first tick is not the lower end", scale(Linear, 9, 20), {10, 15, 20},
       {9.1, Padding::NoPad}, scale(Linear, 9, 20), {10, 15, 20}},
      {"no reference", scale(Linear, 10, 20), {10, 15, 20}, {std::nullopt, Padding::NoPad},
       scale(Linear, 10, 20), {10, 15, 20}},
  };
  for (const auto& c : cases) {
    FittedScale fit = c.domain.finished(stepped(c.ticks, c.ticks[1] - c.ticks[0]), c.options, 5, 0);
    EXPECT_EQ(fit.tick_domain, c.tick_domain) << c.why;
    EXPECT_EQ(fit.drawn, c.tick_domain) << c.why;
    EXPECT_EQ(fit.ticks.values(), c.finished_ticks) << c.why;
  }
}

TEST(AxisFit, PaddingByMode) {
  struct Case {
    ContinuousScale given;
    Padding padding;
    ContinuousScale expected;
  } cases[] = {
      {scale(Linear, 0, 100), Padding::PadBoth, scale(Linear, -5, 105)},
      {scale(Linear, 0, 100), Padding::PadKeepZero, scale(Linear, 0, 105)},
      {scale(Linear, -100, 0), Padding::PadKeepZero, scale(Linear, -105, 0)},
      {scale(Linear, 0, 100), Padding::NoPad, scale(Linear, 0, 100)},
      {scale(Linear, -1e300, 1e300), Padding::PadBoth, scale(Linear, -1e300, 1e300)},
      {scale(Log, 1e-300, 1e300), Padding::PadBoth, scale(Log, 1e-300, 1e300)},
  };
  for (const auto& c : cases) EXPECT_EQ(padded(c.given, c.padding), c.expected);

  ContinuousScale log = padded(scale(Log, 1, 1e4), Padding::PadBoth);
  EXPECT_DOUBLE_EQ(log.low, std::pow(10.0, -0.2));
  EXPECT_DOUBLE_EQ(log.high, std::pow(10.0, 4.2));
}

TEST(AxisFit, LogFittingThinsPowersUntilTheLabelsFit) {
  struct Case {
    std::size_t most;
    Values values;
  } cases[] = {
      // Twice the target of 5, spread over the 13 powers.
      {64, {1, 10, 1e3, 1e4, 1e5, 1e7, 1e8, 1e9, 1e11, 1e12}},
      {5, {1, 1e3, 1e6, 1e9, 1e12}},
      {3, {1, 1e6, 1e12}},
      {0, {1, 1e12}},
  };
  for (const auto& c : cases) {
    AtMostJudge judge(c.most);
    FittedScale fit = scale(Log, 1, 1e12).fitted(5, {std::nullopt, Padding::NoPad}, judge);
    EXPECT_EQ(fit.ticks.values(), c.values) << c.most;
    EXPECT_LE(judge.calls, 130);
  }
}

}  // namespace
}  // namespace lodra
