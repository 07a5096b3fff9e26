#include "draw/line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "draw/line_panel.h"

namespace lodra::draw::line {
namespace {

using namespace panel_testing;

std::vector<scene::Item> drawn(const PanelContext& panel, const resolve::Line& mark) {
  std::vector<scene::Item> items;
  mark_items(panel, mark, items);
  return items;
}

// With the panel's widest stroke at 5 pt, strokes are cut 5 pt (0.5 units) beyond the plot.
TEST(LineItems, CutsAtGapsAndAtTheWidenedPlot) {
  struct Case {
    const char* name;
    std::vector<double> xs, ys;
    scene::Path expected;
  } cases[] = {
      {"a gap splits the line; a lone point is a dot", {1, 2, 3, 4}, {1, 2, nan, 4},
       path_of({{{10, 90}, {20, 80}}, {{40, 60}, {40, 60}}})},
      {"leaving over the top and coming back", {0, 1, 2}, {5, 16, 5},
       path_of({{{0, 50}, {5, -5}}, {{15, -5}, {20, 50}}})},
      {"leaving through the right side", {8, 12}, {5, 5}, path_of({{{80, 50}, {105, 50}}})},
  };
  const TestPanel fixture;
  for (const auto& c : cases) {
    const auto items = drawn(fixture.context(5), {series(c.xs, c.ys), kBlue, 2, Dash::Solid});
    ASSERT_EQ(items.size(), 1u) << c.name;
    EXPECT_EQ(as_stroke(items[0]).path, c.expected) << c.name;
  }
}

TEST(LineItems, DrawsNothingWhollyOutside) {
  const TestPanel fixture;
  EXPECT_TRUE(drawn(fixture.context(), {series({1, 2}, {20, 30}), kBlue, 2, Dash::Solid}).empty());
}

TEST(LineItems, BreaksAtValuesALogAxisCannotShow) {
  TestPanel fixture;
  fixture.axes.y = log_axis(1, 100);
  const auto items =
      drawn(fixture.context(), {series({1, 2, 3, 4}, {10, 10, 0, 100}), kBlue, 2, Dash::Solid});
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(as_stroke(items[0]).path, path_of({{{10, 50}, {20, 50}}, {{40, 0}, {40, 0}}}));
}

TEST(LineStyle, DashesFollowTheWidth) {
  using scene::LineCap;
  struct Case {
    Dash dash;
    std::vector<float> pattern;
    LineCap cap;
  } cases[] = {
      {Dash::Solid, {}, LineCap::Round},
      {Dash::Dashed, {8, 6}, LineCap::Butt},
      {Dash::Dotted, {0, 5}, LineCap::Round},
  };
  for (const auto& c : cases) {
    const scene::StrokeStyle style = line_style(c.dash, kBlue, 2);
    EXPECT_EQ(style, (scene::StrokeStyle{c.pattern, kBlue, 2, c.cap, scene::LineJoin::Round}));
  }
}

// A random walk over x = 0..1 on a 432 pt plot: 1800 print pixels across.
struct LongLine {
  std::vector<double> xs, ys;
  explicit LongLine(std::size_t count) {
    double y = 0.5;
    std::uint64_t state = 1;
    for (std::size_t i = 0; i < count; ++i) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      y += (static_cast<double>(state >> 11) / 9007199254740992.0 - 0.5) * 0.01;
      xs.push_back(-0.1 + 1.2 * static_cast<double>(i) / static_cast<double>(count));
      ys.push_back(y);
    }
  }
};

TestPanel wide_panel() {
  TestPanel fixture;
  fixture.axes = {linear_axis(0, 1), linear_axis(-10, 10)};
  fixture.frame = {72, 50, 432, 250, 0, 576, std::nullopt};
  return fixture;
}

std::size_t count_inside(const std::vector<double>& xs, double lo, double hi) {
  return static_cast<std::size_t>(
      std::count_if(xs.begin(), xs.end(), [=](double x) { return x >= lo && x <= hi; }));
}

TEST(LinePoints, ThinsALongLineToFourPointsPerPrintPixel) {
  const LongLine walk(1'000'000);
  const TestPanel fixture = wide_panel();
  const AxisLine kept = line_points(fixture.context(), series(walk.xs, walk.ys), 2);
  EXPECT_LE(count_inside(kept.xs, 0, 1), 4u * 1800);
  EXPECT_GT(count_inside(kept.xs, 0, 1), 1800u);
  // Outside, each margin of half the stroke (1 pt: 5 buckets of 1/1800) keeps at most four
  // points per bucket, everything beyond it falling into the outermost bucket.
  EXPECT_LE(kept.xs.size() - count_inside(kept.xs, 0, 1), 2u * 4 * 5);
  EXPECT_TRUE(std::is_sorted(kept.xs.begin(), kept.xs.end()));
}

TEST(LinePoints, KeepsEveryPointWhenXGoesBack) {
  LongLine walk(100'000);
  walk.xs[50'000] = walk.xs[10];
  const TestPanel fixture = wide_panel();
  EXPECT_EQ(line_points(fixture.context(), series(walk.xs, walk.ys), 2).xs.size(), 100'000u);
}

TEST(LinePoints, AGapSurvivesThinning) {
  LongLine walk(100'000);
  walk.ys[50'000] = nan;
  const TestPanel fixture = wide_panel();
  const auto items =
      drawn(fixture.context(), {series(walk.xs, walk.ys), kBlue, 2, Dash::Solid});
  ASSERT_EQ(items.size(), 1u);
  const auto& verbs = as_stroke(items[0]).path.verbs();
  EXPECT_LT(verbs.size(), 4u * 1800 + 100);
  EXPECT_EQ(std::ranges::count_if(verbs, [](const auto& v) {
              return std::holds_alternative<scene::MoveTo>(v);
            }),
            2);
  // No segment spans the gap: the stroke's x jumps by no more than a bucket.
  const float gap_x = static_cast<float>(72 + 432 * walk.xs[50'000]);
  for (std::size_t i = 1; i < verbs.size(); ++i) {
    const auto* line = std::get_if<scene::LineTo>(&verbs[i]);
    if (line == nullptr) continue;
    const auto& prev = verbs[i - 1];
    const scene::Point from = std::visit(
        [](const auto& v) {
          if constexpr (requires { v.to; }) return v.to;
          return scene::Point{};
        },
        prev);
    EXPECT_FALSE(from.x < gap_x && line->to.x > gap_x) << from.x << " to " << line->to.x;
  }
}

}  // namespace
}  // namespace lodra::draw::line
