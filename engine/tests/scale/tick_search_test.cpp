#include "scale/tick_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace lodra::ticks {
namespace {

using Values = std::vector<double>;

TEST(TickSearch, RoundsLooseIntervalsOutToNiceSteps) {
  struct Case {
    double lo, hi;
    int target;
    Values expected;
  } cases[] = {
      {0, 100, 5, {0, 25, 50, 75, 100}},
      {0, 97, 6, {0, 20, 40, 60, 80, 100}},
      {0.3, 9.7, 5, {0, 2.5, 5, 7.5, 10}},
      {1, 10, 5, {0, 2.5, 5, 7.5, 10}},
      {10.2, 19.7, 5, {10, 12.5, 15, 17.5, 20}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(extended(c.target, false, CandidateJudge::unjudged(), c.lo, c.hi), c.expected)
        << c.lo << ".." << c.hi;
  }
  SearchResult best = search(5, false, accept_all, 0, 100);
  ASSERT_TRUE(best.best);
  EXPECT_DOUBLE_EQ(best.best->score, 0.85);
}

TEST(TickSearch, InsideFlagAlsoOffersCandidatesBeyondTheInterval) {
  EXPECT_EQ(extended(5, true, CandidateJudge::unjudged(), 0.3, 9.7), (Values{0, 2.5, 5, 7.5, 10}));
}

// A judge refusing everything still gets two values, each fallback taking over in turn.
TEST(TickSearch, FallsBackInTurnWhenTheJudgeRefuses) {
  auto refuse_all = [](std::span<const double>) -> Verdict { return -1.0; };
  auto pairs_only = [](std::span<const double> v) -> Verdict { return v.size() == 2 ? 1 : -1; };
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* path;
    CandidateJudge judge;
    bool inside;
    double lo, hi;
    Values expected;
  } cases[] = {
      // No nice row holds exactly two ticks inside [0.3, 9.7]: the search finds a judged pair.
      {"judged pair", {pairs_only, 0}, true, 0.3, 9.7, {0, 10}},
      {"widest two-tick row", {refuse_all, 0}, false, 0, 97, {0, 100}},
      {"fallback of the refused search", {refuse_all, 0}, true, 0.3, 9.7, {2, 8}},
      {"the two ends", {refuse_all, 0}, true, 5, 5, {5, 5}},
      {"the two ends", {refuse_all, 0}, false, 0, inf, {0, inf}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(extended(5, c.inside, c.judge, c.lo, c.hi), c.expected) << c.path;
  }
}

TEST(TickSearch, StepsNarrowerThanTheLeastShareAreNeverJudged) {
  std::vector<Values> judged;
  auto record = [&judged](std::span<const double> v) -> Verdict {
    judged.emplace_back(v.begin(), v.end());
    return 1.0;
  };
  // Labels need 30 % of [0, 100] per step: 25 is too narrow, 50 fits.
  EXPECT_EQ(extended(5, false, {record, 0.3}, 0, 100), (Values{0, 50, 100}));
  ASSERT_FALSE(judged.empty());
  for (const Values& v : judged) EXPECT_GE(v[1] - v[0], 30);
}

TEST(TickSearch, InvalidIntervalsGiveEvenlySpacedValues) {
  auto unjudged = CandidateJudge::unjudged();
  EXPECT_EQ(extended(3, false, unjudged, 2, 2), (Values{2, 2, 2}));
  EXPECT_EQ(extended(1, false, unjudged, 4, 2), (Values{4, 2}));  // target raised to 2
  Values nan_ends = extended(3, false, unjudged, std::nan(""), 1);
  EXPECT_EQ(nan_ends.size(), 3u);
}

TEST(TickSearch, RepeatedRunsAgree) {
  auto unjudged = CandidateJudge::unjudged();
  Values first = extended(7, true, unjudged, -3.7, 1234.5);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(extended(7, true, unjudged, -3.7, 1234.5), first);
}

}  // namespace
}  // namespace lodra::ticks
