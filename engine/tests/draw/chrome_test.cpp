#include "draw/chrome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "draw/item_text.h"
#include "draw/text_items.h"
#include "layout/panel_fixture.h"
#include "layout/solve_single.h"
#include "layout/text_styles.h"
#include "model/shared_axes.h"

namespace lodra::draw {
namespace {

using testing::describe;

const std::string kGrid = " #ddd3c7ff 0.75";
const std::string kText = " #2b211bff";
const std::string kMuted = " #8c8076ff";

layout::Label placed(std::string_view text, const scene::TextStyle& style, double x, double y) {
  layout::Label label = lodra::testing::label(text, style);
  label.x = x;
  label.y = y;
  return label;
}

// A plot from (20, 10) to (120, 60) with ticks at its ends and middles and no texts.
layout::Layout bare_layout() {
  layout::Layout layout;
  layout.plot = {20, 10, 100, 50};
  layout.x_ticks = {20, 70, 120};
  layout.y_ticks = {60, 35, 10};
  layout.baseline = 45;
  return layout;
}

std::vector<std::string> children(const scene::Item& group) {
  std::vector<std::string> out;
  for (const scene::Item& item : std::get<scene::ItemGroup>(group.kind).items) {
    out.push_back(describe(item));
  }
  return out;
}

TEST(Chrome, GridLinesFollowTheThemeSettingAndDash) {
  const std::string h = "stroke M20 60 L120 60" + kGrid, h2 = "stroke M20 35 L120 35" + kGrid,
                    h3 = "stroke M20 10 L120 10" + kGrid;
  const std::string v = "stroke M20 10 L20 60" + kGrid, v2 = "stroke M70 10 L70 60" + kGrid,
                    v3 = "stroke M120 10 L120 60" + kGrid;
  const std::string solid = " butt miter", dashed = " dash 2 4 butt miter",
                    dotted = " dash 0 3.2 round miter";
  struct Case {
    GridLines lines;
    Dash dash;
    std::vector<std::string> expected;
  } cases[] = {
      {GridLines::Horizontal, Dash::Solid, {h + solid, h2 + solid, h3 + solid}},
      {GridLines::Vertical, Dash::Dashed, {v + dashed, v2 + dashed, v3 + dashed}},
      {GridLines::Both, Dash::Dotted,
       {h + dotted, h2 + dotted, h3 + dotted, v + dotted, v2 + dotted, v3 + dotted}},
      {GridLines::None, Dash::Solid, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.lines));
    const Theme theme = Theme::pigment().with_grid_lines(c.lines).with_grid_dash(c.dash);
    const scene::Item group = chrome(theme, bare_layout());
    EXPECT_FALSE(std::get<scene::ItemGroup>(group.kind).clip);
    EXPECT_EQ(children(group), c.expected);
  }
}

// Grid and baseline widths come from the theme, clamped to 0..10000.
TEST(Chrome, ThemeStrokeWidthsAreClamped) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    float width;
    std::string drawn;
  } cases[] = {{1.3f, "1.3"}, {0, "0"}, {-1, "0"}, {kNaN, "0"}, {kInf, "0"}, {2e4f, "10000"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    Theme theme = Theme::pigment().with_grid_lines(GridLines::Vertical);
    theme.grid_width = c.width;
    theme.baseline_width = c.width;
    const layout::Layout layout = bare_layout();
    EXPECT_EQ(children(chrome(theme, layout)).front(),
              "stroke M20 10 L20 60 #ddd3c7ff " + c.drawn + " dash 0 3.2 round miter");
    EXPECT_EQ(describe(baseline(theme, layout)),
              "group(stroke M20 45 L120 45 #2b211bff " + c.drawn + " butt miter)");
  }
}

// Without grid lines the group holds only texts: tick labels muted, y before x; the title in
// the text colour and the subtitle muted; then the y and x axis labels in the text colour.
TEST(Chrome, TextsInOrderAndColour) {
  const Theme theme = Theme::pigment().with_grid_lines(GridLines::None);
  const scene::TextStyle ticks = layout::tick_style(theme);
  const scene::TextStyle body = layout::body_style(theme);
  layout::Layout layout = bare_layout();
  layout.y_tick_labels = {placed("0", ticks, 10, 63), placed("1", ticks, 10, 13)};
  layout.x_tick_labels = {placed("a", ticks, 18, 70), placed("b", ticks, 118, 70)};
  layout.title = layout::HeaderLine{placed("Sales", layout::title_style(theme), 12, 2)};
  layout.subtitle = layout::HeaderLine{placed("by year", body, 12, 5)};
  layout.y_label = placed("Revenue", body, 8, 6);
  layout.x_label = placed("Year", body, 60, 80);
  EXPECT_EQ(children(chrome(theme, layout)),
            (std::vector<std::string>{
                "text \"0\" 10 63" + kMuted, "text \"1\" 10 13" + kMuted,
                "text \"a\" 18 70" + kMuted, "text \"b\" 118 70" + kMuted,
                "text \"Sales\" 12 2" + kText, "text \"by year\" 12 5" + kMuted,
                "text \"Revenue\" 8 6" + kText, "text \"Year\" 60 80" + kText}));
}

// A text item keeps its label's string, style and width, and carries the glyph outline set at
// its origin, the placed position narrowed to 32 bits.
TEST(TextItems, CarryTheOutlineAtTheNarrowedOrigin) {
  const Theme theme = Theme::pigment();
  for (const auto& [x, y] : {std::pair{12.0, 30.0}, std::pair{0.1, 1e10}}) {
    const layout::Label label = placed("Quarterly", layout::title_style(theme), x, y);
    const scene::Item item = text_item(label, theme.text_color);
    const auto& text = std::get<scene::Text>(item.kind);
    const scene::Point origin{static_cast<float>(x), static_cast<float>(y)};
    EXPECT_EQ(text.text, "Quarterly");
    EXPECT_EQ(text.origin, origin);
    EXPECT_EQ(text.style, label.style);
    EXPECT_EQ(text.width, label.layout.width);
    EXPECT_FALSE(text.outline.verbs().empty());
    EXPECT_EQ(text.outline, label.layout.outline(origin.x, origin.y));
  }
}

// Panels measured and placed as the pipeline does: shared axes hide tick labels but keep their
// grid lines; an axis without ticks has neither, and the baseline is drawn all the same.
TEST(Chrome, PlacedPanelsOnSharedAxesAndWithoutTicks) {
  struct Case {
    const char* name;
    Share share_x, share_y;
    std::size_t axes;  // 0 at row 0, col 0; 1 at row 0, col 1
    bool ticks;
    std::size_t grid_lines, texts;
  } cases[] = {
      {"not shared", Share::None, Share::None, 1, true, 6, 6},
      {"x shared by column: the top row hides x labels", Share::Col, Share::None, 0, true, 6, 3},
      {"both shared: only the outer panels show labels", Share::All, Share::All, 1, true, 6, 0},
      {"no ticks", Share::None, Share::None, 0, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Grid grid = *Grid::make(2, 2);
    grid.share_x = c.share_x;
    grid.share_y = c.share_y;
    const Theme theme = Theme::pigment().with_grid_lines(GridLines::Both);
    Figure figure = *Figure::with_grid(theme, grid, 8, 6);
    for (std::int64_t cell = 0; cell < 4; ++cell) {
      ASSERT_TRUE(figure.add_axes_at({cell / 2, cell % 2}, Scale::linear(), Scale::linear()));
    }
    const Axes& axes = figure.axes()[c.axes];
    const layout::MeasuredLegend legend;
    const layout::LayoutInput input{figure, axes, legend, lodra::testing::fonts(),
                                    "Figure.to_svg()"};
    resolve::Resolved resolved = lodra::testing::plain_axes();
    if (!c.ticks) resolved.x.ticks.clear(), resolved.y.ticks.clear();
    const layout::Rect cell{0, 0, 288, 216};
    const layout::PanelBands bands = layout::measure_panel(
        input, resolved, {12, 276, 66}, label_visibility(figure, axes.range));
    const Result<layout::Rect> plot = layout::solve_single(input, bands, cell, 12);
    ASSERT_TRUE(plot);
    const layout::Layout placed = layout::place_panel(
        input, resolved, bands, layout::single_cell_slot(bands, cell, *plot, 12));

    std::size_t grid_lines = 0, texts = 0;
    const scene::Item group = chrome(theme, placed);
    for (const scene::Item& item : std::get<scene::ItemGroup>(group.kind).items) {
      grid_lines += std::holds_alternative<scene::Stroke>(item.kind);
      texts += std::holds_alternative<scene::Text>(item.kind);
    }
    EXPECT_EQ(grid_lines, c.grid_lines);
    EXPECT_EQ(texts, c.texts);
    const auto left = static_cast<float>(plot->left), right = static_cast<float>(plot->right());
    const auto bottom = static_cast<float>(plot->bottom());
    EXPECT_EQ(describe(baseline(theme, placed)),
              "group(stroke M" + testing::point({left, bottom}) + " L" +
                  testing::point({right, bottom}) + " #2b211bff 1.3 butt miter)");
  }
}

}  // namespace
}  // namespace lodra::draw
