// The canvas of one PNG render: premultiplied 8-bit channels packed as one 32-bit word per pixel,
// 0xAARRGGBB in native byte order (the rasterizer's ARGB32 layout), rows top to bottom with no
// padding between them. The buffer holds one spare byte per row after the pixels, so that the
// PNG encoder can rewrite the rows in place with a filter byte in front of each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "color.h"

namespace lodra::render {

class Pixmap {
 public:
  // Absent when the memory cannot be had. The pixels start unset.
  static std::optional<Pixmap> allocate(std::uint32_t width, std::uint32_t height);

  std::uint32_t width() const { return width_; }
  std::uint32_t height() const { return height_; }
  std::size_t pixel_count() const { return std::size_t{width_} * height_; }

  std::span<std::uint32_t> pixels() { return {data_.get(), pixel_count()}; }
  std::span<const std::uint32_t> pixels() const { return {data_.get(), pixel_count()}; }
  std::span<std::uint32_t> row(std::uint32_t y) { return pixels().subspan(std::size_t{y} * width_, width_); }
  std::span<const std::uint32_t> row(std::uint32_t y) const {
    return pixels().subspan(std::size_t{y} * width_, width_);
  }

  void fill(std::uint32_t pixel);

  // The whole buffer as bytes: the pixels, then the spare bytes.
  std::span<std::uint8_t> bytes() {
    return {reinterpret_cast<std::uint8_t*>(data_.get()), pixel_count() * 4 + height_};
  }

 private:
  Pixmap(std::unique_ptr<std::uint32_t[]> data, std::uint32_t width, std::uint32_t height)
      : data_(std::move(data)), width_(width), height_(height) {}

  std::unique_ptr<std::uint32_t[]> data_;
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
};

// The pixel word of a straight colour, each channel scaled by alpha and rounded to nearest.
std::uint32_t premultiplied(Rgba color);

inline std::uint8_t alpha_of(std::uint32_t pixel) { return static_cast<std::uint8_t>(pixel >> 24); }

}  // namespace lodra::render
