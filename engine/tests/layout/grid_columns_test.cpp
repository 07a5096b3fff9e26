#include "layout/grid_columns.h"

#include <gtest/gtest.h>

#include <vector>

namespace lodra::layout {
namespace {

// Three columns on a 400 pt page with 24 pt gaps: bands left 10, 20, 30 and right 4, 5, 6.
Columns three() { return {{10, 20, 30}, {4, 5, 6}, 24, 400}; }

TEST(GridColumns, EveryColumnGetsTheSamePlotWidth) {
  struct Case {
    const char* name;
    std::vector<double> insets;  // by variable
    double width;
    std::vector<double> starts;
  };
  // Without insets: (400 − 24 − 75 − 48) / 3 = 84 and 11/3.
  double w = 253.0 / 3;
  const Case cases[] = {
      {"no insets", {0, 0, 0, 0, 0, 0}, w, {22, 22 + w + 4 + 24 + 20, 22 + 2 * w + 9 + 48 + 50}},
      // The left margin moves every plot right; the inner bands move those after them.
      {"left margin", {6, 0, 0, 0, 0, 0}, w - 2, {28, 28 + w - 2 + 48, 28 + 2 * (w - 2) + 107}},
      {"right margin", {0, 6, 0, 0, 0, 0}, w - 2, {22, 22 + w - 2 + 48, 22 + 2 * (w - 2) + 107}},
      {"left band of column 1", {0, 0, 3, 0, 0, 0}, w - 1,
       {22, 22 + w - 1 + 51, 22 + 2 * (w - 1) + 110}},
      {"right band of column 0", {0, 0, 0, 3, 0, 0}, w - 1,
       {22, 22 + w - 1 + 51, 22 + 2 * (w - 1) + 110}},
      {"left band of column 2", {0, 0, 0, 0, 3, 0}, w - 1,
       {22, 22 + w - 1 + 48, 22 + 2 * (w - 1) + 110}},
      {"right band of column 1", {0, 0, 0, 0, 0, 3}, w - 1,
       {22, 22 + w - 1 + 48, 22 + 2 * (w - 1) + 110}},
  };
  for (const Case& c : cases) {
    PlacedColumns placed = three().place(c.insets);
    EXPECT_DOUBLE_EQ(placed.width, c.width) << c.name;
    ASSERT_EQ(placed.starts.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(placed.starts[i], c.starts[i]) << c.name;
  }
}

TEST(GridColumns, SpansAndCellsCoverTheirColumnsAndHalfTheGaps) {
  PlacedColumns placed = three().place(std::vector<double>(6, 0.0));
  double w = placed.width;
  // Spanning two columns takes the bands and the gap between them.
  EXPECT_DOUBLE_EQ(placed.plot_width(0, 1), 2 * w + 4 + 24 + 20);
  EXPECT_DOUBLE_EQ(placed.plot_width(1, 1), w);
  // Cells meet halfway between one column's content and the next one's.
  double first_edge = placed.starts[0] + w + 4 + 12;
  double second_edge = placed.starts[1] + w + 5 + 12;
  EXPECT_DOUBLE_EQ(placed.frame(0, 0).start, 0);
  EXPECT_DOUBLE_EQ(placed.frame(0, 0).end, first_edge);
  EXPECT_DOUBLE_EQ(placed.frame(1, 1).start, first_edge);
  EXPECT_DOUBLE_EQ(placed.frame(1, 1).end, second_edge);
  EXPECT_DOUBLE_EQ(placed.frame(1, 2).end, 400);
  EXPECT_DOUBLE_EQ(placed.frame(0, 2).start, 0);
}

TEST(GridColumns, BandsComeFromThePanelsThatStartOrEndInAColumn) {
  PanelBands wide_y;
  wide_y.y_tick_band = 30;
  PanelBands direct;
  direct.direct_reserve = 15;
  direct.y_tick_band = 10;
  PanelBands legend;
  legend.right_reserve = 25;
  legend.direct_reserve = 5;
  std::vector<CellRange> cells = {{0, 0, 1, 2}, {1, 1, 1, 1}, {1, 0, 1, 1}};
  std::vector<PanelBands> bands = {wide_y, direct, legend};
  Columns columns = Columns::measure(2, cells, bands, 24, 400);
  EXPECT_EQ(columns.left, (std::vector<double>{30, 10}));
  EXPECT_EQ(columns.right, (std::vector<double>{25, 15}));
}

TEST(GridColumns, LabelBoundsOnBothSides) {
  Columns columns = three();
  PanelBands bands;
  bands.x_extents = {{0.25, 8}, {1, 12}};
  // A panel over columns 1..2, and one in column 0.
  std::vector<CellRange> cells = {{0, 1, 1, 2}, {1, 0, 1, 1}};
  std::vector<PanelBands> panels = {bands, bands};
  std::vector<LabelBound> bounds = columns.label_bounds(cells, panels, 10);
  struct Expected {
    std::size_t panel, variable;
    double half_width, share, need;
  };
  // Between columns a label may reach half the gap beyond the band, at the page edge 6 pt.
  const Expected expected[] = {
      {0, 2, 8, 0.25, 20 + 12}, {0, 1, 8, 0.75, 6 + 6},  {0, 2, 10, 1, 20 + 12},
      {0, 1, 10, 0, 6 + 6},     {1, 0, 8, 0.25, 10 + 6}, {1, 3, 8, 0.75, 4 + 12},
      {1, 0, 10, 1, 10 + 6},    {1, 3, 10, 0, 4 + 12},
  };
  ASSERT_EQ(bounds.size(), std::size(expected));
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    EXPECT_EQ(bounds[i].panel, expected[i].panel) << i;
    EXPECT_EQ(bounds[i].variable, expected[i].variable) << i;
    EXPECT_DOUBLE_EQ(bounds[i].half_width, expected[i].half_width) << i;
    EXPECT_DOUBLE_EQ(bounds[i].share, expected[i].share) << i;
    EXPECT_DOUBLE_EQ(bounds[i].need, expected[i].need) << i;
  }
}

TEST(GridColumns, EssentialBoundsDropTheDominatedOnes) {
  Columns columns = three();
  PlacedColumns zero = columns.place(std::vector<double>(6, 0.0));
  auto bound = [](std::uint32_t first, std::size_t variable, double half, double share) {
    return LabelBound{0, first, first, variable, half, share, 10};
  };
  std::vector<LabelBound> bounds = {
      bound(1, 2, 40, 0.5),  // overflows more at width 0 than the next, less at the plot width
      bound(1, 2, 30, 0),
      bound(1, 2, 30, 0),    // identical to the one before: the first stays
      bound(1, 2, 20, 0),    // below the one before everywhere
      bound(0, 3, 20, 0),    // its variable is within bounds
      bound(2, 4, 25, 0.1),  // another variable
  };
  std::vector<std::size_t> variables = {2, 4};
  EXPECT_EQ(columns.essential(bounds, zero, variables), (std::vector<std::size_t>{0, 1, 5}));
}

TEST(GridColumns, ProgramRowsCountEveryInsetOnceForEachColumn) {
  Columns columns{{10, 20}, {0, 0}, 24, 400};
  PlacedColumns zero = columns.place(std::vector<double>(4, 0.0));
  // Over both columns, right side, a quarter from the edge: the inner bands widen it.
  std::vector<LabelBound> bounds = {{0, 0, 1, 1, 50, 0.25, 6}};
  std::vector<double> overflows = {7};
  std::vector<std::size_t> chosen = {0};
  std::vector<Row> rows = columns.program(bounds, chosen, overflows, zero);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].coefficients, (std::vector<double>{-0.25, 0.75, 0, 0}));
  EXPECT_EQ(rows[0].b, 7);
  // Margins within a quarter of 376 pt less their bands; every column keeps 1 pt.
  EXPECT_EQ(rows[1].coefficients, (std::vector<double>{-1, 0, 0, 0}));
  EXPECT_EQ(rows[1].b, -(94 - 10));
  EXPECT_EQ(rows[2].coefficients, (std::vector<double>{0, -1, 0, 0}));
  EXPECT_EQ(rows[2].b, -94);
  EXPECT_EQ(rows[3].coefficients, (std::vector<double>(4, -1)));
  EXPECT_DOUBLE_EQ(rows[3].b, -2 * (zero.width - 1));
}

}  // namespace
}  // namespace lodra::layout
