#include "layout/legend_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "layout/legend_placement.h"
#include "layout/panel_fixture.h"
#include "test_support.h"

namespace lodra::layout {
namespace {

constexpr const char* kContext = "Figure.to_svg()";

// A layout whose legend rows are the panel's entries, one per row.
Layout with_column(const MeasuredLegend& legend, const Rect& plot, const Rect& cell) {
  Layout layout;
  layout.plot = plot;
  layout.cell = cell;
  layout.legend_rows = LegendRow::placed(legend.row_within(plot.left, plot.left), plot.top);
  return layout;
}

// Every position leaves its entries a width of its own; an entry one hundredth of a point
// wider than that fails, naming the entry, and one exactly as wide passes.
TEST(LegendCheck, EachPositionLeavesItsOwnWidth) {
  struct Case {
    const char* why;
    LegendPosition position;
    bool single;
    // The plot and the cell that leave `room` for an entry.
    std::function<std::pair<Rect, Rect>(double room)> frame;
    bool checked;
  } cases[] = {
      {"top right: the plot's width", LegendPosition::TopRight, true,
       [](double room) { return std::pair{Rect{0, 0, room, 100}, Rect{0, 0, 999, 999}}; },
       true},
      {"right: from the plot's right edge and margin to the cell's", LegendPosition::Right, true,
       [](double room) { return std::pair{Rect{10, 0, 50, 100}, Rect{0, 0, 72 + room, 999}}; },
       true},
      {"bottom of a single cell: the cell within its margins", LegendPosition::Bottom, true,
       [](double room) { return std::pair{Rect{0, 0, 1, 100}, Rect{0, 0, room + 24, 999}}; },
       true},
      {"bottom of a grid panel: the plot's width", LegendPosition::Bottom, false,
       [](double room) { return std::pair{Rect{0, 0, room, 100}, Rect{0, 0, 999, 999}}; },
       true},
      {"best: the plot within the box padding and inset", LegendPosition::Best, false,
       [](double room) { return std::pair{Rect{0, 0, room + 24, 100}, Rect{0, 0, 999, 999}}; },
       true},
      {"top left of a grid panel: the plot's width", LegendPosition::TopLeft, false,
       [](double room) { return std::pair{Rect{0, 0, room, 100}, Rect{0, 0, 999, 999}}; },
       true},
      {"top left of a single cell: checked with the figure header", LegendPosition::TopLeft,
       true, [](double) { return std::pair{Rect{0, 0, 1, 100}, Rect{0, 0, 1, 999}}; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    testing::Panel panel;
    panel.keyed_legend(c.position, {"Revenue", "Operating costs"});
    const RowEntry& wide = panel.legend.row->entries[1];
    const double beyond_label = wide.width - wide.label.width();

    auto [plot, cell] = c.frame(wide.width);
    EXPECT_TRUE(placement::check(panel.input(), with_column(panel.legend, plot, cell), c.single));

    const double room = wide.width - 0.01;
    std::tie(plot, cell) = c.frame(room);
    const Status status =
        placement::check(panel.input(), with_column(panel.legend, plot, cell), c.single);
    if (!c.checked) {
      EXPECT_TRUE(status);
      continue;
    }
    const double stated_room = std::floor(room - beyond_label);
    testing::expect_error(
        status, {ErrorKind::Style, kContext, "", "shorten the label or widen the figure.",
                 "the legend label \"Operating costs\" is " +
                     display_number(std::max(std::round(wide.label.width()), stated_room + 1)) +
                     " pt wide; the panel has " + display_number(stated_room) + " pt."});
  }
}

TEST(LegendCheck, RightAndBestLegendsMustFitThePlotsHeight) {
  struct Case {
    const char* why;
    LegendPosition position;
    double margins;  // taken from the plot's height
    std::string problem;
  } cases[] = {
      {"right", LegendPosition::Right, 0, "the legend is 42 pt tall; the plot has 41 pt."},
      {"best", LegendPosition::Best, 24,
       "the legend is 42 pt tall; the plot leaves 41 pt for the legend."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    testing::Panel panel;
    panel.keyed_legend(c.position, {"Revenue", "Costs", "Margin"});
    const double rows = panel.legend.row_within(0, 0).height();
    ASSERT_DOUBLE_EQ(rows, 3 * 11.475 + 2 * 4);  // 42.425
    const Rect cell{0, 0, 999, 999};

    const Rect fits{0, 0, 400, rows + c.margins};
    EXPECT_TRUE(placement::check(panel.input(), with_column(panel.legend, fits, cell), true));

    const Rect too_short{0, 0, 400, rows + c.margins - 0.5};
    testing::expect_error(
        placement::check(panel.input(), with_column(panel.legend, too_short, cell), true),
        {ErrorKind::Style, kContext, "", "make the figure taller, or use fewer legend entries.",
         c.problem});
  }
}

// The pipeline keeps the column of the panel layout when the box does not fit the plot; the
// check then names what is too large.
TEST(LegendCheck, ABestLegendThatDoesNotFitIsReportedByTheCheck) {
  testing::Panel panel;
  panel.keyed_legend(LegendPosition::Best, {"Revenue", "Costs", "Margin"});
  const Rect plot{40, 20, 400, 60};
  EXPECT_FALSE(placement::best_fits(panel.legend, plot));
  testing::expect_error(
      placement::check(panel.input(), with_column(panel.legend, plot, {0, 0, 480, 100}), true),
      {ErrorKind::Style, kContext, "", "make the figure taller, or use fewer legend entries.",
       "the legend is 42 pt tall; the plot leaves 36 pt for the legend."});
}

TEST(LegendCheck, ALegendWithoutRowsIsNotChecked) {
  testing::Panel panel;
  panel.keyed_legend(LegendPosition::Right, {});
  Layout layout;
  layout.plot = {0, 0, 1, 1};
  layout.cell = {0, 0, 1, 1};
  EXPECT_TRUE(placement::check(panel.input(), layout, true));
}

}  // namespace
}  // namespace lodra::layout
