#include "render/pixmap.h"

#include <algorithm>
#include <new>

namespace lodra::render {

std::optional<Pixmap> Pixmap::allocate(std::uint32_t width, std::uint32_t height) {
  const std::size_t words = std::size_t{width} * height + (std::size_t{height} + 3) / 4;
  std::unique_ptr<std::uint32_t[]> data(new (std::nothrow) std::uint32_t[words]);
  if (!data) return std::nullopt;
  return Pixmap(std::move(data), width, height);
}

void Pixmap::fill(std::uint32_t pixel) { std::ranges::fill(pixels(), pixel); }

std::uint32_t premultiplied(Rgba color) {
  auto scaled = [a = std::uint32_t{color.a}](std::uint8_t channel) {
    return (channel * a + 127) / 255;  // nearest: 255 is odd, so there are no ties
  };
  return std::uint32_t{color.a} << 24 | scaled(color.r) << 16 | scaled(color.g) << 8 |
         scaled(color.b);
}

}  // namespace lodra::render
