#include "draw/bubbles.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "draw/marker_shape.h"
#include "panel_fixture.h"

namespace lodra::draw {
namespace {

using testing::linear;
using testing::panel;

const double nan = std::numeric_limits<double>::quiet_NaN();

// Areas follow sizes: against a reference of 100, size 25 has radius 9 of the largest 18.
// Sizes of 0, below 0 or NaN, and bubbles beyond their own reach of the plot, draw nothing.
TEST(Bubbles, EachBubbleIsAFillThenAHaloAtItsOwnSize) {
  const auto p = panel(linear(0, 100), linear(0, 100));
  const resolve::Bubbles mark{share_floats({10, 20, 30, 40, 50, -3.3, -3.5, nan}),
                              share_floats({90, 80, 70, 60, 50, 50, 50, 50}),
                              share_floats({100, 25, 0, -1, nan, 1, 1, 100}),
                              Rgba{10, 20, 30, 200},
                              Marker::Square,
                              18,
                              6,
                              100};
  const Theme theme = Theme::pigment();
  std::vector<scene::Item> items;
  bubble_items(p.clip, p.axes, theme, mark, items);

  // Size 1 has diameter 3.6; its square reaches 1.5948 + 1.8 points from its centre.
  struct Expected {
    double diameter;
    double x, y;
  } expected[] = {{36, 10, 10}, {18, 20, 20}, {3.6, -3.3, 50}};
  ASSERT_EQ(items.size(), 2 * std::size(expected));
  const scene::StrokeStyle halo{
      {}, theme.background, 0.8f, scene::LineCap::Butt, scene::LineJoin::Round};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const Expected& e = expected[i];
    const scene::Path path = marker_shape(Marker::Square, e.diameter).translated(e.x, e.y);
    const auto& fill = std::get<scene::Fill>(items[2 * i].kind);
    EXPECT_EQ(fill.path, path) << i;
    EXPECT_EQ(fill.paint, scene::FillPaint(Rgba{10, 20, 30, 170}));
    EXPECT_FALSE(fill.even_odd);
    const auto& stroke = std::get<scene::Stroke>(items[2 * i + 1].kind);
    EXPECT_EQ(stroke.path, path) << i;
    EXPECT_EQ(stroke.stroke, halo);
  }
}

}  // namespace
}  // namespace lodra::draw
