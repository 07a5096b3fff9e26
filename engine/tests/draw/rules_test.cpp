#include "draw/rules.h"

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

TEST(Rules, DashesByWidth) {
  using scene::LineCap;
  struct Case {
    Dash dash;
    std::vector<float> pattern;
    LineCap cap;
  } cases[] = {{Dash::Solid, {}, LineCap::Butt},
               {Dash::Dashed, {8, 6}, LineCap::Butt},
               {Dash::Dotted, {0, 5}, LineCap::Round}};
  for (const Case& c : cases) {
    EXPECT_EQ(rule_stroke(kColor, 2, c.dash),
              (scene::StrokeStyle{c.pattern, kColor, 2, c.cap, scene::LineJoin::Round}));
  }
}

// Ten points per unit on both axes; a 2-point rule shows within 0.1 of the window.
TEST(Rules, RulesAcrossThePlotWithinHalfTheirWidthOfIt) {
  const auto linear_panel = panel(linear(0, 10), linear(0, 10));
  const auto category_panel = panel(categories({"a", "b"}), log_scale(1, 100));
  struct Case {
    const testing::TestPanel& panel;
    resolve::ResolvedMark mark;
    std::optional<std::string> expected;
  } cases[] = {
      {linear_panel, mark_of(resolve::HLine{5, kColor, 2}), "M0 50 L100 50"},
      {linear_panel, mark_of(resolve::HLine{10.05, kColor, 2}), "M0 -0.5 L100 -0.5"},
      {linear_panel, mark_of(resolve::HLine{-0.1, kColor, 2}), "M0 101 L100 101"},
      {linear_panel, mark_of(resolve::HLine{10.2, kColor, 2}), std::nullopt},
      {linear_panel, mark_of(resolve::VLine{2.5, kColor, 2}), "M25 0 L25 100"},
      {linear_panel, mark_of(resolve::VLine{-0.5, kColor, 2}), std::nullopt},
      {linear_panel, mark_of(resolve::VLine{std::string("a"), kColor, 2}), std::nullopt},
      {category_panel, mark_of(resolve::VLine{std::string("b"), kColor, 2}), "M75 0 L75 100"},
      {category_panel, mark_of(resolve::VLine{std::string("zz"), kColor, 2}), std::nullopt},
      {category_panel, mark_of(resolve::VLine{0.5, kColor, 2}), std::nullopt},
      {category_panel, mark_of(resolve::HLine{10, kColor, 2}), "M0 50 L100 50"},
      {category_panel, mark_of(resolve::HLine{0, kColor, 2}), std::nullopt},
  };
  for (const Case& c : cases) {
    std::vector<scene::Item> items;
    rule_layer(c.panel.clip, c.panel.axes, std::span(&c.mark, 1), items);
    if (!c.expected) {
      EXPECT_TRUE(items.empty()) << path_text(std::get<scene::Stroke>(items[0].kind).path);
      continue;
    }
    ASSERT_EQ(items.size(), 1u) << *c.expected;
    const auto& stroke = std::get<scene::Stroke>(items[0].kind);
    EXPECT_EQ(stroke.path, path_of(*c.expected)) << path_text(stroke.path);
  }
}

// Rules keep their mark order and leave every other mark to the other layers.
TEST(Rules, LayerTakesOnlyReferenceLinesInMarkOrder) {
  const auto p = panel(linear(0, 10), linear(0, 10));
  const std::vector<resolve::ResolvedMark> marks = {
      mark_of(resolve::VLine{2.0, kColor, 1, Dash::Dotted}),
      mark_of(resolve::HSpan{1, 2, kColor}),
      mark_of(resolve::HLine{3, Rgba{1, 2, 3, 4}, 3, Dash::Dashed}),
  };
  std::vector<scene::Item> items;
  rule_layer(p.clip, p.axes, marks, items);
  ASSERT_EQ(items.size(), 2u);
  const auto& vline = std::get<scene::Stroke>(items[0].kind);
  EXPECT_EQ(vline.path, path_of("M20 0 L20 100"));
  EXPECT_EQ(vline.stroke, rule_stroke(kColor, 1, Dash::Dotted));
  const auto& hline = std::get<scene::Stroke>(items[1].kind);
  EXPECT_EQ(hline.path, path_of("M0 70 L100 70"));
  EXPECT_EQ(hline.stroke, rule_stroke(Rgba{1, 2, 3, 4}, 3, Dash::Dashed));
}

}  // namespace
}  // namespace lodra::draw
