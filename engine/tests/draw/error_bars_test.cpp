#include "draw/error_bars.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "panel_fixture.h"
#include "scene/path_text.h"

namespace lodra::draw {
namespace {

using scene::testing::path_of;
using testing::categories;
using testing::linear;
using testing::panel;
using testing::path_text;

const double nan = std::numeric_limits<double>::quiet_NaN();
const Rgba kColor{200, 100, 50, 255};

TEST(PushBar, CapsCrossTheEndsAskedFor) {
  struct Case {
    bool vertical;
    BarCaps caps;
    std::string expected;
  } cases[] = {
      {true, {true, true}, "M10 20 L10 5 M6 20 L14 20 M6 5 L14 5"},
      {false, {true, false}, "M10 20 L30 20 M10 16 L10 24"},
      {false, {false, true}, "M10 20 L30 20 M30 16 L30 24"},
      {true, {false, false}, "M10 20 L10 5"},
  };
  for (const Case& c : cases) {
    scene::Path path;
    const PlotPoint to = c.vertical ? PlotPoint{10, 5} : PlotPoint{30, 20};
    push_bar(path, {10, 20}, to, c.vertical, c.caps, 8);
    EXPECT_EQ(path, path_of(c.expected)) << path_text(path);
  }
}

resolve::ErrorBars bars(ErrorBarDirection orientation, AxisData positions, SharedFloats low,
                        SharedFloats high, bool caps) {
  return {orientation, std::move(positions), std::move(low), std::move(high), kColor, 2, caps};
}

// Ten points per unit on both axes. With caps (8 points) bars stand within 0.4 of the plot's
// sides, without them within 0.1 (half the 2-point stroke). Bars are cut to the window and
// capped only at ends inside it.
TEST(ErrorBars, OneStrokeOfBarsCutToTheWindow) {
  const auto p = panel(linear(0, 10), linear(0, 10));
  const AxisData x{share_floats({2, 5, nan, 5, 10.3, 10.5, 8})};
  const SharedFloats low = share_floats({1, 8, 1, nan, 2, 2, 11});
  const SharedFloats high = share_floats({3, 12, 2, 3, 4, 4, 12});
  const auto y_bars = [&](bool caps) {
    return bars(ErrorBarDirection::AlongY, x, low, high, caps);
  };
  const auto x_bars = bars(ErrorBarDirection::AlongX, AxisData{share_floats({5, 10.5})},
                           share_floats({-2, 1}), share_floats({4, 2}), true);
  const auto named = bars(ErrorBarDirection::AlongY, AxisData{share_names({"b", "zz"})},
                          share_floats({1, 1}), share_floats({3, 3}), false);
  const auto on_categories = panel(categories({"a", "b", "c"}), linear(0, 10));
  struct Case {
    const char* name;
    const testing::TestPanel& panel;
    resolve::ErrorBars mark;
    std::string expected;
  } cases[] = {
      {"vertical with caps", p, y_bars(true),
       "M20 90 L20 70 M16 90 L24 90 M16 70 L24 70 M50 20 L50 0 M46 20 L54 20 "
       "M103 80 L103 60 M99 80 L107 80 M99 60 L107 60"},
      {"vertical without caps", p, y_bars(false), "M20 90 L20 70 M50 20 L50 0"},
      {"horizontal, cut at the left", p, x_bars, "M0 50 L40 50 M40 46 L40 54"},
      {"at a category's centre", on_categories, named, "M50 90 L50 70"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<scene::Item> items;
    error_bar_items(c.panel.clip, c.panel.axes, Theme::pigment(), c.mark, items);
    ASSERT_EQ(items.size(), 1u);
    const auto& stroke = std::get<scene::Stroke>(items[0].kind);
    EXPECT_EQ(stroke.path, path_of(c.expected)) << path_text(stroke.path);
    EXPECT_EQ(stroke.stroke,
              (scene::StrokeStyle{{}, kColor, 2, scene::LineCap::Butt, scene::LineJoin::Miter}));
  }
}

TEST(ErrorBars, NoItemWhenEveryBarIsOutside) {
  const auto p = panel(linear(0, 10), linear(0, 10));
  const auto mark = bars(ErrorBarDirection::AlongY, AxisData{share_floats({5, 20})},
                         share_floats({11, 1}), share_floats({12, 2}), true);
  std::vector<scene::Item> items;
  error_bar_items(p.clip, p.axes, Theme::pigment(), mark, items);
  EXPECT_TRUE(items.empty());
}

}  // namespace
}  // namespace lodra::draw
