#include "layout/swatch.h"

#include <gtest/gtest.h>

#include <limits>

namespace lodra::layout {
namespace {

Theme theme_with(float line_width, float cap_width = 8.0f) {
  Theme theme = Theme::pigment();
  theme.line_width = line_width;
  theme.cap_width = cap_width;
  return theme;
}

TEST(Swatch, BoxesByKindAtTextSizeTen) {
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const auto along_y = ErrorBarDirection::AlongY, along_x = ErrorBarDirection::AlongX;
  struct Case {
    const char* why;
    Swatch swatch;
    Theme theme;
    SwatchBox box;
  } cases[] = {
      {"marker: the bubble and its outline", {SwatchKind::Marker, {}, 18}, theme_with(2), {36.8, 36.8, 18}},
      {"thin line", {SwatchKind::Line, {}, 1.5}, theme_with(2), {20, 1.5, 1.5}},
      {"thick line: at most 0.8 of the text size", {SwatchKind::Line, {}, 30}, theme_with(2), {20, 8, 8}},
      {"line: at most its own length", {SwatchKind::Line, {}, 9}, theme_with(0.5), {5, 5, 5}},
      {"line unit not finite counts as 0", {SwatchKind::Line, {}, 2}, theme_with(kNaN), {0, 0, 0}},
      {"negative line unit counts as 0", {SwatchKind::Line, {}, 2}, theme_with(-1), {0, 0, 0}},
      {"huge line unit is capped", {SwatchKind::Line, {}, 2}, theme_with(1e9f), {100000, 2, 2}},
      {"dot", {SwatchKind::Dot, {}, 6}, theme_with(2), {6, 6, 6}},
      {"patch", {SwatchKind::Patch, {}, 0}, theme_with(2), {8, 8, 0}},
      {"box", {SwatchKind::Box, {}, 2}, theme_with(2), {8, 8, 2}},
      {"violin: stroke at most 0.4 of the text size", {SwatchKind::Violin, {}, 9}, theme_with(2), {8, 8, 4}},
      {"vertical error bar", {SwatchKind::ErrorBar, {}, 1, Dash::Solid, along_y}, theme_with(2), {8, 12, 1}},
      {"horizontal error bar, stroke capped", {SwatchKind::ErrorBar, {}, 5, Dash::Solid, along_x},
       theme_with(2), {13.5, 8, 2.5}},
      {"error bar cross at least the stroke", {SwatchKind::ErrorBar, {}, 2, Dash::Solid, along_y},
       theme_with(2, 1), {2, 13, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    SwatchBox box = swatch_box(c.swatch, 10.0, c.theme);
    EXPECT_DOUBLE_EQ(box.width, c.box.width);
    EXPECT_DOUBLE_EQ(box.height, c.box.height);
    EXPECT_DOUBLE_EQ(box.stroke, c.box.stroke);
  }
}

TEST(Swatch, ChipsDrawEveryKindAsADot) {
  Swatch line{SwatchKind::Line, {1, 2, 3, 255}, 2, Dash::Dashed};
  Swatch dot = chip_swatch(line, 10.0);
  EXPECT_EQ(dot.kind, SwatchKind::Dot);
  EXPECT_EQ(dot.color, line.color);
  EXPECT_DOUBLE_EQ(swatch_box(dot, 10.0, Theme::pigment()).width, 6.0);
}

}  // namespace
}  // namespace lodra::layout
