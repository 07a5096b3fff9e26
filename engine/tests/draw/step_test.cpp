#include "draw/step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "draw/line_panel.h"

namespace lodra::draw::step {
namespace {

using namespace panel_testing;

std::vector<scene::Item> drawn(const PanelContext& panel, const XySeries& data, Step position) {
  std::vector<scene::Item> items;
  step_items(panel, {data, position, kBlue, 2, Dash::Solid}, items);
  return items;
}

TEST(StepItems, HoldsEachValueByThePosition) {
  struct Case {
    Step position;
    std::vector<double> ys;
    scene::Path expected;
  } cases[] = {
      {Step::Post, {1, 3, 2}, path_of({{{10, 90}, {20, 90}, {20, 70}, {30, 70}, {30, 80}}})},
      {Step::Pre, {1, 3, 2}, path_of({{{10, 90}, {10, 70}, {20, 70}, {20, 80}, {30, 80}}})},
      {Step::Mid, {1, 3, 2},
       path_of({{{10, 90}, {15, 90}, {15, 70}, {25, 70}, {25, 80}, {30, 80}}})},
      // A missing value breaks the line between the holds around it.
      {Step::Post, {1, nan, 2}, path_of({{{10, 90}, {20, 90}}, {{30, 80}, {30, 80}}})},
      {Step::Mid, {1, nan, 2}, path_of({{{10, 90}, {15, 90}}, {{25, 80}, {30, 80}}})},
  };
  const TestPanel fixture;
  for (const auto& c : cases) {
    const auto items = drawn(fixture.context(), series({1, 2, 3}, c.ys), c.position);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(as_stroke(items[0]).path, c.expected) << static_cast<int>(c.position);
  }
}

// Thinning drops holds but never stretches one over the points it removed: every segment is
// horizontal or vertical, and no horizontal one is longer than one hold (0.05 pt here).
TEST(StepItems, ThinnedStepsKeepTheirHolds) {
  std::vector<double> xs, ys;
  for (int i = 0; i < 2'000; ++i) {
    xs.push_back(i);
    ys.push_back(std::sin(i * 0.37) * 4 + 5);
  }
  TestPanel fixture;
  fixture.axes.x = linear_axis(0, 2'000);
  for (Step position : {Step::Post, Step::Pre, Step::Mid}) {
    const auto items = drawn(fixture.context(), series(xs, ys), position);
    ASSERT_EQ(items.size(), 1u);
    const auto& verbs = as_stroke(items[0]).path.verbs();
    EXPECT_LT(verbs.size(), 2u * 2'000);
    scene::Point from{};
    for (const scene::PathVerb& verb : verbs) {
      if (const auto* move = std::get_if<scene::MoveTo>(&verb)) from = move->to;
      const auto* line = std::get_if<scene::LineTo>(&verb);
      if (line == nullptr) continue;
      const bool vertical = line->to.x == from.x;
      const bool horizontal = line->to.y == from.y;
      ASSERT_TRUE(vertical || (horizontal && std::fabs(line->to.x - from.x) < 0.0501))
          << from.x << "," << from.y << " to " << line->to.x << "," << line->to.y;
      from = line->to;
    }
  }
}

}  // namespace
}  // namespace lodra::draw::step
