#include "draw/histogram_bars.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "draw/bar_shape.h"
#include "draw/bar_support.h"
#include "draw/fill_paint.h"

namespace lodra::draw::hist {
namespace {

using bar_shape::rounded_rect;

const Rgba teal{0, 120, 120, 200};

// x from 0 to 10 across 400 pt (40 pt per unit), y from 0 to 10 from 200 pt up to 0 (20 pt per
// unit); bars reach at most 2 pt beyond the plot.
const LineClip clip = testing::panel({0, 10, 0, 400}, 0, 10);
const resolve::Resolved linear{testing::linear_axis(0, 10), testing::linear_axis(0, 10)};

Theme theme_of(FillStyle style, float gap) {
  Theme theme;
  theme.fill_style = style;
  theme.hist_gap = gap;
  return theme;
}

std::vector<scene::Item> hist(const LineClip& panel, const resolve::Resolved& axes,
                              const Theme& theme, std::vector<std::uint64_t> counts, double low,
                              double high) {
  std::vector<scene::Item> items;
  hist_items(panel, axes, theme, {teal, resolve::Histogram{std::move(counts), low, high}}, items);
  return items;
}

scene::Path joined(std::initializer_list<scene::Path> parts) {
  scene::Path path;
  for (const scene::Path& part : parts) path.append(part);
  return path;
}

// Bins [2, 3], [3, 4], [4, 5], [5, 6] with counts 2, 0, 5, 12: a hole where the count is 0, and
// the bar of 12 cut 2 pt above the plot.
TEST(HistogramBars, SolidBarsAreOneFillWithHolesAndInsets) {
  struct Case {
    float gap;
    double inset;  // points
  } cases[] = {{2, 1}, {0, 0}, {-5, 0}, {60, 10}};  // the inset is at most a quarter bin
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gap);
    const double i = c.inset;
    const Theme theme = theme_of(FillStyle::Solid, c.gap);
    testing::expect_fills(hist(clip, linear, theme, {2, 0, 5, 12}, 2, 6),
                          {{joined({rounded_rect(80 + i, 120 - i, 200, 160, 0, 0),
                                    rounded_rect(160 + i, 200 - i, 200, 100, 0, 0),
                                    rounded_rect(200 + i, 240 - i, 200, -2, 0, 0)}),
                            teal}});
  }
}

// The fade runs from the tallest bar, clamped to 10.1, at 0.95 × 10.1 / 12 of the opacity down
// to nothing at the baseline; every bar whose top is in reach gets a 1.6 pt band.
TEST(HistogramBars, GradientFadesTheBodyAndCapsTheBars) {
  const auto items = hist(clip, linear, theme_of(FillStyle::Gradient, 0), {2, 0, 5, 12}, 2, 6);
  const scene::LinearGradient fade{
      {{0, {0, 120, 120, 160}}, {1, {0, 120, 120, 0}}}, {0, -2}, {0, 200}};
  testing::expect_fills(
      items, {{joined({rounded_rect(80, 120, 200, 160, 0, 0),
                       rounded_rect(160, 200, 200, 100, 0, 0),
                       rounded_rect(200, 240, 200, -2, 0, 0)}),
               fade},
              {joined({rounded_rect(80, 120, 161.6, 160, 0, 0),
                       rounded_rect(160, 200, 101.6, 100, 0, 0)}),
               teal}});
}

// Bins beyond the plot are cut 2 pt outside it, or dropped when nothing of them is left.
TEST(HistogramBars, BinsOutsideThePlotAreCut) {
  testing::expect_fills(hist(clip, linear, theme_of(FillStyle::Solid, 0), {1, 3, 4}, -2, 1),
                        {{joined({rounded_rect(-2, 0, 200, 140, 0, 0),
                                  rounded_rect(0, 40, 200, 120, 0, 0)}),
                          teal}});
}

// On a log y axis the bars rise from the axis baseline, here a quarter up (150 pt): a count of
// 1 hangs below it. With gradient fills its band hangs from its bottom.
TEST(HistogramBars, RiseFromTheBaselineOfALogAxis) {
  const resolve::Resolved axes{testing::linear_axis(0, 10), testing::log_axis(0.25)};
  const auto items = hist(testing::panel(clip.x, 0, testing::kLogHigh), axes,
                          theme_of(FillStyle::Gradient, 0), {1, 10}, 0, 2);
  const double per_unit = 200 / testing::kLogHigh;
  const double ten = 200 - log_offset(10, 1) * per_unit;
  const double band = 1.6;
  const scene::LinearGradient fade{{{0, {0, 120, 120, 190}}, {1, {0, 120, 120, 0}}},
                                   {0, static_cast<float>(ten)}, {0, 150}};
  testing::expect_fills(items, {{joined({rounded_rect(0, 40, 150, 200, 0, 0),
                                         rounded_rect(40, 80, 150, ten, 0, 0)}),
                                 fade},
                                {joined({rounded_rect(0, 40, 200 - band, 200, 0, 0),
                                         rounded_rect(40, 80, ten + band, ten, 0, 0)}),
                                 teal}});
}

// Each bin is placed by the edges its values were counted between, mapped one by one: on a log
// x axis the bins of [1, 100] split at 50.5, not at the middle of the log range.
TEST(HistogramBars, BinsKeepTheirCountedEdgesOnALogAxis) {
  const resolve::Resolved axes{{{}, ContinuousScale{ContinuousKind::Log, 10, 1, 1000}, 1, 0},
                               testing::linear_axis(0, 10)};
  const auto items = hist(testing::panel({0, testing::kLogHigh, 0, 400}, 0, 10), axes,
                          theme_of(FillStyle::Solid, 0), {1, 2}, 1, 100);
  const double split = log_offset(50.5, 1) * 400 / testing::kLogHigh;
  const double end = log_offset(100, 1) * 400 / testing::kLogHigh;
  testing::expect_fills(items, {{joined({rounded_rect(0, split, 200, 180, 0, 0),
                                         rounded_rect(split, end, 200, 160, 0, 0)}),
                                 teal}});
}

TEST(HistogramBars, DrawNothingWithoutBarsOrOnCategories) {
  std::vector<scene::Item> items;
  const Theme theme = theme_of(FillStyle::Gradient, 0);
  hist_items(clip, linear, theme, {teal, std::nullopt}, items);
  hist_items(clip, linear, theme, {teal, resolve::Histogram{{0, 0}, 0, 2}}, items);
  hist_items(clip, {testing::category_axis({"a"}), testing::linear_axis(0, 10)}, theme,
             {teal, resolve::Histogram{{1}, 0, 1}}, items);
  EXPECT_TRUE(items.empty());
}

}  // namespace
}  // namespace lodra::draw::hist
