#include "layout/figure_header.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "layout/fit_messages.h"
#include "layout/panel_fixture.h"
#include "test_support.h"

namespace lodra::layout {
namespace {

struct Page {
  Figure figure;
  MeasuredLegend legend;

  Page(double width, double height, const char* title, const char* subtitle,
       std::initializer_list<const char*> entries = {}, Theme theme = Theme::pigment())
      : figure(*Figure::make(std::move(theme), width / 72, height / 72)) {
    figure.title(title);
    figure.subtitle(subtitle);
    Legend content;
    for (const char* text : entries) content.keyed.push_back({text, {}});
    legend = MeasuredLegend::measure(figure, content, testing::fonts());
  }

  FigureHeader header() const { return FigureHeader::measure(figure, legend, testing::fonts()); }
};

TEST(FigureHeader, StacksTitleSubtitleAndLegendBelowTheTopMargin) {
  // Line heights: 1.25 × 22.5 for the title, 1.35 × 8.5 for the subtitle and a legend row.
  struct Case {
    const char* title;
    const char* subtitle;
    std::initializer_list<const char*> entries;
    double height;
  } cases[] = {
      {"", "", {}, 12},
      {"Sales", "", {}, 12 + 28.125 + 8},
      {"Sales", "by region", {}, 12 + 28.125 + 2 + 11.475 + 8},
      {"", "", {"North"}, 12 + 11.475 + 8},
      {"Sales", "", {"North"}, 12 + 28.125 + 6 + 11.475 + 8},
  };
  for (const Case& c : cases) {
    Page page(288, 216, c.title, c.subtitle, c.entries);
    FigureHeader header = page.header();
    EXPECT_NEAR(header.height, c.height, 1e-9) << c.title << "/" << c.subtitle;
    EXPECT_EQ(header.title.has_value(), *c.title != '\0');
    EXPECT_EQ(header.subtitle.has_value(), *c.subtitle != '\0');
    EXPECT_EQ(header.legend.size(), c.entries.size());
  }
}

TEST(FigureHeader, AlignsItsLegendRowsLikeTheTitle) {
  for (Align alignment : {Align::Left, Align::Center, Align::Right}) {
    Theme theme = Theme::pigment().with_title_align(alignment);
    Page page(288, 216, "Sales", "", {"North", "South"}, theme);
    FigureHeader header = page.header();
    const RowEntry& first = header.legend.front();
    const RowEntry& last = header.legend.back();
    double left = first.x;
    double right = last.x + last.width;
    double title_left = header.title->label.x;
    double title_right = title_left + header.title->label.width();
    switch (alignment) {
      case Align::Left:
        EXPECT_EQ(left, 12);
        EXPECT_EQ(title_left, 12);
        break;
      case Align::Center:
        EXPECT_DOUBLE_EQ(left + right, 288);
        EXPECT_DOUBLE_EQ(title_left + title_right, 288);
        break;
      case Align::Right:
        EXPECT_DOUBLE_EQ(right, 276);
        EXPECT_DOUBLE_EQ(title_right, 276);
        break;
    }
    EXPECT_DOUBLE_EQ(first.y, 12 + 28.125 + 6);
  }
}

TEST(FigureHeader, EmptyPageFailsOnlyWhenTheHeaderLeavesNoBottomMargin) {
  struct Case {
    const char* title;
    const char* subtitle;
    std::initializer_list<const char*> entries;
    double height;
    std::string problem, hint;  // empty: fits
  } cases[] = {
      {"", "", {}, 10, "", ""},
      {"Sales", "", {}, 61, "", ""},  // 48.125 + 12 fits 61 pt
      {"Sales", "", {}, 60, "the figure is 60 pt tall; at least 61 pt is needed for the plot area.",
       "make the figure taller, or remove the title."},
      {"Sales", "by region", {"North"}, 30,
       "the figure is 30 pt tall; at least 92 pt is needed for the plot area.",
       "make the figure taller, or remove the title, subtitle or legend."},
      {"", "", {"North"}, 43.2,
       "the figure is 43 pt tall; at least 44 pt is needed for the plot area.",
       "make the figure taller, or remove the legend."},
  };
  for (const Case& c : cases) {
    Page page(288, c.height, c.title, c.subtitle, c.entries);
    Status checked = FigureHeader::check(page.header(), page.figure, "Figure.to_svg()");
    if (c.problem.empty()) {
      EXPECT_TRUE(checked) << c.height;
    } else {
      testing::expect_error(checked, {ErrorKind::Style, "Figure.to_svg()", "", c.hint, c.problem});
    }
  }
}

TEST(FigureHeader, PanelsBelowAreCheckedByTheirOwnLayout) {
  Page page(288, 30, "Sales", "");
  ASSERT_TRUE(page.figure.add_axes_at({0, 0}, Scale::linear(), Scale::linear()));
  EXPECT_TRUE(FigureHeader::check(page.header(), page.figure, "Figure.to_svg()"));
}

TEST(FigureHeader, LegendEntryWiderThanThePage) {
  const char* text = "Revenue from the northern territories";
  Page page(100, 216, "", "", {"North", text});
  const RowEntry& entry = page.legend.row->entries[1];
  Status checked = FigureHeader::check(page.header(), page.figure, "Figure.to_svg()");
  double room = 100 - 24 - (entry.width - entry.label.width());
  testing::expect_error(checked, {ErrorKind::Style, "Figure.to_svg()", "",
                                  "shorten the label or widen the figure.",
                                  std::string("the legend label \"") + text + "\" is " +
                                      points(std::round(entry.label.width())) +
                                      " pt wide; the figure has " + points(std::floor(room)) +
                                      " pt."});
}

}  // namespace
}  // namespace lodra::layout
