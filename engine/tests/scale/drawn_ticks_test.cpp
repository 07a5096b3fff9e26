#include "scale/drawn_ticks.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "layout/panel_fixture.h"
#include "resolve/continuous_axis.h"

namespace lodra {
namespace {

using layout::RoomMode;
using layout::TickRoom;

TickRoom room(Side side, RoomMode mode, double length) {
  testing::Panel panel;
  layout::TickRooms rooms = layout::tick_rooms(panel.figure, testing::fonts(), mode, length,
                                               length);
  return side == Side::X ? rooms.x : rooms.y;
}

TEST(DrawnTicks, DeferredAndLeastShareFollowTheRoom) {
  TickFormat format;
  for (RoomMode mode : {RoomMode::Unjudged, RoomMode::Deferred, RoomMode::Judged}) {
    TickRoom x = room(Side::X, mode, 200);
    TickRoom y = room(Side::Y, mode, 100);
    DrawnTicks x_judge(format, x);
    DrawnTicks y_judge(format, y);
    EXPECT_EQ(x_judge.deferred(), mode == RoomMode::Deferred);
    double x_share = (0.5 * x.style.size + x.zero_width) / 200;
    double y_share = (0.5 * y.style.size + *y.fixed_width) / 100;
    EXPECT_DOUBLE_EQ(x_judge.least_share(), mode == RoomMode::Unjudged ? 0 : x_share);
    EXPECT_DOUBLE_EQ(y_judge.least_share(), mode == RoomMode::Unjudged ? 0 : y_share);
  }
}

TEST(DrawnTicks, JudgesLabelsInTheAxisFormatAtTheirDrawnPositions) {
  TickRoom x = room(Side::X, RoomMode::Judged, 120);
  TickFormat percent = *TickFormat::percent(0);
  DrawnTicks judge(percent, x);
  AutoTicks ticks = AutoTicks::stepped(0.5, {{"0", 0}, {"0.5", 0.5}, {"1", 1}});
  // On [-0.5, 1.5] the ticks sit at a quarter, a half and three quarters of the axis.
  ContinuousScale scale{ContinuousKind::Linear, 10, -0.5, 1.5};
  std::vector<AxisTick> drawn = {{"0%", 0.25}, {"50%", 0.5}, {"100%", 0.75}};
  EXPECT_DOUBLE_EQ(judge.slack(scale, ticks), x.slack(drawn));
  EXPECT_LT(judge.slack(scale, ticks), DrawnTicks(TickFormat{}, x).slack(scale, ticks));
}

TEST(DrawnTicks, ThinsTicksUntilTheLabelsFit) {
  struct Case {
    const char* why;
    Side side;
    ContinuousKind kind;
    DataRange range;
    double length;
  } cases[] = {
      {"wide x labels on a short axis", Side::X, ContinuousKind::Linear, {0, 2.5e5}, 160},
      {"y labels on a short axis", Side::Y, ContinuousKind::Linear, {0, 100}, 60},
      {"powers on a short log axis", Side::Y, ContinuousKind::Log, {1, 1e12}, 50},
  };
  for (const Case& c : cases) {
    ContinuousAxisInputs inputs;
    inputs.kind = c.kind;
    TickRoom unjudged = room(c.side, RoomMode::Unjudged, c.length);
    TickRoom judged = room(c.side, RoomMode::Judged, c.length);
    inputs.target = 8;
    FittedAxis loose = resolve::continuous(inputs, c.range, Rounding::Nice, Padding::PadBoth,
                                           DrawnTicks(inputs.format, unjudged));
    FittedAxis fitted = resolve::continuous(inputs, c.range, Rounding::Nice, Padding::PadBoth,
                                            DrawnTicks(inputs.format, judged));
    EXPECT_LT(fitted.ticks.size(), loose.ticks.size()) << c.why;
    EXPECT_LT(judged.slack(loose.ticks), 0) << c.why;
    EXPECT_GE(judged.slack(fitted.ticks), 0) << c.why;
  }
}

}  // namespace
}  // namespace lodra
