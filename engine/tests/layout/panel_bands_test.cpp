#include "layout/panel_bands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "layout/panel_fixture.h"

namespace lodra::layout {
namespace {

using testing::fonts;
using testing::tick_width;

constexpr WidthEstimate kEstimate{12, 276, 66};

TEST(PanelBands, MeasuresTheBandsAroundThePlot) {
  testing::Panel panel;
  panel.axes().xlabel("Year");
  panel.axes().ylabel("Revenue");
  PanelBands bands = measure_panel(panel.input(), testing::plain_axes(), kEstimate, {});

  const Theme& theme = Theme::pigment();
  text::TextLayout tick = fonts().layout({}, tick_style(theme));
  text::TextLayout body = fonts().layout({}, body_style(theme));
  EXPECT_EQ(bands.widest_y_tick, tick_width("0.5"));
  EXPECT_EQ(bands.y_tick_band, 6 + tick_width("0.5"));
  EXPECT_DOUBLE_EQ(bands.overhang_above, std::max(tick.ascent - 0.35 * 8.5, 0.0));
  EXPECT_DOUBLE_EQ(bands.overhang_below, 0.35 * 8.5 + tick.descent);
  EXPECT_DOUBLE_EQ(bands.x_tick_band, double{tick.ascent} + tick.descent + 4);
  EXPECT_DOUBLE_EQ(bands.x_label_band, double{body.ascent} + body.descent + 4);
  EXPECT_DOUBLE_EQ(bands.y_label_band, 4 + body.ascent);
  EXPECT_EQ(bands.tick_ascent, tick.ascent);
  EXPECT_EQ(bands.tick_size, 8.5);
  std::vector<TickLabelExtent> extents = {
      {0, tick_width("0") / 2}, {0.5, tick_width("50") / 2}, {1, tick_width("100") / 2}};
  EXPECT_EQ(bands.x_extents, extents);
  EXPECT_EQ(bands.x_label->text, "Year");
  EXPECT_EQ(bands.y_label->text, "Revenue");
  EXPECT_EQ(bands.header.height(), 0);
  EXPECT_EQ(bands.direct_reserve + bands.right_reserve + bands.bottom_reserve, 0);
}

TEST(PanelBands, HiddenOrEmptySidesTakeNoBand) {
  struct Case {
    const char* why;
    LabelVisibility visibility;
    resolve::Resolved axes;
  } cases[] = {
      {"hidden y labels", {true, false}, testing::plain_axes()},
      {"hidden x labels", {false, true}, testing::plain_axes()},
      {"axes without ticks", {true, true}, {testing::axis({}), testing::axis({})}},
  };
  for (const Case& c : cases) {
    testing::Panel panel;
    PanelBands bands = measure_panel(panel.input(), c.axes, kEstimate, c.visibility);
    bool y = c.visibility.y && !c.axes.y.ticks.empty();
    bool x = c.visibility.x && !c.axes.x.ticks.empty();
    EXPECT_EQ(bands.y_tick_labels.empty(), !y) << c.why;
    EXPECT_EQ(bands.y_tick_band > 0, y) << c.why;
    EXPECT_EQ(bands.overhang_above > 0, y) << c.why;
    EXPECT_EQ(bands.overhang_below > 0, y) << c.why;
    EXPECT_EQ(bands.x_tick_band > 0, x) << c.why;
    EXPECT_EQ(bands.x_extents.empty(), !x) << c.why;
    EXPECT_EQ(bands.y_label_band + bands.x_label_band, 0) << c.why;
  }
}

TEST(PanelBands, DirectLabelReserveIsCappedAtAQuarterOfTheWidth) {
  testing::Panel panel;
  panel.legend.marker_size = 6;
  panel.legend.direct.push_back(
      {testing::label("Northern territories", tick_style(Theme::pigment())), {}, {}});
  double uncapped = 0.5 * 6 + 6 + panel.legend.direct[0].label.width();
  for (double quarter : {uncapped + 10, uncapped - 10}) {
    PanelBands bands = measure_panel(panel.input(), testing::plain_axes(), {12, 276, quarter}, {});
    EXPECT_DOUBLE_EQ(bands.uncapped_direct_reserve, uncapped);
    EXPECT_DOUBLE_EQ(bands.direct_reserve, std::min(uncapped, quarter));
  }
}

}  // namespace
}  // namespace lodra::layout
