#include "draw/legend_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/item_text.h"
#include "draw/marker_shape.h"
#include "layout/panel_fixture.h"
#include "layout/text_styles.h"

namespace lodra::draw {
namespace {

using layout::SwatchKind;
using testing::describe;
using testing::path;

const Rgba kColor{200, 100, 50, 255};
const std::string kSeries = " #c86432ff";
const std::string kText = " #2b211bff";

layout::Label placed(std::string_view text, double x, double y) {
  layout::Label label = lodra::testing::label(text, layout::body_style(Theme::pigment()));
  label.x = x;
  label.y = y;
  return label;
}

// An entry labelled "A" at (34, 27) whose swatch box runs from (10, 20) to (30, 28), so that
// its middle is at (20, 24).
layout::RowEntry entry(SwatchKind kind, double stroke, Dash dash = Dash::Solid,
                       ErrorBarDirection orientation = ErrorBarDirection::AlongY) {
  layout::RowEntry e;
  e.label = placed("A", 34, 27);
  e.swatch = {kind, kColor, 0, dash, orientation};
  e.swatch_box = {10, 20, 20, 8};
  e.stroke = stroke;
  e.x = 10;
  e.y = 18;
  return e;
}

std::vector<std::string> described(const std::vector<scene::Item>& items) {
  std::vector<std::string> out;
  for (const scene::Item& item : items) out.push_back(describe(item));
  return out;
}

// Each swatch kind drawn in the same box, then the label in the text colour. Translucent parts
// take 0.32 of the alpha (82), markers the theme's 0.85 (217); caps are 8 points wide.
TEST(LegendRowItems, EverySwatchKindInItsBox) {
  const std::string inset = "M10.5 20.5 L29.5 20.5 L29.5 27.5 L10.5 27.5 Z";
  const std::string lens = "M20 20.5 C29.5 20.5 29.5 27.5 20 27.5 C10.5 27.5 10.5 20.5 20 20.5 Z";
  struct Case {
    const char* name;
    SwatchKind kind;
    double stroke;
    std::string expected;
    Dash dash = Dash::Solid;
    ErrorBarDirection orientation = ErrorBarDirection::AlongY;
  } cases[] = {
      {"marker: a circle of twice the radius, ringed in the background",
       SwatchKind::Marker,
       2,
       "markers " + path(marker_shape(Marker::Circle, 4)) +
           " at (20 24) ring #faf6f0ff 0.8 butt miter fill #c86432d9"},
      {"solid line, kept inside the box by half its width",
       SwatchKind::Line,
       2,
       "stroke M11 24 L29 24" + kSeries + " 2 round round"},
      {"solid line wider than the box: both ends meet in the middle",
       SwatchKind::Line,
       30,
       "stroke M20 24 L20 24" + kSeries + " 30 round round"},
      {"dashed line across the whole box",
       SwatchKind::Line,
       2,
       "stroke M10 24 L30 24" + kSeries + " 2 dash 8 6 butt round",
       Dash::Dashed},
      {"dotted line",
       SwatchKind::Line,
       2,
       "stroke M11 24 L29 24" + kSeries + " 2 dash 0 5 round round",
       Dash::Dotted},
      {"dot as wide as the box",
       SwatchKind::Dot,
       20,
       "fill " + path(marker_shape(Marker::Circle, 20).translated(20, 24)) + kSeries},
      {"patch", SwatchKind::Patch, 0, "fill M10 20 L30 20 L30 28 L10 28 Z" + kSeries},
      {"box: inset fill, outline and median",
       SwatchKind::Box,
       2,
       "group(fill " + inset + " #c8643252; stroke " + inset + kSeries +
           " 1 butt miter; stroke M10.5 24 L29.5 24" + kSeries + " 2 butt miter)"},
      {"violin: a lens in the inset box",
       SwatchKind::Violin,
       2,
       "group(fill " + lens + " #c8643252; stroke " + lens + kSeries + " 1 butt miter)"},
      {"vertical error bar",
       SwatchKind::ErrorBar,
       2,
       "stroke M20 21 L20 27 M16 21 L24 21 M16 27 L24 27" + kSeries + " 2 butt miter"},
      {"horizontal error bar",
       SwatchKind::ErrorBar,
       2,
       "stroke M11 24 L29 24 M11 20 L11 28 M29 20 L29 28" + kSeries + " 2 butt miter",
       Dash::Solid,
       ErrorBarDirection::AlongX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const layout::RowEntry e = entry(c.kind, c.stroke, c.dash, c.orientation);
    std::vector<scene::Item> items;
    row(Theme::pigment(), std::span(&e, 1), items);
    EXPECT_EQ(described(items), (std::vector<std::string>{c.expected, "text \"A\" 34 27" + kText}));
  }
}

// With chips each entry sits on a pill of its row's height, tinted at 0.14 of the series alpha.
TEST(LegendRowItems, ChipsArePillsBehindTheirEntries) {
  struct Case {
    std::uint8_t alpha;
    std::string tint;
  } cases[] = {{255, "#c8643224"}, {100, "#c864320e"}, {0, "#c8643200"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tint);
    layout::RowEntry e = entry(SwatchKind::Dot, 6);
    e.swatch.color.a = c.alpha;
    e.chip = layout::Rect{0, 10, 40, 16};
    std::vector<scene::Item> items;
    row(Theme::pigment(), std::span(&e, 1), items);
    ASSERT_EQ(items.size(), 3u);
    const auto& chip = std::get<scene::Fill>(items[0].kind);
    EXPECT_EQ(chip.paint, scene::FillPaint(*Rgba::hex(c.tint)));
    EXPECT_EQ(chip.path.bounds(), (scene::Bounds{0, 10, 40, 26}));
    // Rounded by half the height: the left side starts a radius above the bottom, and every
    // corner is an arc.
    EXPECT_EQ(chip.path.verbs().front(), scene::PathVerb(scene::MoveTo{{0, 18}}));
    EXPECT_EQ(std::ranges::count_if(chip.path.verbs(),
                                    [](const scene::PathVerb& v) {
                                      return std::holds_alternative<scene::CubicTo>(v);
                                    }),
              4);
    EXPECT_TRUE(std::holds_alternative<scene::Fill>(items[1].kind));  // the dot swatch
    EXPECT_TRUE(std::holds_alternative<scene::Text>(items[2].kind));
  }
}

// A legend placed inside the plot sits on a backdrop of the background colour at its alpha
// times the theme's backdrop opacity.
TEST(LegendItems, BackdropBehindALegendInThePlot) {
  struct Case {
    std::uint8_t background_alpha;
    float backdrop_alpha;
    std::string paint;
  } cases[] = {{255, 0.85f, "#faf6f0d9"}, {128, 0.85f, "#faf6f06d"}, {255, 2, "#faf6f0ff"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.paint);
    Theme theme = Theme::pigment();
    theme.background.a = c.background_alpha;
    theme.legend_backdrop_alpha = c.backdrop_alpha;
    layout::Layout layout;
    layout.legend_rows = {entry(SwatchKind::Patch, 0)};
    layout.legend_backdrop = layout::Rect{5, 15, 40, 16};
    const std::optional<scene::Item> group = legend(theme, layout);
    ASSERT_TRUE(group);
    EXPECT_EQ(describe(*group), "group(fill M5 15 L45 15 L45 31 L5 31 Z " + c.paint +
                                    "; fill M10 20 L30 20 L30 28 L10 28 Z" + kSeries +
                                    "; text \"A\" 34 27" + kText + ")");
  }
}

// Direct labels alone: no backdrop and no rows, each label after its end dot when it has one,
// in the series colour.
TEST(LegendItems, DirectLabelsWithAndWithoutEndDots) {
  layout::Layout layout;
  EXPECT_FALSE(legend(Theme::pigment(), layout));

  const Rgba other{10, 20, 30, 255};
  layout.direct_labels = {{100, layout::EndDot{40, 6}, placed("North", 109, 43), kColor},
                          {100, std::nullopt, placed("South", 109, 60), other},
                          {100, layout::EndDot{90, 6}, std::nullopt, kColor}};
  const std::optional<scene::Item> group = legend(Theme::pigment(), layout);
  ASSERT_TRUE(group);
  const std::string dot = path(marker_shape(Marker::Circle, 6).translated(100, 40));
  const std::string low_dot = path(marker_shape(Marker::Circle, 6).translated(100, 90));
  EXPECT_EQ(describe(*group), "group(fill " + dot + kSeries + "; text \"North\" 109 43" +
                                  kSeries + "; text \"South\" 109 60 #0a141eff; fill " +
                                  low_dot + kSeries + ")");
}

}  // namespace
}  // namespace lodra::draw
