#include "theme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;

TEST(Theme, PresetsDifferAndCompareByValue) {
  EXPECT_EQ(Theme::pigment(), Theme::pigment());
  EXPECT_NE(Theme::pigment(), Theme::graphite());
  EXPECT_NE(Theme::graphite(), Theme::midnight());
  EXPECT_EQ(*Theme::pigment().with_line_width(2.0), Theme::pigment());
  EXPECT_EQ(Theme::pigment().palette.size(), 8u);
  EXPECT_EQ(Theme::midnight().palette.front(), (Rgba{0x75, 0xAE, 0xF5, 255}));
  EXPECT_EQ(Theme::midnight().title_size, 14.5f);
}

TEST(Theme, SettersReturnANewThemeAndLeaveTheOldOne) {
  Theme pigment = Theme::pigment();
  Theme dark = pigment.with_background(Rgba{0, 0, 0, 255}).with_grid_lines(GridLines::Both);
  EXPECT_EQ(pigment, Theme::pigment());
  EXPECT_EQ(dark.background, (Rgba{0, 0, 0, 255}));
  EXPECT_EQ(dark.grid_lines, GridLines::Both);
}

using Setter = Result<Theme> (Theme::*)(double) const;

struct NumberCase {
  Setter setter;
  const char* field;
  double value;
  bool accepted;
};

TEST(Theme, NumericSettersCheckTheirRanges) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::nan("");
  const NumberCase cases[] = {
      {&Theme::with_font_scale, "font_scale", 10.0, true},
      {&Theme::with_font_scale, "font_scale", 10.000001, false},
      {&Theme::with_font_scale, "font_scale", 1e-300, false},
      {&Theme::with_font_scale, "font_scale", 1e-40, true},
      {&Theme::with_font_scale, "font_scale", 0.0, false},
      {&Theme::with_font_scale, "font_scale", nan, false},
      {&Theme::with_line_width, "line_width", 0.0, false},
      {&Theme::with_line_width, "line_width", -1.0, false},
      {&Theme::with_line_width, "line_width", nan, false},
      {&Theme::with_line_width, "line_width", inf, false},
      {&Theme::with_line_width, "line_width", 1e39, false},
      {&Theme::with_line_width, "line_width", 0.001, true},
      {&Theme::with_marker_size, "marker_size", 1e-300, false},
      {&Theme::with_marker_size, "marker_size", 3.0, true},
      {&Theme::with_marker_alpha, "marker_alpha", 0.0, true},
      {&Theme::with_marker_alpha, "marker_alpha", 1.0, true},
      {&Theme::with_marker_alpha, "marker_alpha", -0.0, true},
      {&Theme::with_marker_alpha, "marker_alpha", 1.0000001, false},
      {&Theme::with_marker_alpha, "marker_alpha", -0.1, false},
      {&Theme::with_baseline_width, "baseline_width", 0.0, true},
      {&Theme::with_baseline_width, "baseline_width", 1e39, false},
      {&Theme::with_bar_corner_radius, "bar_corner_radius", -0.0, true},
      {&Theme::with_bar_corner_radius, "bar_corner_radius", inf, false},
      {&Theme::with_hist_gap, "hist_gap", 0.0, true},
      {&Theme::with_hist_gap, "hist_gap", -0.5, false},
  };
  const std::map<std::string, std::string> requirements = {
      {"font_scale", "a finite number greater than 0 and at most 10"},
      {"line_width", "a finite number greater than 0"},
      {"marker_size", "a finite number greater than 0"},
      {"marker_alpha", "a finite number from 0.0 to 1.0"},
      {"baseline_width", "a finite number of at least 0"},
      {"bar_corner_radius", "a finite number of at least 0"},
      {"hist_gap", "a finite number of at least 0"},
  };
  Theme pigment = Theme::pigment();
  for (const auto& c : cases) {
    auto result = (pigment.*c.setter)(c.value);
    std::string field = c.field;
    if (c.accepted) {
      EXPECT_TRUE(result) << field << " " << c.value;
      continue;
    }
    expect_error(result, {ErrorKind::Style, "Theme.with_" + field + "()", "value", "",
                          field + " is " + display_number(c.value) + "; " + field + " must be " +
                              requirements.at(field) + "."});
  }
  EXPECT_EQ(pigment.with_hist_gap(-0.5).error().problem,
            "hist_gap is -0.5; hist_gap must be a finite number of at least 0.");
}

TEST(Theme, PaletteHoldsOneToSixteenColors) {
  Rgba gray{128, 128, 128, 255};
  EXPECT_TRUE(Theme::pigment().with_palette({gray}));
  EXPECT_EQ(Theme::pigment().with_palette(std::vector<Rgba>(16, gray))->palette.size(), 16u);
  for (std::size_t count : {0u, 17u}) {
    expect_error(Theme::pigment().with_palette(std::vector<Rgba>(count, gray)),
                 {ErrorKind::Style, "Theme.with_palette()", "colors", "",
                  "palette has " + std::to_string(count) + " colors; a palette needs 1 to 16 colors."});
  }
}

}  // namespace
}  // namespace lodra
