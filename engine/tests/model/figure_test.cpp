#include "model/figure.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/axes_mut.h"
#include "model/model_data.h"
#include "model/shared_axes.h"
#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;
using testing::floats;
using testing::numbers_at;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Figure figure_with(std::int64_t rows, std::int64_t cols, Share share_x = Share::None,
                   Share share_y = Share::None) {
  Grid grid = *Grid::make(rows, cols);
  grid.share_x = share_x;
  grid.share_y = share_y;
  return *Figure::with_grid(Theme::pigment(), grid, 6, 4);
}

AxesPosition at(std::int64_t row, std::int64_t col, std::int64_t row_span = 1,
                std::int64_t col_span = 1) {
  return {row, col, row_span, col_span};
}

std::vector<Cell> top_lefts(const Figure& figure) {
  std::vector<Cell> cells;
  for (const Axes& axes : figure.axes()) cells.push_back(axes.range.top_left());
  return cells;
}

TEST(Figure, PageSidesAreFiniteAndAtMost200Inches) {
  struct Case {
    double width, height;
    const char* parameter;
    const char* problem;
  } cases[] = {
      {0, -1, "width", "width is 0; it must be finite, above 0 and at most 200 inches."},
      {kNaN, 4, "width", "width is NaN; it must be finite, above 0 and at most 200 inches."},
      {200.0000001, 4, "width",
       "width is 200.0000001; it must be finite, above 0 and at most 200 inches."},
      {200, std::numeric_limits<double>::infinity(), "height",
       "height is inf; it must be finite, above 0 and at most 200 inches."},
  };
  for (const auto& c : cases) {
    expect_error(Figure::make(Theme::pigment(), c.width, c.height),
                 {ErrorKind::Style, "Figure()", c.parameter, "", c.problem});
  }
  auto figure = Figure::make(Theme::pigment(), 200, 1e-3);
  ASSERT_TRUE(figure);
  EXPECT_EQ(figure->grid(), Grid{});
  EXPECT_TRUE(figure->title().empty() && figure->axes().empty());
}

TEST(Figure, AddAxesChecksInOrder) {
  struct Case {
    const char* name;
    AxesPosition position;
    Scale y_scale;
    const char* parameter;
    const char* hint;
    const char* problem;
  } cases[] = {
      {"row AUTO", {std::nullopt, std::nullopt, 0, 0}, Scale::category(), "row",
       "pass row=, counting from 0.", "row is AUTO; this figure has 3 rows, so each axes needs a row."},
      {"row range", at(3, 9, 0), Scale::linear(), "row", "rows and columns count from 0.",
       "row is 3; this figure has rows 0 to 2."},
      {"negative row", at(-1, 0), Scale::linear(), "row", "rows and columns count from 0.",
       "row is -1; this figure has rows 0 to 2."},
      {"col AUTO", {0, std::nullopt}, Scale::linear(), "col", "pass col=, counting from 0.",
       "col is AUTO; this figure has 4 columns, so each axes needs a col."},
      {"col range", at(0, 4, 0), Scale::linear(), "col", "rows and columns count from 0.",
       "col is 4; this figure has columns 0 to 3."},
      {"row span before col span", at(0, 0, 0, 0), Scale::linear(), "row_span",
       "use 1 for an axes in one row.", "row_span is 0; row_span must be at least 1."},
      {"row span fits", at(2, 0, 2, 0), Scale::linear(), "row_span",
       "use a smaller span or a larger grid.", "row 2 with row_span 2 runs past the last row, 2."},
      {"huge row span", at(0, 0, std::numeric_limits<std::int64_t>::max()), Scale::linear(),
       "row_span", "use a smaller span or a larger grid.",
       "row 0 with row_span 9223372036854775807 runs past the last row, 2."},
      {"col span", at(0, 0, 1, -2), Scale::category(), "col_span",
       "use 1 for an axes in one column.", "col_span is -2; col_span must be at least 1."},
      {"col span fits", at(0, 1, 1, 4), Scale::category(), "col_span",
       "use a smaller span or a larger grid.",
       "col 1 with col_span 4 runs past the last column, 3."},
      {"category y", at(0, 0), Scale::category(), "y", "pass y=Scale.linear() or y=Scale.log().",
       "y is a category scale; the y axis must be linear or log."},
      {"taken", at(0, 0, 2, 2), Scale::linear(), "row",
       "each cell holds one axes; pick an empty cell.",
       "row 1, col 1 is taken by the axes added at row 1, col 1."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Figure figure = figure_with(3, 4);
    ASSERT_TRUE(figure.add_axes_at(at(1, 1), Scale::linear(), Scale::linear()));
    expect_error(figure.add_axes_at(c.position, Scale::linear(), c.y_scale),
                 {ErrorKind::Usage, "Figure.add_axes()", c.parameter, c.hint, c.problem});
    EXPECT_EQ(figure.axes().size(), 1u);
  }
}

TEST(Figure, OneCellFigureTakesAutoPositions) {
  Figure figure = figure_with(1, 1);
  EXPECT_EQ(figure.add_axes_at({}, Scale::linear(), Scale::linear()), 0u);
  expect_error(figure.add_axes_at({}, Scale::linear(), Scale::linear()),
               {ErrorKind::Usage, "Figure.add_axes()", "row",
                "each cell holds one axes; pick an empty cell.",
                "row 0, col 0 is taken by the axes added at row 0, col 0."});
  EXPECT_EQ(figure.index_at(std::nullopt, std::nullopt), 0u);
}

TEST(Figure, SharedAxesNeedTheSameScale) {
  Figure figure = figure_with(2, 2, Share::None, Share::All);
  ASSERT_TRUE(figure.add_axes_at(at(1, 1), Scale::log({10}), Scale::linear()));
  ASSERT_TRUE(figure.add_axes_at(at(0, 1), Scale::linear(), Scale::linear()));
  expect_error(figure.add_axes_at(at(0, 0), Scale::linear(), Scale::log({2})),
               {ErrorKind::Usage, "Figure.add_axes()", "y",
                "axes that share an axis need the same scale.",
                "y is Scale.log(2); the axes at row 0, col 1 shares its y axis and has "
                "Scale.linear()."});

  Figure by_col = figure_with(2, 2, Share::Col, Share::None);
  ASSERT_TRUE(by_col.add_axes_at(at(0, 0), Scale::log({10}), Scale::linear()));
  expect_error(by_col.add_axes_at(at(1, 0), Scale::log({2}), Scale::log({10})),
               {ErrorKind::Usage, "Figure.add_axes()", "x",
                "axes that share an axis need the same scale.",
                "x is Scale.log(2); the axes at row 0, col 0 shares its x axis and has "
                "Scale.log(10)."});
  // Other columns and the unshared side are free.
  EXPECT_TRUE(by_col.add_axes_at(at(1, 0), Scale::log({10}), Scale::log({10})));
  EXPECT_TRUE(by_col.add_axes_at(at(0, 1), Scale::category(), Scale::linear()));
}

TEST(Figure, SpansStayWithinOneSharedGroup) {
  struct Case {
    Share share_x, share_y;
    AxesPosition position;
    const char* parameter;
    const char* problem;
  } cases[] = {
      {Share::Row, Share::None, at(0, 0, 2), "row_span",
       "the axes spans rows 0 to 1, which share x in different groups."},
      {Share::Col, Share::Row, at(1, 1, 2, 2), "col_span",
       "the axes spans columns 1 to 2, which share x in different groups."},
      {Share::All, Share::Row, at(0, 1, 3), "row_span",
       "the axes spans rows 0 to 2, which share y in different groups."},
      {Share::None, Share::Col, at(2, 0, 1, 3), "col_span",
       "the axes spans columns 0 to 2, which share y in different groups."},
  };
  for (const auto& c : cases) {
    Figure figure = figure_with(3, 3, c.share_x, c.share_y);
    expect_error(figure.add_axes_at(c.position, Scale::linear(), Scale::linear()),
                 {ErrorKind::Usage, "Figure.add_axes()", c.parameter,
                  "span within one shared group, or share by ALL or NONE.", c.problem});
  }
  EXPECT_TRUE(figure_with(3, 3, Share::Row, Share::All)
                  .add_axes_at(at(0, 0, 1, 3), Scale::linear(), Scale::linear()));
}

TEST(Figure, AxesAreKeptInRowMajorOrder) {
  Figure figure = figure_with(2, 2);
  EXPECT_EQ(figure.add_axes_at(at(1, 1), Scale::linear(), Scale::linear()), 0u);
  EXPECT_EQ(figure.add_axes_at(at(0, 0), Scale::linear(), Scale::linear()), 0u);
  EXPECT_EQ(figure.add_axes_at(at(0, 1), Scale::linear(), Scale::linear()), 1u);
  EXPECT_EQ(top_lefts(figure), (std::vector<Cell>{{0, 0}, {0, 1}, {1, 1}}));
  EXPECT_EQ(figure.index_at(1, 1), 2u);
}

TEST(Figure, LookupFindsAxesByTheirTopLeftCell) {
  Figure figure = figure_with(2, 2);
  ASSERT_TRUE(figure.add_axes_at(at(0, 0, 2), Scale::linear(), Scale::linear()));
  const char* c = "Figure.axes_at()";
  expect_error(figure.index_at(1, 0), {ErrorKind::Usage, c, "", "find a spanning axes at its top-left cell.",
                                       "row 1, col 0 is part of the axes added at row 0, col 0."});
  expect_error(figure.index_at(1, 1), {ErrorKind::Usage, c, "", "add one with add_axes(row=, col=) first.",
                                       "row 1, col 1 holds no axes."});
  expect_error(figure.index_at(std::nullopt, 0),
               {ErrorKind::Usage, c, "row", "pass row=, counting from 0.",
                "row is AUTO; this figure has 2 rows, so each axes needs a row."});
  expect_error(figure.index_at(0, 2), {ErrorKind::Usage, c, "col", "rows and columns count from 0.",
                                       "col is 2; this figure has columns 0 to 1."});
  auto found = figure.axes_at(0, 0);
  ASSERT_TRUE(found);
  EXPECT_EQ((*found)->range, (CellRange{0, 0, 2, 1}));
}

TEST(Axes, CheckScalesComparesKindsAndLogBases) {
  Figure figure = figure_with(1, 2);
  ASSERT_TRUE(figure.add_axes_at(at(0, 1), Scale::log({10}), Scale::log({2})));
  const Axes& axes = **figure.axes_at(0, 1);
  EXPECT_TRUE(axes.check_scales(Scale::log({10}), Scale::log({2})));
  const char* hint = "pass the scales the axes was created with.";
  expect_error(axes.check_scales(Scale::linear(), Scale::linear()),
               {ErrorKind::Usage, "Figure.axes_at()", "x", hint,
                "x is Scale.linear(); the axes at row 0, col 1 has x Scale.log(10)."});
  expect_error(axes.check_scales(Scale::log({10}), Scale::log({2.5})),
               {ErrorKind::Usage, "Figure.axes_at()", "y", hint,
                "y is Scale.log(2.5); the axes at row 0, col 1 has y Scale.log(2)."});
  EXPECT_FALSE((Scale{ScaleKind::Log, kNaN}.same_as(Scale{ScaleKind::Log, kNaN})));
  EXPECT_TRUE((Scale{ScaleKind::Linear, 3}.same_as(Scale::linear())));
}

TEST(Figure, GroupSettingsAreSetOnceForTheGroup) {
  Figure figure = figure_with(2, 2, Share::Col, Share::None);
  for (auto cell : {at(0, 0), at(1, 0), at(1, 1)}) {
    ASSERT_TRUE(figure.add_axes_at(cell, Scale::linear(), Scale::linear()));
  }
  auto axes = [&](std::int64_t row, std::int64_t col) { return *figure.axes_at_mut(row, col); };
  // The setter may change its own setting; the group follows.
  ASSERT_TRUE(axes(0, 0).xlim(0, 10));
  ASSERT_TRUE(axes(0, 0).xlim(0, 5));
  EXPECT_EQ(figure.axes()[1].x_settings, figure.axes()[0].x_settings);
  EXPECT_EQ(figure.axes()[1].x_settings->limits->high, 5);
  EXPECT_FALSE(figure.axes()[2].x_settings->limits);
  // Another axes of the group may only repeat it.
  EXPECT_TRUE(axes(1, 0).xlim(0, 5));
  Figure before = figure;
  expect_error(axes(1, 0).xlim(0, 10),
               {ErrorKind::Usage, "Axes.xlim()", "low",
                "set it once for the group, or share fewer axes.",
                "x limits are shared with row 0, col 0, which set (0, 5)."});
  EXPECT_EQ(figure, before);
  // The unshared y side is the axes' own.
  EXPECT_TRUE(axes(1, 0).ylim(1, 2));
  EXPECT_TRUE(axes(0, 0).ylim(3, 4));

  ASSERT_TRUE(axes(0, 0).xticks({1, 2}));
  expect_error(axes(1, 0).xticks({1, 3}),
               {ErrorKind::Usage, "Axes.xticks()", "positions",
                "set it once for the group, or share fewer axes.",
                "x ticks are shared with row 0, col 0, which set other ticks."});
  ASSERT_TRUE(axes(1, 0).xtick_format(*TickFormat::fixed(1)));
  expect_error(axes(0, 0).xtick_format(*TickFormat::percent(1)),
               {ErrorKind::Usage, "Axes.xtick_format()", "format",
                "set it once for the group, or share fewer axes.",
                "x tick format is shared with row 1, col 0, which set another format."});
  // Ticks and format keep separate setters: setting one keeps the other.
  EXPECT_EQ(figure.axes()[0].x_settings->ticks.format, *TickFormat::fixed(1));
  EXPECT_TRUE(figure.axes()[0].x_settings->ticks.explicit_ticks);
  const Group& group = figure.groups(Side::X).at(0);
  EXPECT_EQ(group.limit_setters, (std::vector<Cell>{{0, 0}, {1, 0}}));
  EXPECT_EQ(group.format_setters, (std::vector<Cell>{{1, 0}}));
}

TEST(Figure, RefusedCallsLeaveTheFigureAsItWas) {
  Figure figure = figure_with(2, 2, Share::All, Share::All);
  ASSERT_TRUE(figure.add_axes_at(at(0, 0), Scale::linear(), Scale::linear()));
  ASSERT_TRUE(figure.axes_at_mut(0, 0)->line_shared(numbers_at({1}), floats({2}), {}));
  const Figure before = figure;
  EXPECT_FALSE(figure.add_axes_at(at(1, 0), Scale::log({10}), Scale::linear()));
  EXPECT_FALSE(figure.add_axes_at(at(1, 0, 1, 2), Scale::linear(), Scale::category()));
  AxesMut axes = *figure.axes_at_mut(0, 0);
  EXPECT_FALSE(axes.line_shared(numbers_at({1, 2}), floats({1}), {}));
  EXPECT_FALSE(axes.scatter_shared(numbers_at({1}), floats({1e301}), {}));
  EXPECT_FALSE(axes.xticks_labeled({1, 2}, {"a"}));
  EXPECT_FALSE(axes.legend_at(LegendStyle::Direct, LegendPosition::Best));
  EXPECT_EQ(figure, before);
}

TEST(Figure, CopiesShareMarkDataAndNothingElse) {
  Figure figure = figure_with(1, 1);
  ASSERT_TRUE(figure.add_axes_at({}, Scale::linear(), Scale::linear()));
  SharedFloats y = floats({1, 2});
  ASSERT_TRUE(figure.axes_at_mut(0, 0)->line_shared(numbers_at({0, 1}), y, {}));
  Figure copy = figure;
  ASSERT_TRUE(copy.axes_at_mut(0, 0)->hline(1, {}));
  copy.title("copy");
  copy.axes_at_mut(0, 0)->title("panel");
  EXPECT_EQ(figure.axes()[0].marks.size(), 1u);
  EXPECT_EQ(copy.axes()[0].marks.size(), 2u);
  EXPECT_TRUE(figure.title().empty() && figure.axes()[0].title.empty());
  const auto& line = std::get<LineMark>(copy.axes()[0].marks[0]);
  EXPECT_EQ(line.series.y.get(), y.get());
  EXPECT_EQ(y.use_count(), 3);
}

TEST(SharedAxes, LeadersAreTheFirstAxesOfEachGroup) {
  Figure figure = figure_with(2, 2, Share::Col, Share::Row);
  for (auto cell : {at(0, 0), at(0, 1), at(1, 0), at(1, 1)}) {
    ASSERT_TRUE(figure.add_axes_at(cell, Scale::linear(), Scale::linear()));
  }
  ShareGroups groups(figure);
  EXPECT_EQ(groups.x, (std::vector<std::size_t>{0, 1, 0, 1}));
  EXPECT_EQ(groups.y, (std::vector<std::size_t>{0, 0, 2, 2}));
}

TEST(SharedAxes, OnlyOuterPanelsShowSharedTickLabels) {
  struct Case {
    Share share_x, share_y;
    CellRange range;
    LabelVisibility expected;
  } cases[] = {
      {Share::Col, Share::Row, {0, 0, 1, 1}, {false, true}},
      {Share::Col, Share::Row, {1, 1, 1, 1}, {true, false}},
      {Share::All, Share::All, {0, 1, 1, 1}, {false, false}},
      {Share::Row, Share::Col, {0, 1, 1, 1}, {true, true}},
      {Share::None, Share::None, {0, 0, 1, 1}, {true, true}},
  };
  for (const auto& c : cases) {
    Figure figure = figure_with(2, 2, c.share_x, c.share_y);
    for (auto cell : {at(0, 0), at(0, 1), at(1, 0), at(1, 1)}) {
      ASSERT_TRUE(figure.add_axes_at(cell, Scale::linear(), Scale::linear()));
    }
    EXPECT_EQ(label_visibility(figure, c.range), c.expected);
  }
  // Only an axes of the same column span counts as below.
  Figure spanning = figure_with(2, 2, Share::All, Share::All);
  ASSERT_TRUE(spanning.add_axes_at(at(0, 0, 1, 2), Scale::linear(), Scale::linear()));
  ASSERT_TRUE(spanning.add_axes_at(at(1, 0), Scale::linear(), Scale::linear()));
  EXPECT_EQ(label_visibility(spanning, {0, 0, 1, 2}), (LabelVisibility{true, true}));
}

}  // namespace
}  // namespace lodra
