#include "layout/tick_room.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "layout/panel_fixture.h"

namespace lodra::layout {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TickRoom, MaxTicksFromTheAxisLength) {
  struct Case {
    double length, spacing;
    int expected;
  } cases[] = {
      {0, 100, 3},      {250, 100, 4},  {449, 100, 5},   {450, 100, 6},  // 4.5 rounds up
      {1000, 100, 8},   {-80, 100, 3},  {kNaN, 100, 3},  {kInfinity, 100, 8},
      {135, 45, 4},     {112.5, 45, 4},  // 2.5 rounds up, + 1
  };
  for (const Case& c : cases) {
    EXPECT_EQ(max_ticks(c.length, c.spacing), c.expected) << c.length << " / " << c.spacing;
  }
}

TEST(TickRoom, RoomsOfAPlot) {
  testing::Panel panel;
  TickRooms rooms = tick_rooms(panel.figure, testing::fonts(), RoomMode::Deferred, 450, 135);
  scene::TextStyle style = tick_style(Theme::pigment());
  text::TextLayout line = testing::fonts().layout({}, style);
  EXPECT_EQ(rooms.x.fixed_width, std::nullopt);
  EXPECT_EQ(rooms.y.fixed_width, double{line.ascent} + line.descent);
  EXPECT_EQ(rooms.x.zero_width, testing::tick_width("0"));
  EXPECT_EQ(rooms.x.style, style);
  EXPECT_TRUE(style.tabular);
  EXPECT_EQ(rooms.x.max_ticks, 6);
  EXPECT_EQ(rooms.y.max_ticks, 4);
  EXPECT_EQ(rooms.x.length, 450);
  EXPECT_EQ(rooms.y.length, 135);
  EXPECT_EQ(rooms.x.max_count, std::nullopt);
  EXPECT_EQ(rooms.y.mode, RoomMode::Deferred);
}

// A room of 100 pt where every label counts 10 pt and neighbours keep 4 pt apart.
TickRoom fixed_room(RoomMode mode, std::optional<std::size_t> max_count = std::nullopt) {
  TickRoom room;
  room.fixed_width = 10;
  room.style = tick_style(Theme::pigment());
  room.style.size = 8;
  room.length = 100;
  room.mode = mode;
  room.max_count = max_count;
  return room;
}

TEST(TickRoom, SlackOfTheClosestNeighbours) {
  struct Case {
    const char* why;
    TickRoom room;
    std::vector<AxisTick> ticks;
    double slack;
  } cases[] = {
      {"nearest neighbours count", fixed_room(RoomMode::Judged),
       {{"a", 0}, {"b", 0.2}, {"c", 1}}, 20 - 10 - 4},
      {"overlap is negative", fixed_room(RoomMode::Judged), {{"a", 0}, {"b", 0.1}}, -4},
      {"deferred rooms measure too", fixed_room(RoomMode::Deferred),
       {{"a", 0}, {"b", 0.5}, {"c", 1}}, 36},
      {"order along the axis does not matter", fixed_room(RoomMode::Judged),
       {{"a", 1}, {"b", 0.5}}, 36},
      {"gaps that are not a number are ignored", fixed_room(RoomMode::Judged),
       {{"a", 0}, {"b", 0.3}, {"c", kNaN}, {"d", 1}}, 16},
      {"only gaps that are not a number", fixed_room(RoomMode::Judged),
       {{"a", 0}, {"b", kNaN}}, kInfinity},
      {"unjudged rooms fit everything", fixed_room(RoomMode::Unjudged),
       {{"a", 0}, {"b", 0}}, kInfinity},
      {"a single tick", fixed_room(RoomMode::Judged), {{"a", 0.5}}, kInfinity},
      {"no tick", fixed_room(RoomMode::Judged), {}, kInfinity},
      {"at the maximal count", fixed_room(RoomMode::Judged, 3),
       {{"a", 0}, {"b", 0.5}, {"c", 1}}, 36},
      {"beyond the maximal count", fixed_room(RoomMode::Judged, 2),
       {{"a", 0}, {"b", 0.5}, {"c", 1}}, -kInfinity},
      {"a single tick beyond a maximal count of 0", fixed_room(RoomMode::Judged, 0),
       {{"a", 0.5}}, -kInfinity},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(c.room.slack(c.ticks), c.slack) << c.why;
  }
}

TEST(TickRoom, MeasuredWidthsAreCachedByText) {
  testing::Panel panel;
  TickRoom room = tick_rooms(panel.figure, testing::fonts(), RoomMode::Judged, 200, 100).x;
  double narrow = testing::tick_width("1");
  double wide = testing::tick_width("-1,000,000");
  std::vector<AxisTick> ticks = {{"1", 0}, {"-1,000,000", 0.25}, {"1", 1}};
  EXPECT_DOUBLE_EQ(room.slack(ticks), 50 - (narrow + wide) / 2 - 0.5 * room.style.size);
  EXPECT_EQ(room.widths.size(), 2u);
  EXPECT_EQ(room.width("1"), narrow);
  EXPECT_EQ(room.widths.size(), 2u);
}

}  // namespace
}  // namespace lodra::layout
