#include "model/grid.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;

TEST(Grid, ChecksRowsThenColumns) {
  struct Case {
    std::int64_t rows, cols;
    const char* parameter;
    const char* hint;
    const char* problem;
  } cases[] = {
      {0, 1, "rows", "use at least 1 row.", "rows is 0; rows must be between 1 and 32."},
      {33, 0, "rows", "split the figure into several figures.",
       "rows is 33; rows must be between 1 and 32."},
      {1, -2, "cols", "use at least 1 column.", "cols is -2; cols must be between 1 and 32."},
      {32, 33, "cols", "split the figure into several figures.",
       "cols is 33; cols must be between 1 and 32."},
  };
  for (const auto& c : cases) {
    expect_error(Grid::make(c.rows, c.cols),
                 {ErrorKind::Style, "Figure()", c.parameter, c.hint, c.problem});
  }
  Grid grid = *Grid::make(32, 32);
  EXPECT_EQ(grid.share_x, Share::None);
  EXPECT_EQ(grid.legend, LegendMode::Merged);
}

TEST(Grid, CellsRunInRowMajorOrder) {
  Grid grid = *Grid::make(2, 2);
  EXPECT_EQ(*grid.cells(3), (std::vector<Cell>{{0, 0}, {0, 1}, {1, 0}}));
  EXPECT_EQ(grid.cells(4)->size(), 4u);
  for (std::int64_t count : {0, 5, -1}) {
    expect_error(grid.cells(count),
                 {ErrorKind::Style, "Figure.cells()", "count",
                  "pass a count from 1 to the number of cells.",
                  "count is " + std::to_string(count) + "; a 2 \u00d7 2 figure has 4 cells."});
  }
}

}  // namespace
}  // namespace lodra
