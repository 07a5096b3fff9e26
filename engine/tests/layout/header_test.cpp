#include "layout/header.h"

#include <gtest/gtest.h>

#include <optional>

#include "layout/panel_fixture.h"

namespace lodra::layout {
namespace {

Header header(const char* title, const char* subtitle, std::optional<double> legend) {
  const Theme& theme = Theme::pigment();
  return Header::measure(testing::fonts(), title, subtitle, title_style(theme), body_style(theme),
                         legend);
}

TEST(Header, StacksItsLinesWithTheirGaps) {
  // Line heights: 1.25 × 15 for the title, 1.35 × 8.5 for the subtitle.
  struct Case {
    const char* title;
    const char* subtitle;
    std::optional<double> legend;
    double legend_top, bottom;  // from a top of 100
  } cases[] = {
      {"", "", std::nullopt, 0, 100},
      {"Sales", "", std::nullopt, 0, 100 + 18.75 + 8},
      {"", "by region", std::nullopt, 0, 100 + 11.475 + 8},
      {"Sales", "by region", std::nullopt, 0, 100 + 18.75 + 2 + 11.475 + 8},
      {"", "", 20.0, 100, 100 + 20 + 8},
      {"Sales", "", 20.0, 100 + 18.75 + 6, 100 + 18.75 + 6 + 20 + 8},
      {"Sales", "by region", 20.0, 100 + 18.75 + 2 + 11.475 + 6,
       100 + 18.75 + 2 + 11.475 + 6 + 20 + 8},
  };
  for (const Case& c : cases) {
    Header h = header(c.title, c.subtitle, c.legend);
    PlacedHeader placed = h.place(0, 300, 100, Align::Left, c.legend.has_value(),
                                  c.legend.value_or(0));
    EXPECT_NEAR(placed.bottom, c.bottom, 1e-9) << c.title << "/" << c.subtitle;
    EXPECT_NEAR(placed.legend_top, c.legend_top, 1e-9) << c.title << "/" << c.subtitle;
    EXPECT_NEAR(h.height(), c.bottom - 100, 1e-9) << c.title << "/" << c.subtitle;
    EXPECT_EQ(placed.title.has_value(), *c.title != '\0');
    EXPECT_EQ(placed.subtitle.has_value(), *c.subtitle != '\0');
  }
}

TEST(Header, CentresEachLineOnItsLineHeight) {
  Header h = header("Sales", "by region", std::nullopt);
  PlacedHeader placed = h.place(0, 300, 100, Align::Left, false, 0);
  const Label& title = placed.title->label;
  const Label& subtitle = placed.subtitle->label;
  EXPECT_DOUBLE_EQ(title.y, 100 + title.ascent() + (18.75 - title.ascent() - title.descent()) / 2);
  EXPECT_DOUBLE_EQ(subtitle.y, 100 + 18.75 + 2 + subtitle.ascent() +
                                   (11.475 - subtitle.ascent() - subtitle.descent()) / 2);
}

TEST(Header, AlignsTitleAndSubtitleIndependently) {
  Header h = header("Quarterly sales", "by region", std::nullopt);
  double title_width = h.title->label.width();
  double subtitle_width = h.subtitle->label.width();
  ASSERT_NE(title_width, subtitle_width);
  struct Case {
    Align alignment;
    double title_x, subtitle_x;
  } cases[] = {
      {Align::Left, 40, 40},
      {Align::Center, 170 - title_width / 2, 170 - subtitle_width / 2},
      {Align::Right, 300 - title_width, 300 - subtitle_width},
  };
  for (const Case& c : cases) {
    PlacedHeader placed = h.place(40, 300, 0, c.alignment, false, 0);
    EXPECT_DOUBLE_EQ(placed.title->label.x, c.title_x);
    EXPECT_DOUBLE_EQ(placed.subtitle->label.x, c.subtitle_x);
  }
}

}  // namespace
}  // namespace lodra::layout
