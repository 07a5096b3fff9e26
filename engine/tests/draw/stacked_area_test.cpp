#include "draw/stacked_area.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw/line_panel.h"

namespace lodra::draw::stacked_area {
namespace {

using namespace panel_testing;

const Rgba kRed{255, 0, 0, 255};

resolve::StackedArea stacked(std::vector<double> x, std::vector<std::vector<double>> layers) {
  std::vector<std::span<const double>> views(layers.begin(), layers.end());
  resolve::StackedArea mark{share_floats(x), {}, resolve::AreaStacks::make(x, views), 3};
  const Rgba colors[] = {kBlue, kRed};
  for (std::size_t i = 0; i < layers.size(); ++i) {
    mark.series.push_back({"", share_floats(layers[i]), colors[i]});
  }
  return mark;
}

// Each layer is filled from the one below (the first from the baseline) and its top stroked;
// a value missing from any layer leaves a gap in every layer.
TEST(StackedAreaItems, FillsEachLayerOnTheOneBelow) {
  const TestPanel fixture;
  std::vector<scene::Item> items;
  stacked_area_items(fixture.context(3),
                     stacked({0, 2, 4, 6, 8}, {{1, 1, 1, 1, 1}, {2, 2, nan, 1, 1}}), items);
  ASSERT_EQ(items.size(), 6u);
  const scene::Path fills[] = {
      path_of({{{0, 100}, {20, 100}, {20, 90}, {0, 90}}}, true),
      path_of({{{60, 100}, {80, 100}, {80, 90}, {60, 90}}}, true),
      path_of({{{0, 90}, {20, 90}, {20, 70}, {0, 70}}}, true),
      path_of({{{60, 90}, {80, 90}, {80, 80}, {60, 80}}}, true),
  };
  const std::size_t fill_items[] = {0, 1, 3, 4};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(as_fill(items[fill_items[i]]).path, fills[i]) << i;
  }
  EXPECT_EQ(as_fill(items[0]).paint, scene::FillPaint(Rgba{0, 0, 255, 82}));
  EXPECT_EQ(as_fill(items[3]).paint, scene::FillPaint(Rgba{255, 0, 0, 82}));
  EXPECT_EQ(as_stroke(items[2]).path, path_of({{{0, 90}, {20, 90}}, {{60, 90}, {80, 90}}}));
  EXPECT_EQ(as_stroke(items[2]).stroke,
            (scene::StrokeStyle{{}, kBlue, 3, scene::LineCap::Round, scene::LineJoin::Round}));
  EXPECT_EQ(as_stroke(items[5]).path, path_of({{{0, 70}, {20, 70}}, {{60, 80}, {80, 80}}}));
  EXPECT_EQ(as_stroke(items[5]).stroke.color, kRed);
}

}  // namespace
}  // namespace lodra::draw::stacked_area
