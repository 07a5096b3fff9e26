#include "layout/swatch.h"

#include <gtest/gtest.h>

#include <limits>

namespace lodra::layout {
namespace {

TEST(Swatch, BoxesByKindAtTextSizeTen) {
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const auto kVertical = ErrorBarDirection::AlongY, kHorizontal = ErrorBarDirection::AlongX;
  using enum SwatchKind;
  struct Case {
    const char* why;
    SwatchKind kind;
    double size;
    SwatchBox box;
    float line_width = 2;
    float cap_width = 8;
    ErrorBarDirection orientation = ErrorBarDirection::AlongY;
  } cases[] = {
      {"marker: the bubble and its outline", Marker, 18, {36.8, 36.8, 18}},
      {"thin line", Line, 1.5, {20, 1.5, 1.5}},
      {"thick line: at most 0.8 of the text size", Line, 30, {20, 8, 8}},
      {"line: at most its own length", Line, 9, {5, 5, 5}, 0.5},
      {"line unit not finite counts as 0", Line, 2, {0, 0, 0}, kNaN},
      {"negative line unit counts as 0", Line, 2, {0, 0, 0}, -1},
      {"huge line unit is capped", Line, 2, {100000, 2, 2}, 1e9f},
      {"dot", Dot, 6, {6, 6, 6}},
      {"patch", Patch, 0, {8, 8, 0}},
      {"box", Box, 2, {8, 8, 2}},
      {"violin: stroke at most 0.4 of the text size", Violin, 9, {8, 8, 4}},
      {"vertical error bar", ErrorBar, 1, {8, 12, 1}, 2, 8, kVertical},
      {"horizontal error bar, stroke capped", ErrorBar, 5, {13.5, 8, 2.5}, 2, 8, kHorizontal},
      {"error bar cross at least the stroke", ErrorBar, 2, {2, 13, 2}, 2, 1, kVertical},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Theme theme = Theme::pigment();
    theme.line_width = c.line_width;
    theme.cap_width = c.cap_width;
    Swatch swatch{c.kind, {}, c.size, Dash::Solid, c.orientation};
    SwatchBox box = swatch_box(swatch, 10.0, theme);
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
