#include "layout/panel_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "layout/panel_fixture.h"
#include "layout/solve_single.h"

namespace lodra::layout {
namespace {

struct Placed {
  PanelBands bands;
  PanelSlot slot;
  Layout layout;
};

// The only panel of a figure of that size, measured, solved and placed.
Placed place(const testing::Panel& panel, const resolve::Resolved& axes, const Rect& cell) {
  PanelBands bands = measure_panel(panel.input(), axes, {cell.left + 12, cell.right() - 12,
                                                         0.25 * (cell.width - 24)}, {});
  Result<Rect> plot = solve_single(panel.input(), bands, cell, 12);
  EXPECT_TRUE(plot) << plot.error().display();
  PanelSlot slot = single_cell_slot(bands, cell, *plot, 12);
  Layout layout = place_panel(panel.input(), axes, bands, slot);
  return {std::move(bands), slot, std::move(layout)};
}

TEST(PlacePanel, PlacesEveryTextAroundThePlot) {
  testing::Panel panel;
  panel.axes().title("Sales");
  panel.axes().xlabel("Year");
  panel.axes().ylabel("Revenue");
  resolve::Resolved axes = testing::plain_axes();
  axes.y.baseline = 0.25;
  Placed p = place(panel, axes, {0, 0, 288, 216});
  const Rect& plot = p.layout.plot;
  const PanelBands& b = p.bands;
  EXPECT_EQ(plot, p.slot.plot);
  EXPECT_EQ(p.layout.cell, (Rect{0, 0, 288, 216}));

  // The header spans the cell within its margins, from the top of the content.
  ASSERT_TRUE(p.layout.title);
  EXPECT_EQ(p.layout.title->label.x, 12);
  EXPECT_EQ(plot.top, 12 + b.header.height() + b.y_label_band + b.overhang_above);

  ASSERT_EQ(p.layout.y_tick_labels.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const Label& label = p.layout.y_tick_labels[i];
    EXPECT_DOUBLE_EQ(label.x + label.width(), plot.left - 6);
    EXPECT_DOUBLE_EQ(label.y, plot.bottom() - axes.y.ticks[i].position * plot.height +
                                  0.35 * 8.5);
    const Label& x_label = p.layout.x_tick_labels[i];
    EXPECT_DOUBLE_EQ(x_label.x + x_label.width() / 2,
                     plot.left + axes.x.ticks[i].position * plot.width);
    EXPECT_DOUBLE_EQ(x_label.y, plot.bottom() + 4 + b.tick_ascent);
  }
  std::vector<double> x_ticks{plot.left, plot.left + plot.width / 2, plot.right()};
  std::vector<double> y_ticks{plot.bottom(), plot.bottom() - plot.height / 2, plot.top};
  ASSERT_EQ(p.layout.x_ticks.size(), 3u);
  ASSERT_EQ(p.layout.y_ticks.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(p.layout.x_ticks[i], x_ticks[i]);
    EXPECT_DOUBLE_EQ(p.layout.y_ticks[i], y_ticks[i]);
  }
  EXPECT_DOUBLE_EQ(p.layout.baseline, plot.bottom() - 0.25 * plot.height);

  // The x axis label centred below the tick labels, its descent on the cell's bottom margin.
  const Label& x_axis = *p.layout.x_label;
  EXPECT_DOUBLE_EQ(x_axis.x + x_axis.width() / 2, plot.left + plot.width / 2);
  EXPECT_DOUBLE_EQ(x_axis.y, plot.bottom() + b.x_tick_band + 4 + x_axis.ascent());
  EXPECT_DOUBLE_EQ(x_axis.y + x_axis.descent(), 216 - 12);
  // The y axis label above the plot, starting where the widest y tick label starts.
  const Label& y_axis = *p.layout.y_label;
  EXPECT_DOUBLE_EQ(y_axis.x, plot.left - 6 - b.widest_y_tick);
  EXPECT_DOUBLE_EQ(y_axis.y, plot.top - b.overhang_above - 4);

  EXPECT_TRUE(p.layout.legend_rows.empty());
  EXPECT_TRUE(p.layout.direct_labels.empty());
  EXPECT_FALSE(p.layout.legend_backdrop);
}

TEST(PlacePanel, YAxisLabelWithoutTickLabelsStartsAtThePlot) {
  testing::Panel panel;
  panel.axes().ylabel("Revenue");
  Placed p = place(panel, {testing::axis({}), testing::axis({})}, {0, 0, 288, 216});
  EXPECT_EQ(p.layout.y_label->x, p.layout.plot.left);
  EXPECT_EQ(p.layout.y_label->y, p.layout.plot.top - 4);
}

TEST(PlacePanel, LegendRowsByPosition) {
  for (LegendPosition position : {LegendPosition::TopLeft, LegendPosition::TopRight,
                                  LegendPosition::Right, LegendPosition::Bottom,
                                  LegendPosition::Best}) {
    testing::Panel panel;
    panel.axes().title("Sales");
    panel.axes().xlabel("Year");
    panel.keyed_legend(position, {"North", "South"});
    Placed p = place(panel, testing::plain_axes(), {0, 0, 288, 216});
    const Rect& plot = p.layout.plot;
    const PanelBands& b = p.bands;
    const std::vector<RowEntry>& rows = p.layout.legend_rows;
    ASSERT_EQ(rows.size(), 2u);
    const RowEntry& first = rows.front();
    const RowEntry& last = rows.back();
    double title_line = 18.75 + 6;  // the legend follows the title
    switch (position) {
      case LegendPosition::TopLeft:
        EXPECT_EQ(first.x, 12);
        EXPECT_DOUBLE_EQ(first.y, 12 + title_line);
        EXPECT_DOUBLE_EQ(plot.top, 12 + title_line + b.header.legend_height + 8 + b.overhang_above);
        break;
      case LegendPosition::TopRight:
        EXPECT_DOUBLE_EQ(last.x + last.width, plot.right());
        EXPECT_DOUBLE_EQ(first.y, 12 + title_line);
        break;
      case LegendPosition::Right:
        EXPECT_DOUBLE_EQ(plot.right(), 276 - b.right_reserve);
        EXPECT_DOUBLE_EQ(first.x, plot.right() + 12);
        EXPECT_DOUBLE_EQ(last.x, plot.right() + 12);
        EXPECT_DOUBLE_EQ(first.y, plot.top);
        EXPECT_GT(last.y, first.y);
        break;
      case LegendPosition::Bottom:
        EXPECT_EQ(first.x, 12);
        EXPECT_DOUBLE_EQ(first.y, plot.bottom() + b.x_tick_band + b.x_label_band + 8);
        EXPECT_DOUBLE_EQ(first.y + 1.35 * 8.5, 216 - 12);
        break;
      case LegendPosition::Best:
        EXPECT_DOUBLE_EQ(first.x, plot.left + 12);
        EXPECT_DOUBLE_EQ(first.y, plot.top + 12);
        EXPECT_GT(last.y, first.y);
        break;
    }
  }
}

TEST(PlacePanel, DirectLabelsBesideTheLineEnds) {
  testing::Panel panel;
  Legend content{.keyed = {}, .direct = {{"North", {}, {1.0, 0.5, false}}}, .chips = false};
  panel.legend = MeasuredLegend::measure(panel.figure, content, testing::fonts());
  resolve::Resolved axes = testing::plain_axes();
  Placed p = place(panel, axes, {0, 0, 288, 216});
  const Rect& plot = p.layout.plot;
  EXPECT_DOUBLE_EQ(plot.right(), 276 - p.bands.direct_reserve);
  ASSERT_EQ(p.layout.direct_labels.size(), 1u);
  const DirectLabel& direct = p.layout.direct_labels[0];
  EXPECT_DOUBLE_EQ(direct.anchor_x, plot.right());
  ASSERT_TRUE(direct.dot && direct.label);
  EXPECT_DOUBLE_EQ(direct.dot->y, plot.bottom() - 0.5 * plot.height);
  EXPECT_DOUBLE_EQ(direct.label->x, plot.right() + 6 + 0.5 * panel.legend.marker_size);
}

}  // namespace
}  // namespace lodra::layout
