// Test support: a strict reader of the PNG files the encoder writes (8-bit RGBA, not
// interlaced). It checks every CRC, inflates the image data with zlib and undoes each row's
// filter, keeping the filter bytes so that tests can see which filters were chosen.
#pragma once

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lodra::render::testing {

struct DecodedPng {
  std::vector<std::string> chunk_types;  // in file order
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint8_t bit_depth = 0;
  std::uint8_t color_type = 0;
  std::uint32_t pixels_per_unit_x = 0;
  std::uint32_t pixels_per_unit_y = 0;
  std::uint8_t unit = 0;
  std::vector<std::uint8_t> filters;  // one per row
  std::vector<std::uint8_t> rgba;     // straight alpha, rows top to bottom
};

namespace detail {

inline std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
         std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

inline int paeth(int a, int b, int c) {
  int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

inline bool unfilter(DecodedPng& png, const std::vector<std::uint8_t>& raw) {
  const std::size_t stride = std::size_t{png.width} * 4;
  if (raw.size() != (stride + 1) * png.height) return false;
  std::vector<std::uint8_t> zeros(stride, 0);
  png.rgba.assign(stride * png.height, 0);
  for (std::size_t y = 0; y < png.height; ++y) {
    std::uint8_t type = raw[y * (stride + 1)];
    png.filters.push_back(type);
    const std::uint8_t* in = &raw[y * (stride + 1) + 1];
    std::uint8_t* out = &png.rgba[y * stride];
    const std::uint8_t* up = y == 0 ? zeros.data() : out - stride;
    for (std::size_t i = 0; i < stride; ++i) {
      int left = i >= 4 ? out[i - 4] : 0;
      int up_left = i >= 4 ? up[i - 4] : 0;
      int prediction = 0;
      switch (type) {
        case 0: break;
        case 1: prediction = left; break;
        case 2: prediction = up[i]; break;
        case 3: prediction = (left + up[i]) / 2; break;
        case 4: prediction = paeth(left, up[i], up_left); break;
        default: return false;
      }
      out[i] = static_cast<std::uint8_t>(in[i] + prediction);
    }
  }
  return true;
}

}  // namespace detail

// Absent when the file is not a well-formed PNG of that kind.
inline std::optional<DecodedPng> decode_png(std::span<const std::uint8_t> file) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(kSignature, kSignature + 8, file.begin())) return std::nullopt;
  DecodedPng png;
  std::vector<std::uint8_t> compressed;
  std::size_t at = 8;
  while (at + 12 <= file.size()) {
    std::uint32_t length = detail::read_u32(file, at);
    if (at + 12 + length > file.size()) return std::nullopt;
    std::span<const std::uint8_t> typed = file.subspan(at + 4, 4 + length);
    if (crc32(0L, typed.data(), static_cast<uInt>(typed.size())) != detail::read_u32(file, at + 8 + length)) {
      return std::nullopt;
    }
    std::string type(typed.begin(), typed.begin() + 4);
    std::span<const std::uint8_t> data = typed.subspan(4);
    png.chunk_types.push_back(type);
    if (type == "IHDR" && length == 13) {
      png.width = detail::read_u32(data, 0);
      png.height = detail::read_u32(data, 4);
      png.bit_depth = data[8];
      png.color_type = data[9];
      if (data[10] != 0 || data[11] != 0 || data[12] != 0) return std::nullopt;
    } else if (type == "pHYs" && length == 9) {
      png.pixels_per_unit_x = detail::read_u32(data, 0);
      png.pixels_per_unit_y = detail::read_u32(data, 4);
      png.unit = data[8];
    } else if (type == "IDAT") {
      compressed.insert(compressed.end(), data.begin(), data.end());
    }
    at += 12 + length;
  }
  if (at != file.size() || png.bit_depth != 8 || png.color_type != 6) return std::nullopt;
  std::vector<std::uint8_t> raw((std::size_t{png.width} * 4 + 1) * png.height);
  uLongf raw_size = raw.size();
  if (uncompress(raw.data(), &raw_size, compressed.data(), compressed.size()) != Z_OK ||
      raw_size != raw.size() || !detail::unfilter(png, raw)) {
    return std::nullopt;
  }
  return png;
}

}  // namespace lodra::render::testing
