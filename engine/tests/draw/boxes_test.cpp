#include "draw/boxes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "draw/marker_shape.h"
#include "panel_fixture.h"
#include "scene/path_text.h"

namespace lodra::draw {
namespace {

using scene::testing::path_of;
using testing::categories;
using testing::linear;
using testing::panel;

const Rgba kColor{200, 100, 50, 255};

resolve::BoxPlot box_plot(std::vector<std::string> names,
                          std::vector<std::vector<std::optional<stats::BoxStats>>> per_series) {
  resolve::BoxPlot mark{share_names(std::move(names)), {}, 2};
  for (auto& stats : per_series) mark.distributions.push_back({"", kColor, std::move(stats)});
  return mark;
}

// What one item should be: a fill of the path at 0.32 of the colour's alpha, a stroke of the
// path at a width, or markers at points.
struct Expected {
  enum Kind { Fill, Stroke, Markers } kind;
  std::string path;
  float width = 0;
  std::vector<scene::Point> points = {};
};

void expect_items(const std::vector<scene::Item>& items, const std::vector<Expected>& expected) {
  ASSERT_EQ(items.size(), expected.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Expected& e = expected[i];
    switch (e.kind) {
      case Expected::Fill: {
        const auto& fill = std::get<scene::Fill>(items[i].kind);
        EXPECT_EQ(fill.path, path_of(e.path)) << i;
        EXPECT_EQ(fill.paint, scene::FillPaint(Rgba{200, 100, 50, 82}));
        break;
      }
      case Expected::Stroke: {
        const auto& stroke = std::get<scene::Stroke>(items[i].kind);
        EXPECT_EQ(stroke.path, path_of(e.path)) << i;
        EXPECT_EQ(stroke.stroke, (scene::StrokeStyle{{}, kColor, e.width, scene::LineCap::Butt,
                                                     scene::LineJoin::Miter}))
            << i;
        break;
      }
      case Expected::Markers: {
        const auto& markers = std::get<scene::Markers>(items[i].kind);
        EXPECT_EQ(markers.points, e.points) << i;
        EXPECT_EQ(markers.shape, marker_shape(Marker::Circle, 0.8 * 6.0));
        break;
      }
    }
  }
}

// One category, so the box stands in [0.25, 0.75] of the axis: x from 25 to 75 points, caps
// from 37.5 to 62.5. Whiskers 1 and 8, quartiles 2 and 6, median 4, outliers 9.5 and 20.
TEST(Boxes, BoxWhiskersMedianAndOutliersCutToTheWindow) {
  const stats::BoxStats stats{{9.5, 20}, 2, 4, 6, 1, 8};
  struct Case {
    const char* name;
    ContinuousScale y;
    std::vector<Expected> expected;
  } cases[] = {
      {"all inside (10 points per unit)",
       linear(0, 10),
       {{Expected::Fill, "M25 80 L75 80 L75 40 L25 40 Z"},
        {Expected::Stroke,
         "M50 90 L50 80 M37.5 90 L62.5 90 M50 40 L50 20 M37.5 20 L62.5 20 "
         "M25 80 L75 80 L75 40 L25 40 Z",
         1},
        {Expected::Stroke, "M25 60 L75 60", 2},
        // 20 lies beyond the 4.2-point reach of a 4.8-point marker.
        {Expected::Markers, "", 0, {{50, 5}}}}},
      {"cut at 5 (20 points per unit)",
       linear(0, 5),
       {{Expected::Fill, "M25 60 L75 60 L75 0 L25 0 Z"},
        {Expected::Stroke, "M50 80 L50 60 M37.5 80 L62.5 80 M25 60 L75 60 L75 0 L25 0 Z", 1},
        {Expected::Stroke, "M25 20 L75 20", 2}}},
      {"box below the window: only the outlier at 20 shows",
       linear(10, 20),
       {{Expected::Markers, "", 0, {{50, 0}}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto p = panel(categories({"a"}), c.y);
    std::vector<scene::Item> items;
    box_items(p.clip, p.axes, Theme::pigment(), box_plot({"a"}, {{stats}}), items);
    expect_items(items, c.expected);
  }
}

// Categories stand where the axis puts them; a category the axis lacks, or without
// statistics, draws nothing. Two series share half of each category's quarter of the axis,
// 0.02 apart: slots of 0.115.
TEST(Boxes, GroupedBoxesFollowTheMarksCategoriesAndSeries) {
  const stats::BoxStats flat{{}, 4, 4, 4, 4, 4};
  const auto p = panel(categories({"a", "b"}), linear(0, 10));
  const auto mark = box_plot({"b", "zz", "a"}, {{flat, flat, std::nullopt}, {flat, flat, flat}});
  std::vector<scene::Item> items;
  box_items(p.clip, p.axes, Theme::pigment(), mark, items);
  std::vector<scene::Path> medians;
  for (const scene::Item& item : items) {
    const auto& stroke = std::get<scene::Stroke>(item.kind);  // a flat box has no fill
    if (stroke.stroke.width == 2) medians.push_back(stroke.path);
  }
  const std::vector<scene::Path> expected = {
      path_of("M62.5 60 L74 60"), path_of("M76 60 L87.5 60"), path_of("M26 60 L37.5 60")};
  EXPECT_EQ(medians, expected);
}

}  // namespace
}  // namespace lodra::draw
