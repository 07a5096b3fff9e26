#include "layout/column_fit.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace lodra::layout {
namespace {

// Two bare columns on a 400 pt page: each plot 176 pt wide without insets; the page margins may
// widen by up to 94 pt.
Columns two(double page_width = 400) { return {{0, 0}, {0, 0}, 24, page_width}; }

// A label's bound in one column.
LabelBound in_column(std::uint32_t column, std::size_t variable, double half_width, double share,
                     double need) {
  return {0, column, column, variable, half_width, share, need};
}

TEST(FitColumns, LeastTotalInsetThatKeepsEveryLabelIn) {
  struct Case {
    const char* name;
    Columns columns;
    std::vector<LabelBound> bounds;
    std::optional<std::vector<double>> insets;
  };
  const Case cases[] = {
      {"every label inside", two(), {in_column(1, 2, 12, 0, 12)}, std::vector<double>(4, 0.0)},
      // At its plot's left edge the label needs 8 pt more left band.
      {"label at a column's left edge", two(), {in_column(1, 2, 20, 0, 12)},
       std::vector<double>{0, 0, 8, 0}},
      // A quarter into the plot: each point of band also narrows the plot by 1/2 pt, moving
      // the label 1/8 pt back: 4 / (1 − 1/8).
      {"label inside the plot", two(), {in_column(1, 2, 60, 0.25, 12)},
       std::vector<double>{0, 0, 32.0 / 7, 0}},
      {"page margin at its limit", two(), {in_column(0, 0, 100, 0, 6)},
       std::vector<double>{94, 0, 0, 0}},
      {"page margin beyond its limit", two(), {in_column(0, 0, 101, 0, 6)}, std::nullopt},
      // 6 pt plots may lose 5 pt each, 10 in all.
      {"plots keep 1 pt", two(60), {in_column(1, 2, 21, 0, 12)},
       std::vector<double>{0, 0, 9, 0}},
      {"plots would fall below 1 pt", two(60), {in_column(1, 2, 23, 0, 12)}, std::nullopt},
      // Widening column 1's band narrows column 0, pushing its label, which fitted with 0.1 pt
      // to spare, 2 pt past its side: its band widens too.
      {"labels pushed out by another column's widening",
       two(),
       {in_column(1, 2, 52, 0, 12), in_column(0, 3, 29.5, 0.1, 12)},
       std::vector<double>{0, 0, 40, 2}},
  };
  for (const Case& c : cases) {
    std::optional<std::vector<double>> insets = fit_columns(c.columns, c.bounds);
    ASSERT_EQ(insets.has_value(), c.insets.has_value()) << c.name;
    if (!insets) continue;
    ASSERT_EQ(insets->size(), c.insets->size()) << c.name;
    for (std::size_t i = 0; i < insets->size(); ++i) {
      EXPECT_NEAR((*insets)[i], (*c.insets)[i], 1e-6) << c.name << ", variable " << i;
    }
  }
}

TEST(FitColumns, OutOfBoundsVariablesSortedOnce) {
  std::vector<LabelBound> bounds = {in_column(1, 2, 0, 0, 0), in_column(0, 3, 0, 0, 0),
                                    in_column(1, 2, 0, 0, 0), in_column(0, 0, 0, 0, 0)};
  std::vector<double> overflows = {5, 1e-9, 2, 3};
  EXPECT_EQ(out_of_bounds(bounds, overflows), (std::vector<std::size_t>{0, 2}));
}

}  // namespace
}  // namespace lodra::layout
