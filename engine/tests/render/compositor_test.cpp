#include "render/compositor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lodra::render {
namespace {

std::uint32_t pack(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return a << 24 | r << 16 | g << 8 | b;
}

std::uint32_t reference_over(std::uint32_t s, std::uint32_t d) {
  const std::uint32_t sa = s >> 24;
  if (sa == 255) return s;
  if (sa == 0) return d;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
    const std::uint32_t t = (255 - sa) * dc + 128;
    out |= std::min(sc + (t + (t >> 8)) / 256, 255u) << shift;
  }
  return out;
}

// Every source alpha over every destination value, with source channels at 0, half and full
// alpha, and one beyond it (not a valid premultiplied pixel) to reach the saturation.
TEST(Compositor, BlendRowMatchesThePerChannelArithmetic) {
  std::vector<std::uint32_t> source, destination;
  for (std::uint32_t sa = 0; sa < 256; ++sa) {
    for (std::uint32_t d = 0; d < 256; ++d) {
      const std::uint32_t sc[] = {0, sa / 2, sa, 255};
      for (std::uint32_t c : sc) {
        source.push_back(pack(sa, c, sa - sa / 3, 255 - c));
        destination.push_back(pack(d, 255 - d, d, d / 2));
      }
    }
  }
  std::vector<std::uint32_t> blended = destination;
  blend_row(blended, source);
  for (std::size_t i = 0; i < source.size(); ++i) {
    ASSERT_EQ(blended[i], reference_over(source[i], destination[i]))
        << std::hex << source[i] << " over " << destination[i];
  }
}

TEST(Compositor, WorkersFollowTheStampCount) {
  const struct {
    std::size_t placements;
    unsigned threads, expected;
  } cases[] = {{1023, 8, 1}, {1024, 8, 1}, {2048, 8, 2}, {100000, 8, 8}, {100000, 64, 8},
               {100000, 2, 2}, {100000, 0, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(worker_count(c.placements, c.threads), c.expected) << c.placements << ", " << c.threads;
  }
}

// An opaque 3 × 3 sprite whose middle row covers only its centre pixel.
SpriteSet opaque_sprite() {
  const std::uint32_t o = 0xFF112233;
  SpriteSet set{3, 3, {}};
  set.sprites[5] = Sprite{{o, o, o, 0, o, 0, o, o, o}, {{0, 3}, {1, 2}, {0, 3}}};
  return set;
}

TEST(Compositor, StampsOnlyCoveredSpansClippedToTheCanvas) {
  const struct {
    Placement placement;
    int covered;
  } cases[] = {{{5, 0, 0}, 7}, {{5, -1, -1}, 3}, {{5, 3, 3}, 1}, {{5, -3, 0}, 0}, {{5, 4, 0}, 0}};
  for (const auto& c : cases) {
    Pixmap canvas = *Pixmap::allocate(4, 4);
    canvas.fill(0);
    const Placement stamps[] = {c.placement};
    composite(canvas, opaque_sprite(), stamps, 1);
    EXPECT_EQ(std::ranges::count(canvas.pixels(), 0xFF112233u), c.covered)
        << c.placement.left << ", " << c.placement.top;
  }
}

}  // namespace
}  // namespace lodra::render
