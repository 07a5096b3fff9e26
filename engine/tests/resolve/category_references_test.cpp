#include "resolve/category_references.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/model_data.h"
#include "resolve/figures.h"
#include "test_support.h"

namespace lodra::resolve {
namespace {

using testing::at;
using testing::floats;
using testing::grid_figure;
using testing::names;

constexpr std::string_view kContext = "Figure.to_svg()";

Status bars(Figure& figure, std::int64_t row, std::int64_t col,
            std::initializer_list<const char*> categories) {
  std::vector<double> heights(categories.size(), 1.0);
  return at(figure, row, col).bar_shared(names(categories), share_floats(heights), {});
}

Status vline(Figure& figure, std::int64_t row, std::int64_t col, const char* category) {
  return at(figure, row, col).vline(AxisValue{std::string(category)}, {});
}

TEST(CategoryReferences, AVlineMustNameACategoryOfItsShareGroup) {
  struct Case {
    const char* why;
    testing::GridSpec grid;
    std::function<void(Figure&)> build;
    std::string problem;  // empty: accepted
  } cases[] = {
      {"a category of the same axes", {.x_scale = Scale::category()},
       [](Figure& f) {
         ASSERT_TRUE(bars(f, 0, 0, {"a", "b"}));
         ASSERT_TRUE(vline(f, 0, 0, "b"));
       },
       ""},
      {"an unknown category in a single panel", {.x_scale = Scale::category()},
       [](Figure& f) {
         ASSERT_TRUE(bars(f, 0, 0, {"a"}));
         ASSERT_TRUE(vline(f, 0, 0, "z"));
       },
       "x is \"z\"; no mark on this axes has that category."},
      {"the bottom-left panel of a 2 × 2 grid",
       {.rows = 2, .cols = 2, .x_scale = Scale::category()},
       [](Figure& f) {
         ASSERT_TRUE(bars(f, 0, 0, {"z"}));
         ASSERT_TRUE(bars(f, 1, 0, {"a"}));
         ASSERT_TRUE(vline(f, 1, 0, "z"));
       },
       "row 1, col 0: x is \"z\"; no mark on this axes has that category."},
      {"a category of another panel of the column group",
       {.rows = 2, .cols = 2, .share_x = Share::Col, .x_scale = Scale::category()},
       [](Figure& f) {
         ASSERT_TRUE(bars(f, 0, 0, {"z"}));
         ASSERT_TRUE(vline(f, 1, 0, "z"));
       },
       ""},
      {"the first failing reference is reported",
       {.rows = 1, .cols = 2, .x_scale = Scale::category()},
       [](Figure& f) {
         ASSERT_TRUE(vline(f, 0, 1, "second"));
         ASSERT_TRUE(vline(f, 0, 0, "first"));
       },
       "row 0, col 0: x is \"first\"; no mark on this axes has that category."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Figure figure = grid_figure(c.grid);
    c.build(figure);
    Status status = check_references(figure, kContext);
    if (c.problem.empty()) {
      EXPECT_TRUE(status) << status.error().display();
    } else {
      testing::expect_error(status, {ErrorKind::Data, std::string(kContext), "",
                                     "draw a mark with that category first.", c.problem});
    }
  }
}

}  // namespace
}  // namespace lodra::resolve
