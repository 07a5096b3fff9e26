#include "render/png_raster.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "png_decode.h"
#include "raster_support.h"
#include "test_support.h"

namespace lodra::render {
namespace {

using namespace testing;
using lodra::testing::expect_error;

TEST(RenderPng, PixelSizeFollowsTheDpi) {
  const struct {
    float width, height;
    std::int64_t dpi;
    std::uint32_t expected_width, expected_height;
  } cases[] = {
      {432, 288, 100, 600, 400},
      {432, 288, 150, 900, 600},
      {0.72f, 0.72f, 10, 1, 1},  // 0.1 pixel rounds to 0 and is raised to 1
      {7.2f, 3.6f, 2400, 240, 120},
      {-5, 0, 72, 1, 1},
  };
  for (const auto& c : cases) {
    auto file = render_png(page(c.width, c.height), c.dpi);
    ASSERT_TRUE(file.has_value()) << c.dpi;
    auto png = decode_png(*file);
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->width, c.expected_width) << c.width << " at " << c.dpi;
    EXPECT_EQ(png->height, c.expected_height) << c.height << " at " << c.dpi;
  }
}

TEST(RenderPng, RefusesDpiAndSizesBeyondTheLimits) {
  const std::string kSmaller = "; use a smaller figure size or a lower dpi.";
  const struct {
    float width, height;
    std::int64_t dpi;
    std::string parameter, problem;
  } cases[] = {
      {72, 72, 9, "dpi", "dpi 9 is out of range; use a value from 10 to 2400."},
      {72, 72, 2401, "dpi", "dpi 2401 is out of range; use a value from 10 to 2400."},
      {72, 72, -1, "dpi", "dpi -1 is out of range; use a value from 10 to 2400."},
      {NAN, 72, 72, "", "the figure size is not finite; use a finite width and height."},
      {72, INFINITY, 72, "", "the figure size is not finite; use a finite width and height."},
      {14400, 14400, 300, "", "the image would be 60000 by 60000 pixels, over 32767 on one side" + kSmaller},
      {72, 3e6f, 2400, "", "the image would be 2400 by 100000000 pixels, over 32767 on one side" + kSmaller},
      {7200, 7200, 100, "", "the image would have 100000000 pixels, over 67108864" + kSmaller},
  };
  for (const auto& c : cases) {
    expect_error(render_png(page(c.width, c.height), c.dpi),
                 {ErrorKind::Style, "Figure.to_png()", c.parameter, "", c.problem});
  }
}

TEST(RenderPng, WritesHugeSizesAsPlainIntegers) {
  auto result = render_png(page(FLT_MAX, 1), 2400);
  ASSERT_FALSE(result.has_value());
  const std::string& problem = result.error().problem;
  ASSERT_TRUE(problem.starts_with("the image would be 1134274488")) << problem;
  const std::string width = problem.substr(19, problem.find(" by ") - 19);
  EXPECT_EQ(width.size(), 41u) << problem;
  EXPECT_EQ(width.find_first_not_of("0123456789"), std::string::npos) << problem;
}

TEST(RenderPng, BackgroundCoversThePageUnblended) {
  EXPECT_TRUE(std::ranges::all_of(rasterized(page(3, 2, {90, 60, 30, 0})).pixels(),
                                  [](std::uint32_t p) { return p == 0; }));
  EXPECT_TRUE(std::ranges::all_of(rasterized(page(3, 2, {255, 0, 51, 102})).pixels(),
                                  [](std::uint32_t p) { return p == 0x66660014; }));
}

}  // namespace
}  // namespace lodra::render
