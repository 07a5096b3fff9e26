#include "resolve/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace lodra {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

TEST(Quantile, InterpolatesBetweenClosestRanks) {
  struct Case {
    std::vector<double> sorted;
    double p;
    double expected;
  } cases[] = {
      {{1, 2, 3, 4}, 0.25, 1.75},
      {{1, 2, 3, 4}, 0.5, 2.5},
      {{1, 2, 3, 4}, 0.75, 3.25},
      {{1, 2, 3, 4}, 1.0, 4},
      {{1, 2, 3, 4}, 0.0, 1},
      {{7}, 0.5, 7},
      // An infinite neighbour wins instead of making inf - inf.
      {{1, kInf}, 0.5, kInf},
      {{1, kInf}, 0.0, 1},
      {{-kInf, 1}, 0.25, -kInf},
      {{kInf, kInf}, 0.5, kInf},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(stats::quantile(c.sorted, c.p), c.expected) << "p " << c.p;
  }
  EXPECT_TRUE(std::isnan(stats::quantile({}, 0.5)));
  EXPECT_TRUE(std::isnan(stats::quantile(std::vector<double>{-kInf, kInf}, 0.5)));
}

TEST(BoxStats, QuartilesWhiskersAndOutliers) {
  struct Case {
    std::vector<double> values;
    double q1, median, q3, whisker_low, whisker_high;
    std::vector<double> outliers;
  } cases[] = {
      {{1, 2, 3, 4, 100}, 2, 3, 4, 1, 4, {100}},
      {{100, 4, kNaN, 3, 2, 1}, 2, 3, 4, 1, 4, {100}},
      {{5}, 5, 5, 5, 5, 5, {}},
      {{-50, 1, 2, 3, 4, 5, 90}, 1.5, 3, 4.5, 1, 5, {-50, 90}},
      // Whiskers never reach inside the box.
      {{0, 10, 10, 10, 20}, 10, 10, 10, 10, 10, {0, 20}},
      {{1, 2, 3, kInf}, 1.75, 2.5, kInf, 1, kInf, {}},
  };
  for (const auto& c : cases) {
    auto box = stats::box_stats(c.values);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->q1, c.q1);
    EXPECT_EQ(box->median, c.median);
    EXPECT_EQ(box->q3, c.q3);
    EXPECT_EQ(box->whisker_low, c.whisker_low);
    EXPECT_EQ(box->whisker_high, c.whisker_high);
    EXPECT_EQ(box->outliers, c.outliers);
  }
}

TEST(BoxStats, AbsentWithoutValues) {
  EXPECT_FALSE(stats::box_stats({}));
  EXPECT_FALSE(stats::box_stats(std::vector<double>{kNaN, kNaN}));
}

TEST(KdeScott, AbsentCases) {
  struct Case {
    std::vector<double> values;
    std::size_t points;
  } cases[] = {
      {{}, 128}, {{kNaN, kInf}, 128}, {{3, 3, 3}, 128}, {{1, 2}, 1}, {{1, 2}, 0},
  };
  for (const auto& c : cases) EXPECT_FALSE(stats::kde_scott(c.values, c.points));
}

TEST(KdeScott, TwoValuesGiveASymmetricCurveWithScottsBandwidth) {
  auto curve = stats::kde_scott(std::vector<double>{2, kNaN, 6}, 5);
  ASSERT_TRUE(curve);
  ASSERT_EQ(curve->size(), 5u);
  const double h = std::sqrt(0.5) * std::pow(2.0, -0.2);
  const double norm = h * 2 * 2.5066282746310002;
  const double xs[] = {2, 3, 4, 5, 6};
  for (std::size_t k = 0; k < 5; ++k) {
    const double u = k / 4.0;
    const double expected =
        (std::exp(-0.5 * std::pow(u / h, 2)) + std::exp(-0.5 * std::pow((u - 1) / h, 2))) / norm;
    EXPECT_EQ((*curve)[k].x, xs[k]);
    EXPECT_DOUBLE_EQ((*curve)[k].density, expected);
    EXPECT_DOUBLE_EQ((*curve)[k].density, (*curve)[4 - k].density);
  }
}

TEST(KdeScott, LastPointIsExactlyTheMaximum) {
  auto curve = stats::kde_scott(std::vector<double>{0.1, 0.7, 0.3}, 3);
  ASSERT_TRUE(curve);
  EXPECT_EQ(curve->front().x, 0.1);
  EXPECT_EQ(curve->back().x, 0.7);
}

TEST(ViolinStats, DensityScaledToOneAndQuartiles) {
  auto violin = resolve::violin_stats(std::vector<double>{4, 1, kInf, 3, 2, kNaN});
  ASSERT_TRUE(violin);
  ASSERT_EQ(violin->density.size(), resolve::kViolinPoints);
  double peak = 0;
  for (const auto& point : violin->density) peak = std::max(peak, point.density);
  EXPECT_EQ(peak, 1.0);
  EXPECT_EQ(violin->density.front().x, 1);
  EXPECT_EQ(violin->density.back().x, 4);
  EXPECT_EQ(violin->q1, 1.75);
  EXPECT_EQ(violin->median, 2.5);
  EXPECT_EQ(violin->q3, 3.25);
  EXPECT_EQ(violin->min, 1);
  EXPECT_EQ(violin->max, 4);
}

TEST(ViolinStats, RepeatedValueHasStatisticsButNoDensity) {
  auto violin = resolve::violin_stats(std::vector<double>{2, 2, 2});
  ASSERT_TRUE(violin);
  EXPECT_TRUE(violin->density.empty());
  EXPECT_EQ(violin->median, 2);
  EXPECT_EQ(violin->min, 2);
  EXPECT_EQ(violin->max, 2);
  EXPECT_FALSE(resolve::violin_stats(std::vector<double>{kNaN, -kInf}));
}

}  // namespace
}  // namespace lodra
