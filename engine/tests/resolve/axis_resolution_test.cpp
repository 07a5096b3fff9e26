#include "resolve/axis_resolution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/model_data.h"
#include "resolve/figures.h"
#include "resolve/mark_resolution.h"

namespace lodra::resolve {
namespace {

using testing::at;
using testing::floats;
using testing::grid_figure;
using testing::names;
using testing::names_at;
using testing::numbers_at;

constexpr int kTarget = 5;

// The axes of the group of panels `members`, led by the first.
Resolved resolve_group(const Figure& figure, std::vector<std::size_t> members) {
  auto marks = resolve_figure_marks(figure);
  std::vector<std::span<const ResolvedMark>> group;
  for (std::size_t i : members) group.emplace_back(marks[i]);
  Limits limits = Limits::of(figure.axes()[members.front()]);
  return {resolve_x(group, limits.x, ticks::unjudged, kTarget),
          resolve_y(group, limits.y, ticks::unjudged, kTarget)};
}

const ContinuousScale& drawn(const ResolvedAxis& axis) {
  return std::get<ContinuousScale>(axis.scale);
}

void expect_domain(const ResolvedAxis& axis, double low, double high) {
  EXPECT_DOUBLE_EQ(drawn(axis).low, low);
  EXPECT_DOUBLE_EQ(drawn(axis).high, high);
}

Status line(Figure& f, std::int64_t col, std::initializer_list<double> x,
            std::initializer_list<double> y) {
  return at(f, 0, col).line_shared(numbers_at(x), floats(y), {});
}

TEST(AxisResolution, XIsExactForLinesAndRoundedForPoints) {
  struct Case {
    const char* why;
    std::function<void(Figure&)> build;  // two panels sharing x
    double low, high;
  } cases[] = {
      {"lines only span their data", [](Figure& f) { line(f, 0, {0.3, 9.7}, {1, 2}); }, 0.3, 9.7},
      {"a scatter in the other panel rounds and pads",
       [](Figure& f) {
         line(f, 0, {0.3, 9.7}, {1, 2});
         ASSERT_TRUE(at(f, 0, 1).scatter_shared(numbers_at({5}), floats({1}), {}));
       },
       -0.5, 10.5},
      {"a reference line beyond line data stays exact",
       [](Figure& f) {
         line(f, 0, {0.3, 9.7}, {1, 2});
         ASSERT_TRUE(at(f, 0, 1).vline(AxisValue{12.0}, {}));
       },
       0.3, 12},
      {"reference spans alone are rounded",
       [](Figure& f) { ASSERT_TRUE(at(f, 0, 0).vspan(0.3, 9.7, {})); }, -0.5, 10.5},
      {"histograms are rounded",
       [](Figure& f) { ASSERT_TRUE(at(f, 0, 1).hist_shared(floats({0.3, 9.7}), 3, {})); }, -0.5,
       10.5},
      {"no data: the default domain", [](Figure&) {}, 0, 1},
  };
  for (const Case& c : cases) {
    Figure figure = grid_figure({.rows = 1, .cols = 2, .share_x = Share::Row});
    c.build(figure);
    Resolved resolved = resolve_group(figure, {0, 1});
    SCOPED_TRACE(c.why);
    expect_domain(resolved.x, c.low, c.high);
  }
}

TEST(AxisResolution, YKeepsZeroForBarsOnLinearAxesAndRestsOnTheBaseline) {
  const double log_pad = std::pow(100.0, 0.05);
  struct Case {
    const char* why;
    Scale y_scale;
    std::function<void(Figure&)> build;
    double low, high;
    NormalizedPos baseline;
  } cases[] = {
      {"bars 3..97 start at 0", Scale::linear(),
       [](Figure& f) {
         ASSERT_TRUE(at(f, 0, 0).bar_shared(names({"a", "b"}), floats({3, 97}), {}));
       },
       0, 105, 0},
      {"bars 3..97 on log: the floor, lifted by the padding", Scale::log({10}),
       [](Figure& f) {
         ASSERT_TRUE(at(f, 0, 0).bar_shared(names({"a", "b"}), floats({3, 97}), {}));
       },
       1 / log_pad, 100 * log_pad, 0.05 / 1.1},
      {"a line off zero rests on the floor", Scale::linear(),
       [](Figure& f) {
         ASSERT_TRUE(at(f, 0, 0).line_shared(names_at({"a", "b"}), floats({10.2, 19.7}), {}));
       },
       6.875, 20.625, 0.625 / 13.75},
      {"an hline at 100 extends data reaching 10", Scale::linear(),
       [](Figure& f) {
         ASSERT_TRUE(at(f, 0, 0).line_shared(names_at({"a", "b"}), floats({0, 10}), {}));
         ASSERT_TRUE(at(f, 0, 0).hline(100, {}));
       },
       -5, 105, 5.0 / 110},
      {"bars below zero", Scale::linear(),
       [](Figure& f) {
         ASSERT_TRUE(at(f, 0, 0).bar_shared(names({"a", "b"}), floats({-10, 30}), {}));
       },
       -12, 32, 12.0 / 44},
      {"no finite value: the default domain", Scale::linear(),
       [](Figure& f) {
         ASSERT_TRUE(at(f, 0, 0).bar_shared(names({"a"}), floats({NAN}), {}));
       },
       0, 1, 0},
  };
  for (const Case& c : cases) {
    Figure figure = grid_figure({.x_scale = Scale::category(), .y_scale = c.y_scale});
    c.build(figure);
    Resolved resolved = resolve_group(figure, {0});
    SCOPED_TRACE(c.why);
    expect_domain(resolved.y, c.low, c.high);
    EXPECT_NEAR(resolved.y.baseline, c.baseline, 1e-12);
  }
}

TEST(AxisResolution, CategoriesInOrderOfFirstAppearanceOverTheGroup) {
  Figure figure =
      grid_figure({.rows = 1, .cols = 2, .share_x = Share::Row, .x_scale = Scale::category()});
  ASSERT_TRUE(at(figure, 0, 0).bar_shared(names({"b", "a"}), floats({1, 2}), {}));
  ASSERT_TRUE(at(figure, 0, 1).bar_shared(names({"a", "c"}), floats({1, 2}), {}));
  ASSERT_TRUE(at(figure, 0, 1).line_shared(names_at({"c", "d"}), floats({1, 2}), {}));
  ASSERT_TRUE(at(figure, 0, 1).vline(AxisValue{std::string("a")}, {}));

  Resolved resolved = resolve_group(figure, {0, 1});
  const auto& scale = std::get<CategoryScale>(resolved.x.scale);
  EXPECT_EQ(scale.categories(), (std::vector<std::string>{"b", "a", "c", "d"}));
  EXPECT_EQ(scale.index_of("c"), 2u);
  EXPECT_EQ(resolved.x.ticks, (std::vector<AxisTick>{
                                  {"b", 0.125}, {"a", 0.375}, {"c", 0.625}, {"d", 0.875}}));
}

}  // namespace
}  // namespace lodra::resolve
