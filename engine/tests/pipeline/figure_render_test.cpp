#include <gtest/gtest.h>

#include <cstdint>
#include <variant>
#include <string>
#include <vector>

#include "model/axes_mut.h"
#include "model/figure.h"
#include "model/model_data.h"
#include "scene/scene.h"
#include "text/font_library.h"

namespace lodra {
namespace {

using testing::floats;
using testing::names;
using testing::numbers_at;

// A figure of width × height inches with one axes and a line.
Figure line_figure(double width = 4, double height = 3) {
  Figure figure = *Figure::make(Theme::pigment(), width, height);
  EXPECT_TRUE(figure.add_axes_at({0, 0}, Scale::linear(), Scale::linear()));
  EXPECT_TRUE(figure.axes_at_mut(0, 0)->line_shared(numbers_at({0, 1, 2, 3}),
                                                     floats({1, 4, 2, 8}), {"trend", {}, {}, {}}));
  return figure;
}

TEST(FigureRender, SvgIsTheSameBytesEveryTime) {
  Figure figure = line_figure();
  for (SvgText mode : {SvgText::Outlines, SvgText::Editable}) {
    Result<std::string> first = figure.to_svg(mode);
    ASSERT_TRUE(first) << first.error().display();
    EXPECT_EQ(*first, *figure.to_svg(mode));
    EXPECT_TRUE(first->starts_with("<svg") || first->starts_with("<?xml"));
  }
}

TEST(FigureRender, ScenePaintsChromeMarksLegendThenBaseline) {
  Figure figure = line_figure(4, 3);
  Result<scene::Scene> page = figure.scene(text::FontLibrary::global(), "Figure.to_svg()");
  ASSERT_TRUE(page) << page.error().display();
  EXPECT_EQ(page->width, 288.0f);
  EXPECT_EQ(page->height, 216.0f);
  EXPECT_EQ(page->background, figure.theme().background);
  ASSERT_EQ(page->items.size(), 4u);
  const auto& marks = std::get<scene::ItemGroup>(page->items[1].kind);
  EXPECT_TRUE(marks.clip.has_value());  // only the marks are clipped to the plot
  EXPECT_FALSE(std::get<scene::ItemGroup>(page->items[0].kind).clip.has_value());

  Figure empty_axes = *Figure::make(Theme::pigment(), 4, 3);
  ASSERT_TRUE(empty_axes.add_axes_at({0, 0}, Scale::linear(), Scale::linear()));
  Result<scene::Scene> bare = empty_axes.scene(text::FontLibrary::global(), "Figure.to_svg()");
  ASSERT_TRUE(bare) << bare.error().display();
  EXPECT_EQ(bare->items.size(), 2u);  // chrome and baseline: no marks, no legend
}

TEST(FigureRender, FigureWithoutAxesIsAnEmptyPageUnlessItsHeaderLeavesNoRoom) {
  Figure figure = *Figure::make(Theme::pigment(), 2, 1);
  figure.title("Quarterly results");
  Result<scene::Scene> page = figure.scene(text::FontLibrary::global(), "Figure.to_svg()");
  ASSERT_TRUE(page) << page.error().display();
  EXPECT_EQ(page->items.size(), 1u);
  EXPECT_TRUE(Figure::make(Theme::pigment(), 2, 1)
                  ->scene(text::FontLibrary::global(), "Figure.to_svg()")
                  ->items.empty());

  Figure crowded = *Figure::make(Theme::pigment(), 2, 0.2);
  crowded.title("Quarterly results");
  Result<std::string> svg = crowded.to_svg(SvgText::Outlines);
  ASSERT_FALSE(svg);
  EXPECT_EQ(svg.error().kind, ErrorKind::Style);
  EXPECT_EQ(svg.error().context, "Figure.to_svg()");
}

TEST(FigureRender, DpiIsCheckedBeforeAnythingIsDrawn) {
  // Too small to lay out: only the dpi can fail first.
  Figure figure = line_figure(0.1, 0.1);
  for (std::int64_t dpi : {9, 2401, -1}) {
    Result<std::vector<std::uint8_t>> png = figure.to_png(dpi);
    ASSERT_FALSE(png) << dpi;
    EXPECT_EQ(png.error().kind, ErrorKind::Style);
    EXPECT_EQ(png.error().parameter, "dpi");
    EXPECT_EQ(png.error().display(), "Figure.to_png(): dpi " + std::to_string(dpi) +
                                         " is out of range; use a value from 10 to 2400.");
  }
}

TEST(FigureRender, PngAtTheDpiBounds) {
  Figure figure = line_figure(1, 1);
  for (std::int64_t dpi : {10, 2400}) {
    Result<std::vector<std::uint8_t>> png = figure.to_png(dpi);
    ASSERT_TRUE(png) << png.error().display();
    const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png->begin()));
  }
}

TEST(FigureRender, ErrorsCarryTheRenderContextWithoutACellPrefix) {
  Figure tiny = line_figure(0.3, 3);
  Result<std::string> svg = tiny.to_svg(SvgText::Outlines);
  ASSERT_FALSE(svg);
  EXPECT_EQ(svg.error().kind, ErrorKind::Style);
  EXPECT_EQ(svg.error().context, "Figure.to_svg()");
  EXPECT_FALSE(svg.error().problem.starts_with("row "));
  Result<std::vector<std::uint8_t>> png = tiny.to_png(72);
  ASSERT_FALSE(png);
  EXPECT_EQ(png.error().context, "Figure.to_png()");
  EXPECT_EQ(png.error().problem, svg.error().problem);

  // A reference line at a category no mark puts on the axis.
  Figure figure = *Figure::make(Theme::pigment(), 4, 3);
  ASSERT_TRUE(figure.add_axes_at({0, 0}, Scale::category(), Scale::linear()));
  AxesMut axes = *figure.axes_at_mut(0, 0);
  ASSERT_TRUE(axes.bar_shared(names({"a", "b"}), floats({1, 2}), {}));
  ASSERT_TRUE(axes.vline(std::string("z"), {}));
  Result<std::string> unknown = figure.to_svg(SvgText::Outlines);
  ASSERT_FALSE(unknown);
  EXPECT_EQ(unknown.error().kind, ErrorKind::Data);
  EXPECT_EQ(unknown.error().context, "Figure.to_svg()");
}

}  // namespace
}  // namespace lodra
