#include <gtest/gtest.h>

#include "layout/tick_room.h"
#include "model/axes_mut.h"
#include "model/figure.h"
#include "model/model_data.h"
#include "pipeline/panels.h"
#include "pipeline/plan.h"
#include "resolve/mark_resolution.h"
#include "text/font_library.h"

namespace lodra::pipeline {
namespace {

using lodra::testing::floats;
using lodra::testing::numbers_at;

const text::FontLibrary& fonts() { return text::FontLibrary::global(); }

// Whether every planned x and y tick label keeps clear of its neighbours on the solved plot.
void expect_ticks_fit(const Figure& figure, const PlannedPanel& panel) {
  const layout::Rect& plot = panel.layout.plot;
  layout::TickRooms rooms =
      layout::tick_rooms(figure, fonts(), layout::RoomMode::Judged, plot.width, plot.height);
  EXPECT_GE(rooms.x.slack(panel.resolved.x.ticks), 0) << plot.width;
  EXPECT_GE(rooms.y.slack(panel.resolved.y.ticks), 0) << plot.height;
}

TEST(Plan, TickSetsAreThinnedUntilTheirLabelsFit) {
  for (double inches : {1.6, 2.0, 3.0, 6.0}) {
    Figure figure = *Figure::make(Theme::pigment(), inches, inches * 0.6);
    ASSERT_TRUE(figure.add_axes_at({0, 0}, Scale::linear(), Scale::linear()));
    ASSERT_TRUE(figure.axes_at_mut(0, 0)->line_shared(
        numbers_at({1234567, 9876543}), floats({0.000125, 0.987}), {}));
    std::vector<Panel> built = panels(figure, resolve::resolve_figure_marks(figure), fonts());
    Result<FigurePlan> planned = plan(figure, built, fonts(), "Figure.to_svg()");
    ASSERT_TRUE(planned) << planned.error().display();
    ASSERT_EQ(planned->panels.size(), 1u);
    expect_ticks_fit(figure, planned->panels[0]);
    EXPECT_GE(planned->panels[0].resolved.x.ticks.size(), 2u);
  }
}

TEST(Plan, LabelsWiderThanTheirSpacingThinTheTickSet) {
  for (double inches : {3.0, 4.5, 6.0}) {
    Figure figure = *Figure::make(Theme::pigment(), inches, 3);
    ASSERT_TRUE(figure.add_axes_at({0, 0}, Scale::linear(), Scale::linear()));
    AxesMut axes = *figure.axes_at_mut(0, 0);
    ASSERT_TRUE(axes.xtick_format(*TickFormat::affix({}, "", " kilometres per hour")));
    ASSERT_TRUE(axes.line_shared(numbers_at({0, 100}), floats({0, 1}), {}));
    std::vector<Panel> built = panels(figure, resolve::resolve_figure_marks(figure), fonts());
    Result<FigurePlan> planned = plan(figure, built, fonts(), "Figure.to_svg()");
    ASSERT_TRUE(planned) << planned.error().display();
    expect_ticks_fit(figure, planned->panels[0]);
    EXPECT_GE(planned->panels[0].resolved.x.ticks.size(), 2u);
  }
}

TEST(Plan, CategoryTicksAreNeverThinned) {
  Figure figure = *Figure::make(Theme::pigment(), 1.6, 2);
  ASSERT_TRUE(figure.add_axes_at({0, 0}, Scale::category(), Scale::linear()));
  ASSERT_TRUE(figure.axes_at_mut(0, 0)->bar_shared(
      lodra::testing::names({"alpha", "beta", "gamma", "delta"}), floats({1, 2, 3, 4}), {}));
  std::vector<Panel> built = panels(figure, resolve::resolve_figure_marks(figure), fonts());
  Result<FigurePlan> planned = plan(figure, built, fonts(), "Figure.to_svg()");
  ASSERT_TRUE(planned) << planned.error().display();
  EXPECT_EQ(planned->panels[0].resolved.x.ticks.size(), 4u);
}

Result<FigurePlan> plan_of(const Figure& figure) {
  std::vector<Panel> built = panels(figure, resolve::resolve_figure_marks(figure), fonts());
  return plan(figure, built, fonts(), "Figure.to_svg()");
}

TEST(Plan, BestLegendMovesAwayFromTheData) {
  Figure figure = *Figure::make(Theme::pigment(), 5, 4);
  ASSERT_TRUE(figure.add_axes_at({0, 0}, Scale::linear(), Scale::linear()));
  AxesMut axes = *figure.axes_at_mut(0, 0);
  ASSERT_TRUE(axes.legend_at(LegendStyle::Header, LegendPosition::Best));
  // One line runs along the top right, another along the bottom left.
  ASSERT_TRUE(axes.line_shared(numbers_at({6, 10}), floats({10, 10}), {"high", {}, {}, {}}));
  ASSERT_TRUE(axes.line_shared(numbers_at({0, 4}), floats({0, 0}), {"low", {}, {}, {}}));
  Result<FigurePlan> planned = plan_of(figure);
  ASSERT_TRUE(planned) << planned.error().display();
  const layout::Layout& placed = planned->panels[0].layout;
  ASSERT_TRUE(placed.legend_backdrop.has_value());
  EXPECT_DOUBLE_EQ(placed.legend_backdrop->left, placed.plot.left + 6);
  EXPECT_DOUBLE_EQ(placed.legend_backdrop->top, placed.plot.top + 6);

  // Without legend entries nothing is moved.
  Figure unlabeled = *Figure::make(Theme::pigment(), 5, 4);
  ASSERT_TRUE(unlabeled.add_axes_at({0, 0}, Scale::linear(), Scale::linear()));
  AxesMut bare = *unlabeled.axes_at_mut(0, 0);
  ASSERT_TRUE(bare.legend_at(LegendStyle::Header, LegendPosition::Best));
  ASSERT_TRUE(bare.line_shared(numbers_at({0, 1}), floats({0, 1}), {}));
  Result<FigurePlan> plain = plan_of(unlabeled);
  ASSERT_TRUE(plain) << plain.error().display();
  EXPECT_FALSE(plain->panels[0].layout.legend_backdrop.has_value());
}

}  // namespace
}  // namespace lodra::pipeline
