#include "draw/stacked_bars.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "draw/bar_shape.h"
#include "draw/bar_support.h"

namespace lodra::draw::bar {
namespace {

using testing::ExpectedFill;
using bar_shape::rounded_rect;

const Rgba red{200, 0, 0, 255};
const Rgba blue{0, 0, 200, 255};
const Rgba green{0, 200, 0, 255};

// Category a's stack of one value per series, on two categories across 200 pt: the stack spans
// 14..86 pt.
std::vector<scene::Item> stack(const LineClip& clip, const resolve::ResolvedAxis& y,
                               std::vector<double> values) {
  const Rgba colors[] = {red, blue, green};
  resolve::StackedBar mark{share_names({"a", "b"}), {}, {}};
  std::vector<std::vector<double>> lists;
  for (double v : values) lists.push_back({v});
  std::vector<std::span<const double>> spans(lists.begin(), lists.end());
  mark.stacks = resolve::Stacks::make(spans, 2);
  for (std::size_t s = 0; s < values.size(); ++s) {
    mark.series.push_back({"", share_floats(lists[s]), colors[s]});
  }
  Theme theme;
  theme.bar_corner_radius = 3;
  std::vector<scene::Item> items;
  stacked_items(clip, {testing::category_axis({"a", "b"}), y}, theme, mark, items);
  return items;
}

// y from -10 to 10, 10 pt per unit, baseline at 100 pt; segments are pulled half a point apart
// except at the baseline and at the tops, which alone are rounded.
TEST(StackedBars, SegmentsAreSeparatedAndOnlyTheTopsRounded) {
  const LineClip clip = testing::panel({0, 1, 0, 200}, -10, 10);
  const resolve::ResolvedAxis y = testing::linear_axis(-10, 10);
  struct Case {
    const char* name;
    std::vector<double> values;
    std::vector<ExpectedFill> expected;
  } cases[] = {
      {"mixed signs",
       {3, -2, 4},
       {{rounded_rect(14, 86, 100, 70.5, 0, 0), red},
        {rounded_rect(14, 86, 100, 120, 0, 3), blue},
        {rounded_rect(14, 86, 69.5, 30, 0, 3), green}}},
      {"top cut square", {8, 5}, {{rounded_rect(14, 86, 100, 20.5, 0, 0), red},
                                  {rounded_rect(14, 86, 19.5, -3, 0, 0), blue}}},
      // [3, 3.05] shrinks to nothing between its neighbours' gaps.
      {"thin middle", {3, 0.05, 1}, {{rounded_rect(14, 86, 100, 70.5, 0, 0), red},
                                     {rounded_rect(14, 86, 69, 59.5, 0, 3), green}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::expect_fills(stack(clip, y, c.values), c.expected);
  }
}

// On a log axis a stack starts at the axis baseline; here at the bottom (value 1).
TEST(StackedBars, StartAtTheBaselineOfALogAxis) {
  const LineClip clip = testing::panel({0, 1, 0, 200}, 0, testing::kLogHigh);
  const double per_unit = 200 / testing::kLogHigh;
  const double first_top = log_offset(10, 1) * per_unit;
  testing::expect_fills(
      stack(clip, testing::log_axis(0), {10, 90}),
      {{rounded_rect(14, 86, 200, 200 - (first_top - 0.5), 0, 0), red},
       {rounded_rect(14, 86, 200 - (first_top + 0.5), 200 - 2 * first_top, 0, 3), blue}});
}

}  // namespace
}  // namespace lodra::draw::bar
