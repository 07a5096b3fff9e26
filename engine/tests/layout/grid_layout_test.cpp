#include "layout/grid_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "layout/fit_messages.h"
#include "layout/grid_fixture.h"
#include "layout/panel_layout.h"
#include "layout/solve_single.h"
#include "test_support.h"

namespace lodra::layout {
namespace {

using testing::GridFigure;
using testing::tick_width;
using testing::with_x_ticks;
using testing::with_y_ticks;

void expect_style_error(const Result<GridSolution>& result, std::string hint,
                        std::string problem) {
  testing::expect_error(result, {ErrorKind::Style, "Figure.to_svg()", "", hint, problem});
}

// The text line height below the baseline in the axis label style.
double label_descent() {
  return testing::fonts().layout({}, body_style(Theme::pigment())).descent;
}

TEST(GridLayout, SingleCellIsSolvedOnTheWholePage) {
  // A page wide enough, and one too narrow: its error names no panel.
  for (double width : {288.0, 30.0}) {
    GridFigure grid(1, 1, width, 216, {{0, 0, 1, 1}});
    std::vector<PanelBands> bands = {
        with_x_ticks(with_y_ticks({}, {{"0", 0}, {"1", 1}}), {{"0", 0}, {"100", 1}})};
    Rect page{0, 0, width, 216};
    Result<Rect> plot = solve_single(grid.inputs[0], bands[0], page, 40);
    Result<GridSolution> solved = solve_grid(grid.request(40), bands);
    ASSERT_EQ(solved.has_value(), plot.has_value()) << width;
    if (!plot) {
      EXPECT_EQ(solved.error().problem, plot.error().problem);
      continue;
    }
    PanelSlot expected = single_cell_slot(bands[0], page, *plot, 40);
    ASSERT_EQ(solved->slots.size(), 1u);
    const PanelSlot& slot = solved->slots[0];
    EXPECT_EQ(slot.plot, expected.plot);
    EXPECT_EQ(slot.cell, page);
    EXPECT_EQ(slot.header_left, expected.header_left);
    EXPECT_EQ(slot.header_top, 40);
    EXPECT_EQ(slot.x_label_baseline, expected.x_label_baseline);
  }
}

TEST(GridLayout, WiderYLabelsOnlyShiftTheNextColumn) {
  GridFigure grid(1, 2, 400, 300, {{0, 0, 1, 1}, {0, 1, 1, 1}});
  std::vector<PanelBands> bands = {with_y_ticks({}, {{"0", 0}, {"1000000", 1}}),
                                   with_y_ticks({}, {{"0", 0}, {"1", 1}})};
  Result<GridSolution> solved = solve_grid(grid.request(), bands);
  ASSERT_TRUE(solved) << solved.error().display();
  double left0 = bands[0].y_tick_band;
  double left1 = bands[1].y_tick_band;
  double w = (400 - 24 - left0 - left1 - 24) / 2;
  const Rect& a = solved->slots[0].plot;
  const Rect& b = solved->slots[1].plot;
  EXPECT_DOUBLE_EQ(a.width, w);
  EXPECT_DOUBLE_EQ(b.width, w);
  EXPECT_DOUBLE_EQ(a.left, 12 + left0);
  EXPECT_DOUBLE_EQ(b.left, 12 + left0 + w + 24 + left1);
  EXPECT_EQ(a.top, b.top);
  EXPECT_EQ(a.height, b.height);
  // The cells meet in the middle of the gap.
  double edge = a.right() + 12;
  EXPECT_EQ(solved->slots[0].cell, (Rect{0, 0, edge, 300}));
  EXPECT_EQ(solved->slots[1].cell, (Rect{edge, 0, 400 - edge, 300}));
}

TEST(GridLayout, SpansTakeTheBandsAndGapsBetweenTheirCells) {
  // A spans both rows of column 0; B spans columns 1 and 2 of row 0; C and D below B.
  GridFigure grid(2, 3, 500, 400, {{0, 0, 2, 1}, {0, 1, 1, 2}, {1, 1, 1, 1}, {1, 2, 1, 1}});
  PanelBands a = with_y_ticks({}, {{"0", 0}, {"10", 1}});
  a.x_tick_band = 14;
  PanelBands b;
  b.y_label_band = 10;
  b.overhang_below = 5;
  PanelBands c = with_y_ticks({}, {{"0", 0}, {"1000", 1}});
  c.x_tick_band = 14;
  PanelBands d = with_y_ticks({}, {{"0", 0}, {"1", 1}});
  std::vector<PanelBands> bands = {a, b, c, d};
  Result<GridSolution> solved = solve_grid(grid.request(), bands);
  ASSERT_TRUE(solved) << solved.error().display();

  double w = (500 - 24 - a.y_tick_band - c.y_tick_band - d.y_tick_band - 2 * 24) / 3;
  double h = (400 - 24 - 10 - 5 - 14 - 24) / 2.0;
  const std::vector<PanelSlot>& slots = solved->slots;
  EXPECT_DOUBLE_EQ(slots[1].plot.width, 2 * w + 24 + d.y_tick_band);
  EXPECT_DOUBLE_EQ(slots[1].plot.left, slots[2].plot.left);
  EXPECT_DOUBLE_EQ(slots[1].plot.right(), slots[3].plot.right());
  EXPECT_DOUBLE_EQ(slots[0].plot.top, 12 + 10);
  EXPECT_DOUBLE_EQ(slots[0].plot.height, 2 * h + 5 + 24);
  EXPECT_DOUBLE_EQ(slots[0].plot.bottom(), slots[2].plot.bottom());
  EXPECT_DOUBLE_EQ(slots[2].plot.top, slots[1].plot.bottom() + 5 + 24);
  // B's header spans its plot from the top of its row; its x axis label sits at the foot of the
  // row's labels.
  EXPECT_EQ(slots[1].header_left, slots[1].plot.left);
  EXPECT_EQ(slots[1].header_right, slots[1].plot.right());
  EXPECT_EQ(slots[1].header_top, 12);
  EXPECT_DOUBLE_EQ(slots[1].x_label_baseline, slots[1].plot.bottom() + 5 - label_descent());
  EXPECT_DOUBLE_EQ(slots[1].cell.bottom(), slots[1].plot.bottom() + 5 + 12);
  EXPECT_EQ(slots[0].cell, (Rect{0, 0, slots[2].cell.left, 400}));
}

TEST(GridLayout, SharedAxesAlignThePlotsOfEachRowAndColumn) {
  Grid shared;
  shared.share_x = Share::Col;
  shared.share_y = Share::Row;
  GridFigure grid(2, 2, 432, 360, {{0, 0, 1, 1}, {0, 1, 1, 1}, {1, 0, 1, 1}, {1, 1, 1, 1}},
                  shared);
  grid.figure.axes_at_mut(1, 0)->xlabel("Year");
  std::vector<PanelBands> bands;
  for (const LayoutInput& input : grid.inputs) {
    LabelVisibility visibility = label_visibility(grid.figure, input.axes.range);
    bands.push_back(measure_panel(input, testing::plain_axes(), {12, 210, 49.5}, visibility));
  }
  // Only the bottom row shows x tick labels, only the left column y tick labels.
  ASSERT_TRUE(bands[0].x_tick_labels.empty());
  ASSERT_TRUE(bands[3].y_tick_labels.empty());
  Result<GridSolution> solved = solve_grid(grid.request(), bands);
  ASSERT_TRUE(solved) << solved.error().display();
  const std::vector<PanelSlot>& slots = solved->slots;
  for (int i : {0, 1}) {
    const Rect& top = slots[i].plot;
    const Rect& bottom = slots[i + 2].plot;
    EXPECT_EQ(top.left, bottom.left) << "column " << i;
    EXPECT_EQ(top.width, bottom.width) << "column " << i;
    EXPECT_EQ(slots[2 * i].plot.top, slots[2 * i + 1].plot.top) << "row " << i;
    EXPECT_EQ(slots[2 * i].plot.height, slots[2 * i + 1].plot.height) << "row " << i;
  }
  EXPECT_EQ(slots[0].plot.width, slots[1].plot.width);
  EXPECT_EQ(slots[0].plot.height, slots[2].plot.height);
  // Every panel of the bottom row shares the baseline of the x axis label.
  EXPECT_EQ(slots[2].x_label_baseline, slots[3].x_label_baseline);
  Layout placed = place_panel(grid.inputs[2], testing::plain_axes(), bands[2], slots[2]);
  EXPECT_DOUBLE_EQ(placed.x_label->y,
                   slots[2].plot.bottom() + bands[2].x_tick_band + 4 + placed.x_label->ascent());
}

// The left of a label centred on its tick, and whether it lies within its cell: 6 pt inside at
// the page's edges, up to the cell's edge between panels.
bool inside_cell(const PanelSlot& slot, const TickLabelExtent& label, double page_width) {
  double centre = slot.plot.left + label.position * slot.plot.width;
  double low = slot.cell.left == 0 ? 6 : slot.cell.left;
  double high = slot.cell.right() == page_width ? page_width - 6 : slot.cell.right();
  return centre - label.half_width >= low - 1e-6 && centre + label.half_width <= high + 1e-6;
}

TEST(GridLayout, BandsWidenJustEnoughToKeepXLabelsInTheirCells) {
  struct Case {
    const char* name;
    const char* first_label;  // at position 0 of the panel in `column`
    std::uint32_t column;
    // The left edge of that panel's plot, from its own column's band and the label's half width
    double (*plot_left)(double band, double half, double column_start);
  };
  const Case cases[] = {
      // Within the page margin's 6 pt and the band: the plot stays.
      {"hangs into the page margin", "100", 0,
       [](double band, double, double) { return 12 + band; }},
      // Beyond: the page margin grows by the excess.
      {"widens the page margin", "1,000,000,000,000", 0,
       [](double, double half, double) { return 6 + half; }},
      // Between columns the label may reach half the gap; beyond, the band grows.
      {"widens the band between columns", "1,000,000,000,000", 1,
       [](double, double half, double column_start) { return column_start + half; }},
  };
  for (const Case& c : cases) {
    GridFigure grid(1, 2, 400, 300, {{0, 0, 1, 1}, {0, 1, 1, 1}});
    std::vector<PanelBands> bands = {with_y_ticks({}, {{"0", 0}, {"10", 1}}),
                                     with_y_ticks({}, {{"0", 0}, {"10", 1}})};
    bands[c.column] = with_x_ticks(bands[c.column], {{c.first_label, 0}, {"2", 1}});
    Result<GridSolution> solved = solve_grid(grid.request(), bands);
    ASSERT_TRUE(solved) << c.name << ": " << solved.error().display();
    const PanelSlot& slot = solved->slots[c.column];
    double band = bands[c.column].y_tick_band;
    double half = tick_width(c.first_label) / 2;
    double column_start = c.column == 0 ? 0 : solved->slots[0].plot.right() + 12;
    EXPECT_NEAR(slot.plot.left, c.plot_left(band, half, column_start), 1e-6) << c.name;
    for (std::size_t i = 0; i < 2; ++i) {
      for (const TickLabelExtent& label : bands[i].x_extents) {
        EXPECT_TRUE(inside_cell(solved->slots[i], label, 400)) << c.name << ", panel " << i;
      }
    }
    EXPECT_NEAR(solved->slots[0].plot.width, solved->slots[1].plot.width, 1e-9) << c.name;
  }
}

TEST(GridLayout, WholeGridMessages) {
  struct Case {
    const char* name;
    std::uint32_t rows, cols;
    double width, height;
    double direct_reserve;  // of the panel in the last cell, before its cap
    double x_tick_band;     // of every panel
    const char* hint;
    const char* problem;
  };
  const Case cases[] = {
      {"columns without bands", 1, 2, 40, 300, 0, 0, "widen the figure, or use fewer columns.",
       "the figure is 40 pt wide; at least 50 pt is needed for 2 columns of plots."},
      {"one column", 2, 1, 20, 300, 0, 0, "widen the figure.",
       "the figure is 20 pt wide; at least 25 pt is needed for 1 column of plots."},
      // Up to 528 pt the reserve is a quarter of the panel, an eighth of the width beyond the
      // margins and gap: 48 + 16 / 7 needs 51 pt.
      {"direct labels capped at a quarter", 1, 2, 40, 300, 60, 0,
       "widen the figure, or use fewer columns.",
       "the figure is 40 pt wide; at least 51 pt is needed for 2 columns of plots."},
      {"rows", 2, 1, 300, 60, 0, 10,
       "make the figure taller, use fewer rows, or remove titles or legends.",
       "the figure is 60 pt tall; at least 70 pt is needed for 2 rows of plots."},
      {"one row", 1, 2, 300, 30, 0, 10, "make the figure taller, or remove titles or legends.",
       "the figure is 30 pt tall; at least 35 pt is needed for 1 row of plots."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GridFigure grid(c.rows, c.cols, c.width, c.height,
                    {{0, 0, 1, 1}, {c.rows - 1, c.cols - 1, 1, 1}});
    std::vector<PanelBands> bands(2);
    for (PanelBands& panel : bands) panel.x_tick_band = c.x_tick_band;
    bands[1].uncapped_direct_reserve = c.direct_reserve;
    expect_style_error(solve_grid(grid.request(), bands), c.hint, c.problem);
  }
}

TEST(GridLayout, RightLegendThatLeavesNoRoomIsNamed) {
  GridFigure grid(1, 2, 200, 300, {{0, 0, 1, 1}, {0, 1, 1, 1}});
  const char* text = "Northern region sales in thousands of dollars";
  grid.keyed_legend(1, LegendPosition::Right, {text});
  std::vector<PanelBands> bands(2);
  bands[1].right_reserve = grid.legends[1].right_reserve();
  double w = (200 - 48 - bands[1].right_reserve) / 2;
  ASSERT_LT(w, 1);
  LegendRow column = grid.legends[1].row_within(0, 0);
  const RowEntry& entry = column.entries[0];
  double room = bands[1].right_reserve - 2 * (1 - w) - 12 - (entry.width - entry.label.width());
  expect_style_error(solve_grid(grid.request(), bands), "shorten the label or widen the figure.",
                     "row 0, col 1: the legend label " + lodra::quoted(text) + " is " +
                         points(stated_width(entry.label.width(), room)) +
                         " pt wide; the panel has " + points(std::floor(room)) + " pt.");
}

TEST(GridLayout, YLabelsThatLeaveNoRoomAreNamed) {
  GridFigure grid(1, 2, 100, 300, {{0, 0, 1, 1}, {0, 1, 1, 1}});
  const char* wide = "100000000000000";
  std::vector<PanelBands> bands = {with_y_ticks({}, {{"0", 0}, {wide, 1}}),
                                   with_y_ticks({}, {{"0", 0}, {"1", 1}})};
  double missing = 2 * (1 - (100 - 48 - bands[0].y_tick_band - bands[1].y_tick_band) / 2);
  double room = tick_width(wide) - missing;
  ASSERT_GE(room, 0);
  expect_style_error(solve_grid(grid.request(), bands),
                     "shorten the y tick labels or widen the figure.",
                     "row 0, col 0: y tick label \"" + std::string(wide) + "\" is " +
                         points(stated_width(tick_width(wide), room)) + " pt wide; at most " +
                         points(std::floor(room)) + " pt leaves room for the plot area.");
}

TEST(GridLayout, XLabelsThatCannotFitAreNamedWithTheWidthThatWould) {
  GridFigure grid(1, 2, 400, 300, {{0, 0, 1, 1}, {0, 1, 1, 1}});
  std::string wide(50, '8');
  std::vector<PanelBands> bands = {with_x_ticks({}, {{"0", 0}, {"1", 1}}),
                                   with_x_ticks({}, {{wide.c_str(), 0}, {wide.c_str(), 1}})};
  // The last label may hang at most 6 pt into the right margin widened by a quarter of 376 pt:
  // half widths up to 100 pt fit.
  expect_style_error(solve_grid(grid.request(), bands), "shorten the labels or widen the figure.",
                     "row 0, col 1: x tick label " + lodra::quoted(wide) + " is " +
                         points(std::round(tick_width(wide))) +
                         " pt wide; at most 200 pt fits this figure.");
}

}  // namespace
}  // namespace lodra::layout
