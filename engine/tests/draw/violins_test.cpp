#include "draw/violins.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel_fixture.h"
#include "scene/path_text.h"

namespace lodra::draw {
namespace {

using scene::testing::path_of;
using testing::categories;
using testing::linear;
using testing::panel;

using Polygon = std::vector<AxisPoint>;

TEST(ClipY, CutsThePolygonAtTheBoundWalkingEdgesFromTheSecondPoint) {
  const Polygon square = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
  struct Case {
    const char* name;
    Polygon polygon;
    double bound;
    YBound side;
    Polygon expected;
  } cases[] = {
      {"all inside comes back starting at the second point", square, 0, YBound::Lower,
       {{2, 0}, {2, 2}, {0, 2}, {0, 0}}},
      {"upper half", square, 1, YBound::Lower, {{2, 1}, {2, 2}, {0, 2}, {0, 1}}},
      {"lower half", square, 1, YBound::Upper, {{2, 0}, {2, 1}, {0, 1}, {0, 0}}},
      {"a slanted edge crosses where the line meets the bound",
       {{0, 0}, {4, 0}, {0, 4}}, 1, YBound::Upper, {{4, 0}, {3, 1}, {0, 1}, {0, 0}}},
      {"all outside", square, 3, YBound::Lower, {}},
      {"an edge ending on the bound adds no crossing", {{0, 0}, {2, 0}, {1, 1}}, 1,
       YBound::Upper, {{2, 0}, {1, 1}, {0, 0}}},
      {"nothing to cut", {}, 0, YBound::Lower, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(clip_y(c.polygon, c.bound, c.side), c.expected) << c.name;
  }
}

resolve::Violin violin(std::vector<stats::DensityPoint> density, float outline_width) {
  resolve::ViolinStats stats{std::move(density), 0.5, 1, 1.5, 0, 2};
  return {share_names({"a"}), {{"", Rgba{200, 100, 50, 255}, {stats}}}, outline_width};
}

Theme half_share() {
  Theme theme = Theme::pigment();
  theme.violin_fraction = 0.5f;
  return theme;
}

// Half of one category: the violin stands in [0.25, 0.75] of the axis, half a slot being 0.25.
// The profile (0, 0.5), (1, 1), (2, 0.5) becomes the hexagon (0.625, 0), (0.75, 1), (0.625, 2),
// (0.375, 2), (0.25, 1), (0.375, 0); each of the two cuts starts the outline one point later.
TEST(Violins, OutlineFromTheDensityCutJustBeyondThePlot) {
  const std::vector<stats::DensityPoint> density = {{0, 0.5}, {1, 1}, {2, 0.5}};
  struct Case {
    const char* name;
    ContinuousScale y;
    double height;
    float outline_width;
    std::string expected;
  } cases[] = {
      {"inside: 25 points per unit", linear(0, 4), 100, 2,
       "M62.5 50 L37.5 50 L25 75 L37.5 100 L62.5 100 L75 75 Z"},
      // 40 points per unit; the 10-point outline widens the window to 1.5 at the top.
      {"cut at the widened top", linear(0, 1.25), 50, 10,
       "M68.75 -10 L31.25 -10 L25 10 L37.5 50 L62.5 50 L75 10 Z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto p = panel(categories({"a"}), c.y, 100, c.height);
    std::vector<scene::Item> items;
    violin_items(p.clip, p.axes, half_share(), violin(density, c.outline_width), items);
    ASSERT_EQ(items.size(), 2u);
    const auto& fill = std::get<scene::Fill>(items[0].kind);
    EXPECT_EQ(fill.path, path_of(c.expected)) << testing::path_text(fill.path);
    EXPECT_EQ(fill.paint, scene::FillPaint(Rgba{200, 100, 50, 82}));
    const auto& stroke = std::get<scene::Stroke>(items[1].kind);
    EXPECT_EQ(stroke.path, path_of(c.expected)) << testing::path_text(stroke.path);
    EXPECT_EQ(stroke.stroke, (scene::StrokeStyle{{}, Rgba{200, 100, 50, 255}, c.outline_width / 2,
                                                 scene::LineCap::Butt, scene::LineJoin::Round}));
  }
}

// Without a density (a single repeated value), or entirely outside the window, nothing shows.
TEST(Violins, NothingWithoutADensityOrAboveThePlot) {
  const auto p = panel(categories({"a"}), linear(10, 20));
  std::vector<scene::Item> items;
  violin_items(p.clip, p.axes, Theme::pigment(), violin({}, 2), items);
  violin_items(p.clip, p.axes, Theme::pigment(), violin({{0, 0.5}, {1, 1}, {2, 0.5}}, 2), items);
  EXPECT_TRUE(items.empty());
}

}  // namespace
}  // namespace lodra::draw
