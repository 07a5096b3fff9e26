#include "layout/solve_single.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "layout/fit_messages.h"
#include "layout/panel_fixture.h"
#include "test_support.h"

namespace lodra::layout {
namespace {

using testing::tick_width;

struct Solved {
  PanelBands bands;
  Result<Rect> plot;
};

// The panel measured for `cell` and solved in it.
Solved solve(const testing::Panel& panel, const resolve::Resolved& axes, const Rect& cell,
             double top = 12, LabelVisibility visibility = {}) {
  WidthEstimate estimate{cell.left + 12, cell.right() - 12,
                         0.25 * std::max(cell.width - 24, 0.0)};
  PanelBands bands = measure_panel(panel.input(), axes, estimate, visibility);
  Result<Rect> plot = solve_single(panel.input(), bands, cell, top);
  return {std::move(bands), std::move(plot)};
}

void expect_style_error(const Result<Rect>& result, std::string hint, std::string problem) {
  testing::expect_error(result, {ErrorKind::Style, "Figure.to_svg()", "", hint, problem});
}

TEST(SolveSingle, PlotBetweenTheBands) {
  testing::Panel panel;
  panel.axes().xlabel("Year");
  panel.axes().ylabel("Revenue");
  Solved solved = solve(panel, testing::plain_axes(), {0, 0, 288, 216});
  ASSERT_TRUE(solved.plot) << solved.plot.error().display();
  const PanelBands& b = solved.bands;
  double left = 12 + 6 + tick_width("0.5");
  // The last x label, centred on the plot's right edge, would pass the cell's 6 pt margin:
  // the edge moves in just enough.
  double right = 282 - tick_width("100") / 2;
  ASSERT_LT(right, 276);
  double top = 12 + b.y_label_band + b.overhang_above;
  double bottom = 216 - (b.x_tick_band + b.x_label_band + 12);
  EXPECT_DOUBLE_EQ(solved.plot->left, left);
  EXPECT_DOUBLE_EQ(solved.plot->right(), right);
  EXPECT_DOUBLE_EQ(solved.plot->top, top);
  EXPECT_DOUBLE_EQ(solved.plot->bottom(), bottom);
}

TEST(SolveSingle, WideFirstLabelInsetsThePlot) {
  testing::Panel panel;
  resolve::Resolved axes = testing::plain_axes();
  axes.x = testing::axis({{"1,000,000,000", 0}, {"2", 1}});
  axes.y = testing::axis({});
  Solved solved = solve(panel, axes, {0, 0, 288, 216});
  ASSERT_TRUE(solved.plot);
  EXPECT_DOUBLE_EQ(solved.plot->left, 6 + tick_width("1,000,000,000") / 2);
  EXPECT_DOUBLE_EQ(solved.plot->right(), 276);
}

TEST(SolveSingle, XLabelsWiderThanTheCellAllows) {
  testing::Panel panel;
  std::string wide(38, '8');
  resolve::Resolved axes{testing::axis({{wide.c_str(), 0}, {"1", 1}}), testing::axis({})};
  Solved solved = solve(panel, axes, {0, 0, 288, 216});
  // The first label reaches from the cell's 6 pt margin to the plot's left edge inset by a
  // quarter of 264 pt: 144 pt.
  expect_style_error(solved.plot, "shorten the labels or widen the figure.",
                     "x tick label \"" + wide + "\" is " +
                         points(std::round(tick_width(wide))) +
                         " pt wide; at most 144 pt fits this figure.");
}

TEST(SolveSingle, PlotHeightOfOnePointIsTheLeast) {
  struct Case {
    const char* why;
    const char* title;
    const char* subtitle;
    double top, height;
    std::string problem, hint;  // empty: the plot fits
  } cases[] = {
      {"exactly 1 pt", "", "", 12, 25, "", ""},
      {"just below", "", "", 12, 24.5,
       "the figure is 24 pt tall; at least 25 pt is needed for the plot area.",
       "make the figure taller."},
      {"below a figure header", "", "", 40, 52.5,
       "the figure is 52 pt tall; at least 53 pt is needed for the plot area.",
       "make the figure taller, or remove the figure header."},
      // 18.75 pt of title line and 8 below it.
      {"below a title", "Sales", "", 12, 51,
       "the figure is 51 pt tall; at least 52 pt is needed for the plot area.",
       "make the figure taller, or remove the title."},
      // 18.75 + 2 + 11.475 + 8 pt of header.
      {"below a figure header, title and subtitle", "Sales", "by region", 20, 70,
       "the figure is 70 pt tall; at least 74 pt is needed for the plot area.",
       "make the figure taller, or remove the figure header, title or subtitle."},
  };
  for (const Case& c : cases) {
    testing::Panel panel;
    panel.axes().title(c.title);
    panel.axes().subtitle(c.subtitle);
    Solved solved = solve(panel, testing::plain_axes(), {0, 0, 288, c.height}, c.top,
                          {false, false});
    if (c.problem.empty()) {
      ASSERT_TRUE(solved.plot) << c.why;
      EXPECT_EQ(*solved.plot, (Rect{12, 12, 264, 1})) << c.why;
    } else {
      expect_style_error(solved.plot, c.hint, c.problem);
    }
  }
}

TEST(SolveSingle, TooNarrowForAPlot) {
  std::string wide_y = "100000000";
  struct Case {
    const char* why;
    const char* y_label;  // the only y tick label, if any
    double width;
    std::string problem, hint;
  } cases[] = {
      {"no y tick labels", nullptr, 24.5,
       "the figure is 24 pt wide; at least 25 pt is needed for the plot area.",
       "widen the figure."},
      {"y tick labels that would leave no room even for them", "0.5", 30,
       "the figure is 30 pt wide; at least " + points(std::ceil(31 + tick_width("0.5"))) +
           " pt is needed for the plot area.",
       "widen the figure."},
      // With a 1 pt plot, 40 − 12 − 1 − 12 − 6 = 9 pt remain for the labels.
      {"y tick labels wider than the room they have", wide_y.c_str(), 40,
       "y tick label \"100000000\" is " + points(std::round(tick_width(wide_y))) +
           " pt wide; at most 9 pt leaves room for the plot area.",
       "shorten the y tick labels or widen the figure."},
  };
  for (const Case& c : cases) {
    testing::Panel panel;
    resolve::Resolved axes{testing::axis({}), testing::axis({})};
    if (c.y_label) axes.y = testing::axis({{c.y_label, 0.5}});
    Solved solved = solve(panel, axes, {0, 0, c.width, 216});
    expect_style_error(solved.plot, c.hint, c.problem);
  }
}

TEST(SolveSingle, WidthNeededBesideDirectLabels) {
  // v = the y tick band + 1, B = v / 0.75: from B on, the reserve is no longer capped.
  double v = 6 + tick_width("0.5") + 1;
  struct Case {
    double reserve;  // uncapped
    double needed;
  } cases[] = {
      {0.25 * v / 0.75 - 1, std::ceil(v + 0.25 * v / 0.75 - 1 + 24)},
      {0.25 * v / 0.75 + 1, std::ceil(v / 0.75 + 24)},
  };
  for (const Case& c : cases) {
    testing::Panel panel;
    PanelBands bands = measure_panel(panel.input(),
                                     {testing::axis({}), testing::axis({{"0.5", 0.5}})},
                                     {12, 18, 0}, {});
    bands.uncapped_direct_reserve = c.reserve;
    bands.direct_reserve = 30;  // its cap at a quarter of a narrow cell
    Result<Rect> plot = solve_single(panel.input(), bands, {0, 0, 40, 216}, 12);
    expect_style_error(plot, "widen the figure.",
                       "the figure is 40 pt wide; at least " + points(c.needed) +
                           " pt is needed for the plot area.");
  }
}

TEST(SolveSingle, RightLegendEntryWiderThanThePanelAllows) {
  testing::Panel panel;
  const char* text = "Revenue from the northern territories";
  panel.keyed_legend(LegendPosition::Right, {text});
  double label = panel.legend.row->entries[0].label.width();
  double beyond_label = panel.legend.row->entries[0].width - label;
  Solved solved = solve(panel, {testing::axis({}), testing::axis({})}, {0, 0, 150, 216});
  // Beside a 1 pt plot the legend has 150 − 12 − 12 − 1 − 12 = 113 pt, the swatch included.
  expect_style_error(solved.plot, "shorten the label or widen the figure.",
                     std::string("the legend label \"") + text + "\" is " +
                         points(std::round(label)) + " pt wide; the panel has " +
                         points(std::floor(113 - beyond_label)) + " pt.");
}

TEST(SolveSingle, YTickOverhangIsAbsorbedUnlessALegendIsBelow) {
  for (bool bottom_legend : {false, true}) {
    testing::Panel panel;
    if (bottom_legend) panel.keyed_legend(LegendPosition::Bottom, {"Sales"});
    Solved solved = solve(panel, testing::plain_axes(), {0, 0, 288, 216}, 12, {false, true});
    ASSERT_TRUE(solved.plot);
    const PanelBands& b = solved.bands;
    ASSERT_GT(b.overhang_below, 0);
    double bottom = bottom_legend ? b.overhang_below + 12 + 1.35 * 8.5 + 8 : 12;
    EXPECT_DOUBLE_EQ(b.bottom_reserve, bottom_legend ? 1.35 * 8.5 + 8 : 0);
    EXPECT_DOUBLE_EQ(solved.plot->bottom(), 216 - bottom) << bottom_legend;
  }
}

TEST(SolveSingle, TopRightLegendIsLaidWithinThePlot) {
  // Three entries fit one row across the cell, but not across the plot beside wide y labels.
  resolve::Resolved axes{testing::axis({}), testing::axis({{"1,000,000,000", 0.5}})};
  for (LegendPosition position : {LegendPosition::TopLeft, LegendPosition::TopRight}) {
    testing::Panel panel;
    panel.keyed_legend(position, {"Northern region", "Southern region", "Western region"});
    Solved solved = solve(panel, axes, {0, 0, 288, 216});
    ASSERT_TRUE(solved.plot);
    const Rect& plot = *solved.plot;
    LegendRow across_cell = panel.legend.row_within(12, 276);
    LegendRow across_plot = panel.legend.row_within(plot.left, plot.right());
    ASSERT_EQ(across_cell.rows, 1u);
    ASSERT_EQ(across_plot.rows, 2u);
    const LegendRow& laid = position == LegendPosition::TopRight ? across_plot : across_cell;
    double rows = laid.height();
    EXPECT_DOUBLE_EQ(plot.top, 12 + rows + 8 + solved.bands.overhang_above);
  }
}

TEST(SolveSingle, LegendsCountAsRemovableWhenTooShort) {
  struct Case {
    LegendPosition position;
    double height;
  } cases[] = {{LegendPosition::TopLeft, 40}, {LegendPosition::Bottom, 40}};
  for (const Case& c : cases) {
    testing::Panel panel;
    panel.keyed_legend(c.position, {"Sales"});
    Solved solved = solve(panel, testing::plain_axes(), {0, 0, 288, c.height}, 12, {false, false});
    // One legend row of 1.35 × 8.5 pt and 8 below it, above or below the plot.
    expect_style_error(solved.plot, "make the figure taller, or remove the legend.",
                       "the figure is 40 pt tall; at least 45 pt is needed for the plot area.");
  }
}

}  // namespace
}  // namespace lodra::layout
