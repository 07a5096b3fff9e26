#include "draw/marks.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw/line_panel.h"

namespace lodra::draw {
namespace {

using namespace panel_testing;

resolve::ResolvedMark line_mark(std::vector<double> x, std::vector<double> y, float width) {
  return {resolve::Line{series(std::move(x), std::move(y)), kBlue, width, Dash::Solid}, "", {}};
}

TEST(MarksClip, WidensSidewaysByHalfTheWidestStroke) {
  struct Case {
    const char* name;
    double cell_left, cell_right;
    std::optional<double> labels_right;
    scene::Rect expected;
  } cases[] = {
      {"room on both sides", -50, 150, std::nullopt, {-3, 0, 106, 100}},
      {"the cell edge stops it", -1, 102, std::nullopt, {-1, 0, 103, 100}},
      {"the y tick labels stop it", -50, 150, -2, {-2, 0, 105, 100}},
      {"labels over the plot leave no room", -50, 150, 4, {0, 0, 103, 100}},
      {"no room known", -50, nan, std::nullopt, {-3, 0, 106, 100}},
  };
  for (const auto& c : cases) {
    const PanelFrame frame{0, 0, 100, 100, c.cell_left, c.cell_right, c.labels_right};
    EXPECT_EQ(marks_clip(frame, 6), c.expected) << c.name;
  }
}

TEST(Marks, GroupsTheItemsClippedToThePlot) {
  const TestPanel fixture;
  EXPECT_FALSE(marks(fixture.theme, fixture.axes, fixture.frame, {}));
  // A line along the right frame keeps its full width inside the clip.
  const std::vector<resolve::ResolvedMark> marks_list = {line_mark({10, 10}, {2, 8}, 4),
                                                         line_mark({0, 10}, {1, 1}, 2)};
  const auto group = marks(fixture.theme, fixture.axes, fixture.frame, marks_list);
  ASSERT_TRUE(group);
  const auto& items = std::get<scene::ItemGroup>(group->kind);
  EXPECT_EQ(items.clip, (scene::Rect{-2, 0, 104, 100}));
  ASSERT_EQ(items.items.size(), 2u);
  EXPECT_EQ(as_stroke(items.items[0]).path, path_of({{{100, 80}, {100, 20}}}));
}

TEST(Marks, StemsRiseFromTheBaselineWithinThePlot) {
  TestPanel fixture;
  fixture.axes.y = linear_axis(-5, 5, 0.5);
  const std::vector<resolve::ResolvedMark> stems = {
      {resolve::Stem{series({1, 2, 3, 4, 10.05}, {2, -8, 0, nan, 1}), kBlue, Marker::Circle, 6},
       "",
       {}}};
  const auto group = marks(fixture.theme, fixture.axes, fixture.frame, stems);
  ASSERT_TRUE(group);
  const auto& items = std::get<scene::ItemGroup>(group->kind).items;
  ASSERT_FALSE(items.empty());
  // Cut at the plot's bottom; a zero stem draws nothing; one just past the right edge, within
  // half the stem width, stays.
  EXPECT_EQ(as_stroke(items[0]).path,
            path_of({{{10, 50}, {10, 30}}, {{20, 50}, {20, 100}}, {{100.5, 50}, {100.5, 40}}}));
  EXPECT_EQ(as_stroke(items[0]).stroke,
            (scene::StrokeStyle{{}, kBlue, 1.5, scene::LineCap::Butt, scene::LineJoin::Miter}));
  // Then a marker at every value that can show, cut-off stems included.
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(std::get<scene::Markers>(items[1].kind).points,
            (std::vector<scene::Point>{{10, 30}, {30, 50}, {100.5, 40}}));
}

// Spans lie under the data and reference lines over it, wherever they stand in the mark order.
TEST(Marks, LayersSpansUnderAndRulesOverTheData) {
  const TestPanel fixture;
  const std::vector<resolve::ResolvedMark> list = {
      {resolve::HLine{5, kBlue, 1, Dash::Solid}, "", {}},
      line_mark({0, 10}, {1, 9}, 2),
      {resolve::HSpan{2, 3, kBlue}, "", {}},
  };
  const auto group = marks(fixture.theme, fixture.axes, fixture.frame, list);
  ASSERT_TRUE(group);
  const auto& items = std::get<scene::ItemGroup>(group->kind).items;
  ASSERT_EQ(items.size(), 3u);
  EXPECT_TRUE(std::holds_alternative<scene::Fill>(items[0].kind));
  EXPECT_EQ(as_stroke(items[1]).path, path_of({{{0, 90}, {100, 10}}}));
  EXPECT_EQ(as_stroke(items[2]).path, path_of({{{0, 50}, {100, 50}}}));
}

}  // namespace
}  // namespace lodra::draw
