#include "render/png_encoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "png_decode.h"

namespace lodra::render {
namespace {

using testing::decode_png;

Pixmap filled(std::uint32_t width, std::uint32_t height, std::uint32_t pixel) {
  std::optional<Pixmap> pixmap = Pixmap::allocate(width, height);
  pixmap->fill(pixel);
  return std::move(*pixmap);
}

TEST(PngEncoder, OneByOneImageHasTheChunksInOrder) {
  auto file = encode(filled(1, 1, premultiplied({12, 34, 56, 255})), 72);
  ASSERT_TRUE(file.has_value());
  auto png = decode_png(*file);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(png->chunk_types, (std::vector<std::string>{"IHDR", "pHYs", "IDAT", "IEND"}));
  EXPECT_EQ(png->width, 1u);
  EXPECT_EQ(png->height, 1u);
  EXPECT_EQ(png->rgba, (std::vector<std::uint8_t>{12, 34, 56, 255}));
}

TEST(PngEncoder, RecordsTheResolutionInPixelsPerMetre) {
  const struct {
    std::int64_t dpi;
    std::uint32_t expected;
  } cases[] = {{72, 2835}, {96, 3780}, {100, 3937}, {2400, 94488}};
  for (const auto& c : cases) {
    auto png = decode_png(*encode(filled(2, 2, 0), c.dpi));
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->pixels_per_unit_x, c.expected) << c.dpi;
    EXPECT_EQ(png->pixels_per_unit_y, c.expected) << c.dpi;
    EXPECT_EQ(png->unit, 1) << c.dpi;
  }
  EXPECT_EQ(pixels_per_metre(-5), 0u);
  EXPECT_EQ(pixels_per_metre(std::numeric_limits<std::int64_t>::max()), 4294967295u);
}

TEST(PngEncoder, TransparentCanvasEncodesAsZeros) {
  auto png = decode_png(*encode(filled(3, 2, premultiplied({200, 100, 50, 0})), 96));
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(png->rgba, std::vector<std::uint8_t>(3 * 2 * 4, 0));
}

// Row a, column c holds the premultiplied pixel (c, c / 2, a - c, a) for every c up to a, so
// that every alpha meets a spread of channel values and the rows differ enough for each filter.
TEST(PngEncoder, DecodesToTheDemultipliedCanvasWithAFilterOnEveryRow) {
  Pixmap pixmap = filled(256, 256, 0);
  std::vector<std::uint8_t> expected(256 * 256 * 4, 0);
  auto straight = [](std::uint32_t channel, std::uint32_t alpha) {
    if (alpha == 255) return static_cast<std::uint8_t>(channel);
    return static_cast<std::uint8_t>(std::floor(channel / (alpha / 255.0) + 0.5));
  };
  for (std::uint32_t a = 1; a < 256; ++a) {
    for (std::uint32_t c = 0; c <= a; ++c) {
      const std::uint32_t r = c, g = c / 2, b = a - c;
      pixmap.row(a)[c] = a << 24 | r << 16 | g << 8 | b;
      std::uint8_t* out = &expected[(a * 256 + c) * 4];
      out[0] = straight(r, a), out[1] = straight(g, a), out[2] = straight(b, a), out[3] = a;
    }
  }
  auto png = decode_png(*encode(std::move(pixmap), 72));
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(png->rgba, expected);
  for (std::uint8_t filter : png->filters) EXPECT_TRUE(filter >= 1 && filter <= 4) << int{filter};
}

}  // namespace
}  // namespace lodra::render
