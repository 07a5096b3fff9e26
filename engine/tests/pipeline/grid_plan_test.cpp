#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A rows × cols figure with one axes per cell, each with one labelled line over `x`.
Figure grid_figure(std::uint32_t rows, std::uint32_t cols, Share share_x, double width,
                   double height, std::initializer_list<double> x = {1234567, 9876543}) {
  Grid grid = *Grid::make(rows, cols);
  grid.share_x = share_x;
  Figure figure = *Figure::with_grid(Theme::pigment(), grid, width, height);
  for (std::int64_t r = 0; r < rows; ++r) {
    for (std::int64_t c = 0; c < cols; ++c) {
      EXPECT_TRUE(figure.add_axes_at({r, c}, Scale::linear(), Scale::linear()));
      std::string label = "series " + std::to_string(r * cols + c);
      double top = static_cast<double>(1 + r + c);
      EXPECT_TRUE(figure.axes_at_mut(r, c)->line_shared(numbers_at(x), floats({0, top}),
                                                        {label, {}, {}, {}}));
    }
  }
  return figure;
}

Result<FigurePlan> plan_of(const Figure& figure) {
  std::vector<Panel> built = panels(figure, resolve::resolve_figure_marks(figure), fonts());
  return plan(figure, built, fonts(), "Figure.to_svg()");
}

TEST(GridPlan, SharedColumnTicksAreChosenOnceToFitTheLabelledPanel) {
  Figure figure = grid_figure(2, 2, Share::Col, 4, 4);
  Result<FigurePlan> planned = plan_of(figure);
  ASSERT_TRUE(planned) << planned.error().display();
  ASSERT_EQ(planned->panels.size(), 4u);
  for (std::size_t top : {0u, 1u}) {
    const PlannedPanel& upper = planned->panels[top];
    const PlannedPanel& lower = planned->panels[top + 2];
    ASSERT_EQ(upper.resolved.x.ticks.size(), lower.resolved.x.ticks.size());
    for (std::size_t t = 0; t < upper.resolved.x.ticks.size(); ++t) {
      EXPECT_EQ(upper.resolved.x.ticks[t].label, lower.resolved.x.ticks[t].label);
    }
    // Only the bottom panel of a column writes the shared labels, and they fit there.
    EXPECT_TRUE(upper.layout.x_tick_labels.empty());
    EXPECT_FALSE(lower.layout.x_tick_labels.empty());
    layout::TickRooms rooms = layout::tick_rooms(figure, fonts(), layout::RoomMode::Judged,
                                                 lower.layout.plot.width,
                                                 lower.layout.plot.height);
    EXPECT_GE(rooms.x.slack(lower.resolved.x.ticks), 0);
  }
}

TEST(GridPlan, MergedLegendGoesToTheFigureHeaderOnce) {
  Result<FigurePlan> planned = plan_of(grid_figure(1, 2, Share::None, 8, 3, {0, 10}));
  ASSERT_TRUE(planned) << planned.error().display();
  EXPECT_EQ(planned->header.legend.size(), 2u);
  for (const PlannedPanel& panel : planned->panels) {
    EXPECT_TRUE(panel.layout.legend_rows.empty());
  }
}

TEST(GridPlan, TextsTooWideNameTheirPanel) {
  struct Case {
    void (*edit)(AxesMut&, std::string);
    std::string problem_start;
    std::string_view hint;
  };
  const Case cases[] = {
      {[](AxesMut& a, std::string text) { a.title(std::move(text)); },
       "row 0, col 1: the title is ", "shorten the title or widen the figure."},
      {[](AxesMut& a, std::string text) { a.xlabel(std::move(text)); },
       "row 0, col 1: the x axis label is ", "shorten the x axis label or widen the figure."},
  };
  for (const Case& c : cases) {
    Figure figure = grid_figure(1, 2, Share::None, 6, 3, {0, 10});
    AxesMut axes = *figure.axes_at_mut(0, 1);
    c.edit(axes, std::string(120, 'w'));
    Result<std::string> svg = figure.to_svg(SvgText::Outlines);
    ASSERT_FALSE(svg) << c.problem_start;
    EXPECT_EQ(svg.error().kind, ErrorKind::Style);
    EXPECT_EQ(svg.error().context, "Figure.to_svg()");
    EXPECT_TRUE(svg.error().problem.starts_with(c.problem_start)) << svg.error().problem;
    EXPECT_TRUE(svg.error().problem.ends_with(" pt.")) << svg.error().problem;
    EXPECT_EQ(svg.error().hint, c.hint);
  }
}

TEST(GridPlan, DirectLabelPastItsCellNamesItsPanel) {
  Grid grid = *Grid::make(1, 2);
  Figure figure = *Figure::with_grid(Theme::pigment(), grid, 6, 3);
  for (std::int64_t c = 0; c < 2; ++c) {
    ASSERT_TRUE(figure.add_axes_at({0, c}, Scale::linear(), Scale::linear()));
    AxesMut axes = *figure.axes_at_mut(0, c);
    axes.legend(LegendStyle::Direct);
    std::string label = c == 0 ? std::string(60, 'w') : "short";
    ASSERT_TRUE(axes.line_shared(numbers_at({0, 1}), floats({0, 1}), {label, {}, {}, {}}));
  }
  Result<std::string> svg = figure.to_svg(SvgText::Outlines);
  ASSERT_FALSE(svg);
  EXPECT_TRUE(svg.error().problem.starts_with("row 0, col 0: the direct label "))
      << svg.error().problem;
  EXPECT_TRUE(svg.error().problem.ends_with(" pt fits beside the plot.")) << svg.error().problem;
  EXPECT_EQ(svg.error().hint, "shorten the label or widen the figure.");
}

TEST(GridPlan, GridRendersToTheSameSvgTwice) {
  Figure figure = grid_figure(2, 2, Share::All, 6, 5);
  Result<std::string> first = figure.to_svg(SvgText::Outlines);
  ASSERT_TRUE(first) << first.error().display();
  EXPECT_EQ(*first, *figure.to_svg(SvgText::Outlines));
}

}  // namespace
}  // namespace lodra::pipeline
