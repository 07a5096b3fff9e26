#include "layout/fit_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/panel_fixture.h"
#include "test_support.h"

namespace lodra::layout {
namespace {

using testing::ExpectedError;

void expect_style(const Error& error, std::string_view hint, std::string_view problem) {
  Result<int> result = std::unexpected(error);
  testing::expect_error(result, ExpectedError{ErrorKind::Style, "Figure.to_svg()", "",
                                              std::string(hint), std::string(problem)});
}

TEST(FitMessages, StatedWidthAlwaysExceedsTheFlooredRoom) {
  struct Case {
    double width, room;
    const char* problem;
  } cases[] = {
      {40.5, 30.7, "the legend label \"Sales\" is 41 pt wide; the panel has 30 pt."},
      {39.4, 30.7, "the legend label \"Sales\" is 39 pt wide; the panel has 30 pt."},
      // Wider only by a fraction: the stated width is still above the stated room.
      {30.2, 30.1, "the legend label \"Sales\" is 31 pt wide; the panel has 30 pt."},
      {2.0, -3.5, "the legend label \"Sales\" is 2 pt wide; the panel has -4 pt."},
      {-1.0, -0.5, "the legend label \"Sales\" is 0 pt wide; the panel has -1 pt."},
  };
  for (const Case& c : cases) {
    expect_style(legend_too_wide("Figure.to_svg()", "Sales", c.width, LegendPlace::Panel, c.room),
                 "shorten the label or widen the figure.", c.problem);
  }
  expect_style(legend_too_wide("Figure.to_svg()", "Q\"1\"", 50, LegendPlace::Figure, 20),
               "shorten the label or widen the figure.",
               "the legend label \"Q\\\"1\\\"\" is 50 pt wide; the figure has 20 pt.");
}

TEST(FitMessages, TickLabelMessagesNameTheFirstWidest) {
  scene::TextStyle style = tick_style(Theme::pigment());
  std::vector<TickLabel> labels = {{0, testing::label("8", style)},
                                   {0.5, testing::label("1000", style)},
                                   {1, testing::label("2000", style)}};
  // Tabular figures: "1000" and "2000" are equally wide, and the first is named.
  ASSERT_EQ(labels[1].label.width(), labels[2].label.width());
  std::string width = points(stated_width(labels[1].label.width(), 3.9));
  expect_style(x_labels_wider_than("Figure.to_svg()", labels, 3.9),
               "shorten the labels or widen the figure.",
               "x tick label \"1000\" is " + width + " pt wide; at most 3 pt fits this figure.");
  expect_style(y_labels_leave_no_room("Figure.to_svg()", labels, 3.9),
               "shorten the y tick labels or widen the figure.",
               "y tick label \"1000\" is " + width +
                   " pt wide; at most 3 pt leaves room for the plot area.");
}

TEST(FitMessages, PlotAreaMissing) {
  expect_style(plot_area_missing("Figure.to_svg()", Extent::Wide, 30.9, 57, "widen the figure."),
               "widen the figure.",
               "the figure is 30 pt wide; at least 57 pt is needed for the plot area.");
  expect_style(plot_area_missing("Figure.to_svg()", Extent::Tall, 43.2, 61,
                                 "make the figure taller."),
               "make the figure taller.",
               "the figure is 43 pt tall; at least 61 pt is needed for the plot area.");
}

TEST(FitMessages, TallerHintNamesThePresentItemsInOrder) {
  const char* hints[] = {
      "make the figure taller.",
      "make the figure taller, or remove the legend.",
      "make the figure taller, or remove the subtitle.",
      "make the figure taller, or remove the subtitle or legend.",
      "make the figure taller, or remove the title.",
      "make the figure taller, or remove the title or legend.",
      "make the figure taller, or remove the title or subtitle.",
      "make the figure taller, or remove the title, subtitle or legend.",
      "make the figure taller, or remove the figure header.",
      "make the figure taller, or remove the figure header or legend.",
      "make the figure taller, or remove the figure header or subtitle.",
      "make the figure taller, or remove the figure header, subtitle or legend.",
      "make the figure taller, or remove the figure header or title.",
      "make the figure taller, or remove the figure header, title or legend.",
      "make the figure taller, or remove the figure header, title or subtitle.",
      "make the figure taller, or remove the figure header, title, subtitle or legend.",
  };
  for (int bits = 0; bits < 16; ++bits) {
    Removable items{(bits & 8) != 0, (bits & 4) != 0, (bits & 2) != 0, (bits & 1) != 0};
    EXPECT_EQ(taller_hint(items), hints[bits]) << bits;
  }
}

}  // namespace
}  // namespace lodra::layout
