#include "draw/spans.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "panel_fixture.h"
#include "scene/path_text.h"

namespace lodra::draw {
namespace {

using scene::testing::path_of;
using testing::categories;
using testing::linear;
using testing::log_scale;
using testing::mark_of;
using testing::panel;
using testing::path_text;

const Rgba kColor{200, 100, 50, 255};

// Ten points per unit on a linear panel; the log panel runs from 1 to 100 along x.
TEST(Spans, FillsAcrossThePlotBetweenTheClampedEnds) {
  const auto linear_panel = panel(linear(0, 10), linear(0, 10));
  const auto log_panel = panel(log_scale(1, 100), linear(0, 10));
  const auto category_panel = panel(categories({"a"}), linear(0, 10));
  struct Case {
    const char* name;
    const testing::TestPanel& panel;
    resolve::ResolvedMark mark;
    std::optional<std::string> expected;
  } cases[] = {
      {"hspan inside", linear_panel, mark_of(resolve::HSpan{2, 4, kColor}),
       "M0 80 L100 80 L100 60 L0 60 Z"},
      {"hspan clamped", linear_panel, mark_of(resolve::HSpan{-5, 3, kColor}),
       "M0 100 L100 100 L100 70 L0 70 Z"},
      {"vspan inside", linear_panel, mark_of(resolve::VSpan{2, 4, kColor}),
       "M20 100 L40 100 L40 0 L20 0 Z"},
      {"vspan reversed", linear_panel, mark_of(resolve::VSpan{4, 2, kColor}), std::nullopt},
      {"vspan collapsed", linear_panel, mark_of(resolve::VSpan{3, 3, kColor}), std::nullopt},
      {"vspan left of the plot", linear_panel, mark_of(resolve::VSpan{-5, -1, kColor}),
       std::nullopt},
      {"vspan on a log axis", log_panel, mark_of(resolve::VSpan{10, 1000, kColor}),
       "M50 100 L100 100 L100 0 L50 0 Z"},
      {"vspan reaching zero on a log axis", log_panel, mark_of(resolve::VSpan{0, 10, kColor}),
       std::nullopt},
      {"vspan on a category axis", category_panel, mark_of(resolve::VSpan{0.2, 0.4, kColor}),
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<scene::Item> items;
    span_layer(c.panel.clip, c.panel.axes, std::span(&c.mark, 1), items);
    if (!c.expected) {
      EXPECT_TRUE(items.empty());
      continue;
    }
    ASSERT_EQ(items.size(), 1u);
    const auto& fill = std::get<scene::Fill>(items[0].kind);
    EXPECT_EQ(fill.path, path_of(*c.expected)) << path_text(fill.path);
    EXPECT_EQ(fill.paint, scene::FillPaint(Rgba{200, 100, 50, 82}));
    EXPECT_FALSE(fill.even_odd);
  }
}

TEST(Spans, LayerTakesOnlySpansInMarkOrder) {
  const auto p = panel(linear(0, 10), linear(0, 10));
  const std::vector<resolve::ResolvedMark> marks = {
      mark_of(resolve::VSpan{1, 2, kColor}),
      mark_of(resolve::HLine{3, kColor, 1}),
      mark_of(resolve::HSpan{1, 2, kColor}),
  };
  std::vector<scene::Item> items;
  span_layer(p.clip, p.axes, marks, items);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(std::get<scene::Fill>(items[0].kind).path, path_of("M10 100 L20 100 L20 0 L10 0 Z"));
  EXPECT_EQ(std::get<scene::Fill>(items[1].kind).path, path_of("M0 90 L100 90 L100 80 L0 80 Z"));
}

}  // namespace
}  // namespace lodra::draw
