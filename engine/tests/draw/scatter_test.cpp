#include "draw/scatter.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "draw/marker_shape.h"
#include "panel_fixture.h"

namespace lodra::draw {
namespace {

using testing::categories;
using testing::linear;
using testing::log_scale;
using testing::panel;

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
const Rgba kColor{10, 20, 30, 200};

const scene::Markers& markers_of(const scene::Item& item) {
  return std::get<scene::Markers>(item.kind);
}

// One unit is one point; a 6-point circle reaches 3 + 1.8 points from its centre.
TEST(Scatter, KeepsFinitePointsWithinTheMarkersReachOfThePlot) {
  const auto p = panel(linear(0, 100), linear(0, 100));
  const std::vector<double> xs = {50, -3, -4.8, -4.9, 104.8, 50, nan, 50, inf, 20};
  const std::vector<double> ys = {50, 50, 50, 50, 104.8, 105, 50, nan, 50};  // one shorter
  const auto item = scatter_item(p.clip, xs, ys, Marker::Circle, 6, kColor, Theme::pigment());
  ASSERT_TRUE(item);
  const std::vector<scene::Point> expected = {{50, 50}, {-3, 50}, {-4.8f, 50}, {104.8f, -4.8f}};
  EXPECT_EQ(markers_of(*item).points, expected);
  EXPECT_EQ(markers_of(*item).shape, marker_shape(Marker::Circle, 6));
}

TEST(Scatter, NoItemWithoutAVisiblePoint) {
  const auto p = panel(linear(0, 100), linear(0, 100));
  const std::vector<double> xs = {-5, nan, 50};
  const std::vector<double> ys = {50, 50, 200};
  EXPECT_FALSE(scatter_item(p.clip, xs, ys, Marker::Square, 6, kColor, Theme::pigment()));
  EXPECT_FALSE(scatter_item(p.clip, {}, {}, Marker::Square, 6, kColor, Theme::pigment()));
}

// A halo in the background colour; the fill's alpha is scaled by the clamped marker opacity.
TEST(Scatter, FillsAtTheMarkerOpacityWithinAHalo) {
  const auto p = panel(linear(0, 100), linear(0, 100));
  const std::vector<double> at = {50};
  struct Case {
    float marker_alpha;
    std::uint8_t alpha;
  } cases[] = {{0.85f, 170}, {1.5f, 200}, {-1, 0}, {nan, 200}, {0.5f, 100}, {0.0025f, 1}};
  for (const Case& c : cases) {
    Theme theme = Theme::pigment();
    theme.marker_alpha = c.marker_alpha;
    const auto item = scatter_item(p.clip, at, at, Marker::Diamond, 6, kColor, theme);
    ASSERT_TRUE(item);
    EXPECT_EQ(markers_of(*item).fill, (Rgba{10, 20, 30, c.alpha})) << c.marker_alpha;
    EXPECT_EQ(markers_of(*item).stroke,
              (scene::StrokeStyle{{}, theme.background, 0.8f, scene::LineCap::Butt,
                                  scene::LineJoin::Round}));
  }
}

// Names find their category's centre; values at or below zero have no place on a log axis.
TEST(Scatter, MarkMapsCategoriesAndLogValues) {
  const auto p = panel(categories({"a", "b"}), log_scale(1, 100));
  resolve::Scatter mark{{AxisData{share_names({"a", "b", "zz", "b"})},
                         share_floats({10, 0, 10, 100})},
                        kColor,
                        Marker::Cross,
                        5};
  std::vector<scene::Item> items;
  scatter_items(p.clip, p.axes, Theme::pigment(), mark, items);
  ASSERT_EQ(items.size(), 1u);
  const std::vector<scene::Point> expected = {{25, 50}, {75, 0}};
  EXPECT_EQ(markers_of(items[0]).points, expected);
  EXPECT_EQ(markers_of(items[0]).shape, marker_shape(Marker::Cross, 5));
}

}  // namespace
}  // namespace lodra::draw
