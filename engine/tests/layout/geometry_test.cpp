#include "layout/geometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "scene/path_text.h"

namespace lodra::layout {
namespace {

using scene::testing::path_of;

const Rect kPlot{0, 0, 100, 100};
constexpr Rgba kInk{10, 20, 30, 255};
constexpr Rgba kClear{10, 20, 30, 0};

scene::StrokeStyle pen(Rgba color, float width) {
  scene::StrokeStyle style;
  style.color = color;
  style.width = width;
  return style;
}
scene::Item stroke(const std::string& path, Rgba color = kInk, float width = 1) {
  return {scene::Stroke{path_of(path), pen(color, width)}};
}
scene::Item fill(const std::string& path, scene::FillPaint paint = kInk, bool even_odd = false) {
  return {scene::Fill{path_of(path), std::move(paint), even_odd}};
}
scene::Item markers(std::vector<scene::Point> points, std::optional<Rgba> fill_color,
                    std::optional<scene::StrokeStyle> outline = std::nullopt) {
  return {scene::Markers{path_of("M-1 -1 L1 -1 L1 1 Z"), std::move(points), std::move(outline),
                         fill_color}};
}
scene::Item text() {
  return {scene::Text{.text = "A", .outline = path_of("M0 0 L50 0 L50 50 Z"), .style = {},
                      .origin = {0, 0}, .color = kInk, .width = 50}};
}
scene::LinearGradient gradient(Rgba top, Rgba bottom) {
  return {{{0, top}, {1, bottom}}, {0, 0}, {0, 100}};
}

Geometry geometry_of(std::vector<scene::Item> items) {
  Geometry geometry(kPlot);
  for (const scene::Item& item : items) geometry.append(item);
  return geometry;
}

// What each kind of drawn item adds: lines and rules stroke, areas, bars and bands fill,
// points and their kin stamp markers.
TEST(Geometry, WhatEachItemAdds) {
  struct Case {
    const char* why;
    std::vector<scene::Item> items;
    std::size_t points, segments, regions;
  } cases[] = {
      {"a stroke adds its consecutive pairs", {stroke("M0 0 L10 0 L10 10 M20 20 L30 30")}, 0, 3,
       0},
      {"a closed stroke adds its closing pair", {stroke("M0 0 L10 0 L10 10 Z")}, 0, 3, 0},
      {"an invisible stroke adds nothing",
       {stroke("M0 0 L10 0", kClear), stroke("M0 0 L10 0", kInk, 0)}, 0, 0, 0},
      {"a solid fill adds a region", {fill("M0 0 L10 0 L10 10 Z")}, 0, 0, 1},
      {"a gradient with one visible stop adds a region",
       {fill("M0 0 L10 0 L10 10 Z", gradient(kClear, kInk))}, 0, 0, 1},
      {"an invisible fill adds nothing",
       {fill("M0 0 L10 0 L10 10 Z", kClear), fill("M0 0 L10 0 L10 10 Z", gradient(kClear, kClear))},
       0, 0, 0},
      {"a fill without area adds nothing", {fill("M0 0 L10 0 L20 0 Z")}, 0, 0, 0},
      {"filled markers add one point each", {markers({{1, 1}, {2, 2}, {3, 3}}, kInk)}, 3, 0, 0},
      {"outlined markers too",
       {markers({{1, 1}}, std::nullopt, pen(kInk, 1))}, 1, 0, 0},
      {"invisible markers add nothing",
       {markers({{1, 1}}, kClear, pen(kInk, 0)),
        markers({{1, 1}}, std::nullopt)},
       0, 0, 0},
      {"text adds nothing", {text()}, 0, 0, 0},
      {"a group adds its children",
       {{scene::ItemGroup({stroke("M0 0 L1 1"),
                           {scene::ItemGroup({markers({{1, 1}}, kInk), text()})}},
                          scene::Rect{0, 0, 10, 10})}},
       1, 1, 0},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.why);
    const Geometry geometry = geometry_of(c.items);
    EXPECT_EQ(geometry.points.size(), c.points);
    EXPECT_EQ(geometry.segments.size(), c.segments);
    EXPECT_EQ(geometry.regions.size(), c.regions);
    EXPECT_EQ(Geometry::of(kPlot, c.items) != nullptr, c.points + c.segments + c.regions > 0);
  }
}

TEST(Geometry, PointsAndSegmentsCountOnceEachWithEdgesIncluded) {
  const Geometry geometry = geometry_of({
      markers({{10, 10}, {20, 20}, {20, 21}, {5, 15}}, kInk),
      stroke("M0 15 L30 15"),   // crosses the box
      stroke("M0 0 L10 10"),    // touches its corner
      stroke("M15 15 L15 15"),  // a single point inside
      stroke("M25 0 L25 30"),   // passes beside it
  });
  // Box [10, 20] × [10, 20]: two markers on its corners, three segments meet it.
  EXPECT_EQ(geometry.coverage({10, 10, 10, 10}), 2.0 + 3.0);
}

TEST(Geometry, FilledAreaFollowsTheFillRule) {
  // A 40 pt square with a 20 pt square inside, drawn the same way round or the other way.
  const std::string outer = "M10 10 L50 10 L50 50 L10 50 Z ";
  const std::string same = "M20 20 L40 20 L40 40 L20 40 Z";
  const std::string reversed = "M20 20 L20 40 L40 40 L40 20 Z";
  struct Case {
    const char* why;
    std::string path;
    bool even_odd;
    double area;
  } cases[] = {
      {"non-zero, same direction: no hole", outer + same, false, 1600},
      {"non-zero, opposite direction: a hole", outer + reversed, false, 1200},
      {"even-odd: a hole either way", outer + same, true, 1200},
      {"even-odd, reversed", outer + reversed, true, 1200},
      {"a triangle", "M0 0 L60 0 L0 60 Z", false, 1800},
      {"a curved outline, flattened", "M0 50 Q50 -50 100 50 Z", false, 3320.3125},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const Geometry geometry = geometry_of({fill(c.path, kInk, c.even_odd)});
    EXPECT_NEAR(geometry.coverage(kPlot), c.area, 1e-6);
  }
}

TEST(Geometry, FilledAreaIsCutToTheBoxAndThePlot) {
  const Geometry geometry = geometry_of({fill("M0 0 L60 0 L0 60 Z")});
  struct Case {
    const char* why;
    Rect box;
    double area;
  } cases[] = {
      {"a box wholly inside the fill", {0, 0, 20, 20}, 400},
      {"a box across the slanted edge", {20, 20, 40, 40}, 200},
      {"a box beyond the fill", {70, 70, 10, 10}, 0},
      {"a box partly above the plot", {0, -50, 10, 60}, 100},
      {"a box beside the plot", {-30, 0, 20, 20}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_NEAR(geometry.coverage(c.box), c.area, 1e-6);
  }
}

TEST(Geometry, ABoxOutsideThePlotCoversNothingAndANonFiniteBoxEverything) {
  const Geometry geometry = geometry_of({markers({{150, 150}}, kInk)});
  EXPECT_EQ(geometry.coverage({140, 140, 20, 20}), 0.0);
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(geometry.coverage({kNan, 0, 10, 10}), std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace lodra::layout
