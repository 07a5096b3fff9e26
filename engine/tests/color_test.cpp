#include "color.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;

TEST(Rgba, ParsesHexCodes) {
  EXPECT_EQ(*Rgba::hex("#1a2B3c"), (Rgba{0x1A, 0x2B, 0x3C, 255}));
  EXPECT_EQ(*Rgba::hex("#11223344"), (Rgba{0x11, 0x22, 0x33, 0x44}));
}

TEST(Rgba, RejectsMalformedHexCodesWithOneProblemForm) {
  for (const char* code : {"#123", "112233", "#12345G", "#1122334", "", "#\xc3\xa9\xc3\xa9\xc3\xa9"}) {
    expect_error(Rgba::hex(code), {ErrorKind::Style, "Color.hex()", "code", "",
                                   quoted_whole(code) + " is not a hex color; use #RRGGBB or #RRGGBBAA."});
  }
  // The code is quoted without the 40-character cut.
  std::string long_code(50, '#');
  expect_error(Rgba::hex(long_code),
               {ErrorKind::Style, "Color.hex()", "code", "",
                "\"" + long_code + "\" is not a hex color; use #RRGGBB or #RRGGBBAA."});
}

TEST(Rgba, ChecksChannelsInOrder) {
  EXPECT_EQ(*Rgba::from_ints(255, 0, 0), (Rgba{255, 0, 0, 255}));
  expect_error(Rgba::from_ints(255, 256, -1),
               {ErrorKind::Style, "Color.rgb()", "g", "",
                "g is 256; each channel must be between 0 and 255."});
  expect_error(Rgba::from_ints(-1, 0, 0), {ErrorKind::Style, "Color.rgb()", "r", "",
                                           "r is -1; each channel must be between 0 and 255."});
}

TEST(Rgba, WithAlphaRoundsHalvesAwayFromZero) {
  Rgba red{255, 0, 0, 255};
  struct Case {
    float opacity;
    std::uint8_t alpha;
  } cases[] = {{0.5f, 128}, {0.0f, 0}, {1.0f, 255}, {0.2f, 51}, {-0.5f, 0}, {2.0f, 255}};
  for (auto c : cases) EXPECT_EQ(red.with_alpha(c.opacity), (Rgba{255, 0, 0, c.alpha}));
}

TEST(Rgba, PacksAsRrggbbaa) {
  Rgba color{0x12, 0x34, 0x56, 0x78};
  EXPECT_EQ(color.packed(), 0x12345678u);
  EXPECT_EQ(Rgba::unpacked(0x12345678u), color);
}

TEST(Alpha, AcceptsTheClosedUnitInterval) {
  EXPECT_EQ(Alpha::make(0.0)->value, 0.0f);
  EXPECT_EQ(Alpha::make(1.0)->value, 1.0f);
  for (double bad : {-0.001, 1.0000001, std::nan("")}) {
    expect_error(Alpha::make(bad),
                 {ErrorKind::Style, "Color.alpha()", "a", "",
                  "alpha is " + display_number(bad) + "; alpha must be between 0.0 and 1.0."});
  }
}

TEST(ColorSpec, PaletteIndexMustNotBeNegative) {
  EXPECT_EQ(ColorSpec::palette(3, Alpha{0.5f})->index, 3);
  expect_error(ColorSpec::palette(-1, Alpha{}),
               {ErrorKind::Style, "Color.palette()", "index",
                "indexes start at 0 and wrap around the palette.",
                "index is -1; a palette index must be 0 or greater."});
}

TEST(ColorSpec, ConcreteAcceptsOnlyExactColors) {
  Rgba blue{0, 0, 255, 255};
  EXPECT_EQ(*concrete(ColorSpec::exact(blue), "Theme.with_background()", "value", "value"), blue);
  const std::string hint = "use Color.hex(), Color.rgb() or a named color.";
  expect_error(concrete(ColorSpec::automatic(), "Theme.with_background()", "value", "value"),
               {ErrorKind::Style, "Theme.with_background()", "value", hint,
                "value is Color.AUTO; theme colors must be concrete colors."});
  expect_error(concrete(*ColorSpec::palette(0, Alpha{}), "Theme.with_palette()", "colors",
                        "colors[2]"),
               {ErrorKind::Style, "Theme.with_palette()", "colors", hint,
                "colors[2] is Color.palette(0); theme colors must be concrete colors."});
}

TEST(NamedColors, AreTwelveOpaqueColorsInOrder) {
  ASSERT_EQ(kNamedColors.size(), 12u);
  EXPECT_EQ(kNamedColors.front().name, "BLACK");
  EXPECT_EQ(kNamedColors.front().rgba, (Rgba{0x1A, 0x1A, 0x1A, 255}));
  EXPECT_EQ(kNamedColors.back().name, "BROWN");
  EXPECT_EQ(kNamedColors.back().rgba, (Rgba{0x7A, 0x52, 0x36, 255}));
}

}  // namespace
}  // namespace lodra
