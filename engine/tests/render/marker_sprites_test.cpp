#include "render/marker_sprites.h"

#include <gtest/gtest.h>

#include <cmath>

#include "raster_support.h"

namespace lodra::render {
namespace {

using namespace testing;

constexpr Rgba kTranslucentBlue{20, 40, 200, 160};
const std::string kSquare6 = "M-3 -3 L3 -3 L3 3 L-3 3 Z";

scene::Scene page_with(scene::Item item, float width = 64, float height = 64) {
  scene::Scene scene = page(width, height);
  scene.items.push_back(std::move(item));
  return scene;
}

// 10,000 overlapping translucent stroked circles over a page of many bands.
TEST(MarkerSprites, SameImageWithOneOrEightWorkers) {
  scene::Markers markers = markers_of("M4 0 C4 2.2 2.2 4 0 4 C-2.2 4 -4 2.2 -4 0 C-4 -2.2 -2.2 -4 0 -4 "
                                      "C2.2 -4 4 -2.2 4 0 Z", kTranslucentBlue, {});
  markers.stroke = scene::StrokeStyle{{}, {0, 0, 0, 200}, 1, scene::LineCap::Butt, scene::LineJoin::Miter};
  for (int i = 0; i < 10000; ++i) {
    markers.points.push_back({float(std::fmod(i * 7.31, 300.0)), float(std::fmod(i * 3.17, 200.0))});
  }
  scene::Scene scene = page_with(scene::Item{markers}, 300, 200);
  Pixmap one = rasterized(scene, 96, 1);
  Pixmap eight = rasterized(scene, 96, 8);
  EXPECT_TRUE(same_pixels(one, eight));
  EXPECT_NE(std::ranges::count(one.pixels(), 0xFFFFFFFFu), std::ssize(one.pixels()));
}

// At 72 dpi a point is a pixel. The odd offset 0.28125 is no multiple of 1/8: drawn directly,
// the marker equals a fill of its shape placed there; a sprite lands on 0.25 instead.
TEST(MarkerSprites, LargeMarkersAreDrawnDirectlyAndSmallOnesAsSprites) {
  const struct {
    std::string shape;
    std::string placed;
    bool direct;
  } cases[] = {
      {"M-150 -150 L150 -150 L150 150 L-150 150 Z",
       "M170.28125 170.28125 L470.28125 170.28125 L470.28125 470.28125 L170.28125 470.28125 Z", true},
      {kSquare6, "M317.28125 317.28125 L323.28125 317.28125 L323.28125 323.28125 L317.28125 323.28125 Z",
       false},
  };
  for (const auto& c : cases) {
    constexpr float at = 320.28125f;
    Pixmap as_marker = rasterized(page_with(scene::Item{markers_of(c.shape, kTranslucentBlue, {{at, at}})}, 640, 640));
    Pixmap as_fill = rasterized(page_with(fill_item(c.placed, kTranslucentBlue), 640, 640));
    EXPECT_EQ(same_pixels(as_marker, as_fill), c.direct) << c.shape;
  }
}

// The centre of coverage of a 6-pixel square marker, in pixels along x.
double coverage_centre_x(const Pixmap& pixmap) {
  double weighted = 0, total = 0;
  for (std::uint32_t y = 0; y < pixmap.height(); ++y) {
    for (std::uint32_t x = 0; x < pixmap.width(); ++x) {
      const double coverage = alpha_of(pixmap.row(y)[x]);
      weighted += coverage * (x + 0.5);
      total += coverage;
    }
  }
  return weighted / total;
}

TEST(MarkerSprites, SubPixelOffsetsLandWithinOneSixteenthOfAPixel) {
  for (int sixteenths = 0; sixteenths <= 16; ++sixteenths) {
    for (std::int64_t dpi : {72, 100}) {
      const float x = 10 + sixteenths / 16.0f + 0.01f;
      scene::Scene scene = page(24, 24, {0, 0, 0, 0});
      scene.items.push_back(scene::Item{markers_of(kSquare6, {0, 0, 0, 255}, {{x, 12}})});
      const double true_x = x * (dpi / 72.0);
      EXPECT_NEAR(coverage_centre_x(rasterized(scene, dpi)), true_x, 1.0 / 16 + 0.01)
          << "x " << x << " at " << dpi;
    }
  }
}

// A clip from x = 20 to 44 on a transparent page: a stamp crossing its edge would paint beyond
// it; one fully inside paints as it would without the clip.
TEST(MarkerSprites, StampsCrossingTheClipEdgeAreDrawnWithTheMask) {
  const scene::Rect clip{20, 0, 24, 64};
  const Rgba kInk{0, 0, 0, 255};
  auto clipped = [&](float x) {
    scene::Scene scene = page(64, 64, {0, 0, 0, 0});
    scene.items.push_back(group_of({scene::Item{markers_of(kSquare6, kInk, {{x, 32.3f}})}}, clip));
    return rasterized(scene);
  };
  Pixmap crossing = clipped(20.3f);
  int inside = 0;
  for (std::uint32_t y = 0; y < 64; ++y) {
    for (std::uint32_t x = 0; x < 64; ++x) {
      const bool painted = crossing.row(y)[x] != 0;
      if (x < 20) {
        EXPECT_FALSE(painted) << x << ", " << y;
      }
      inside += painted;
    }
  }
  EXPECT_EQ(inside, 4 * 7);  // x 20..23, seven rows touched by the shape from y 29.3 to 35.3

  scene::Scene unclipped = page(64, 64, {0, 0, 0, 0});
  unclipped.items.push_back(scene::Item{markers_of(kSquare6, kInk, {{32.3f, 32.3f}})});
  EXPECT_TRUE(same_pixels(clipped(32.3f), rasterized(unclipped)));
}

}  // namespace
}  // namespace lodra::render
