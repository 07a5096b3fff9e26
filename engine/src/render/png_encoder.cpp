#include "render/png_encoder.h"

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <string_view>

#include "render/png_row_filter.h"

namespace lodra::render {

namespace {

constexpr std::string_view kContext = "Figure.to_png()";
constexpr std::size_t kMaxChunkData = 0x7FFFFFFF;
// libdeflate at level 3 is faster than zlib at level 3 and writes smaller streams on chart
// images (see bench/png.cpp).
constexpr int kCompressionLevel = 3;

Error encoding_error(std::string_view reason) {
  return Error{ErrorKind::Style, kContext, {}, {},
               cat("the PNG could not be encoded (", reason, "); try a smaller figure.")};
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void put_chunk(std::vector<std::uint8_t>& out, std::string_view type,
               std::span<const std::uint8_t> data) {
  put_u32(out, static_cast<std::uint32_t>(data.size()));
  std::size_t type_at = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  std::uint32_t crc = libdeflate_crc32(0, out.data() + type_at, type.size());
  if (!data.empty()) crc = libdeflate_crc32(crc, data.data(), data.size());  // null gives 0
  put_u32(out, crc);
}

std::array<std::uint8_t, 4> big_endian(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
          static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::uint8_t demultiplied(std::uint32_t channel, double alpha) {
  double value = std::floor(channel / alpha + 0.5);
  return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
}

// Rewrites every pixel word as the bytes R, G, B, A with straight alpha.
void demultiply_in_place(Pixmap& pixmap) {
  for (std::uint32_t& pixel : pixmap.pixels()) {
    std::uint32_t a = alpha_of(pixel);
    std::array<std::uint8_t, 4> rgba = {0, 0, 0, 0};
    if (a == 255) {
      rgba = {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
              static_cast<std::uint8_t>(pixel), 255};
    } else if (a != 0) {
      double alpha = a / 255.0;
      rgba = {demultiplied((pixel >> 16) & 0xFF, alpha), demultiplied((pixel >> 8) & 0xFF, alpha),
              demultiplied(pixel & 0xFF, alpha), static_cast<std::uint8_t>(a)};
    }
    std::memcpy(&pixel, rgba.data(), rgba.size());
  }
}

// Rewrites the demultiplied rows as the image data: each row behind its filter type byte.
// Working from the bottom up, filtered row y lands at y × (stride + 1), past the unfiltered
// rows y − 1 and above that are still to be read and before the filtered row y + 1; the spare
// bytes of the pixmap hold the growth.
std::span<const std::uint8_t> filter_in_place(Pixmap& pixmap) {
  const std::size_t stride = std::size_t{pixmap.width()} * 4;
  std::span<std::uint8_t> bytes = pixmap.bytes();
  const std::vector<std::uint8_t> zeros(stride, 0);
  RowFilter filter(stride);
  for (std::size_t y = pixmap.height(); y-- > 0;) {
    std::span<const std::uint8_t> previous =
        y == 0 ? std::span<const std::uint8_t>(zeros) : bytes.subspan((y - 1) * stride, stride);
    std::span<const std::uint8_t> filtered = filter.filter(previous, bytes.subspan(y * stride, stride));
    std::ranges::copy(filtered, bytes.begin() + y * (stride + 1));
  }
  return bytes.first(pixmap.height() * (stride + 1));
}

struct CompressorRelease {
  void operator()(libdeflate_compressor* compressor) const { libdeflate_free_compressor(compressor); }
};

// The zlib stream of the image data.
Result<std::vector<std::uint8_t>> compressed(std::span<const std::uint8_t> data) {
  std::unique_ptr<libdeflate_compressor, CompressorRelease> compressor(
      libdeflate_alloc_compressor(kCompressionLevel));
  if (!compressor) return std::unexpected(encoding_error("the compressor could not be allocated"));
  const std::size_t bound = libdeflate_zlib_compress_bound(compressor.get(), data.size());
  // Left uninitialized: only the pages that the stream reaches are touched.
  std::unique_ptr<std::uint8_t[]> out(new (std::nothrow) std::uint8_t[bound]);
  if (!out) return std::unexpected(encoding_error("the output could not be allocated"));
  const std::size_t size =
      libdeflate_zlib_compress(compressor.get(), data.data(), data.size(), out.get(), bound);
  if (size == 0) return std::unexpected(encoding_error("the compressed data did not fit"));
  return std::vector<std::uint8_t>(out.get(), out.get() + size);
}

}  // namespace

std::uint32_t pixels_per_metre(std::int64_t dpi) {
  double value = std::round(static_cast<double>(dpi) / 0.0254);
  return static_cast<std::uint32_t>(std::clamp(value, 0.0, 4294967295.0));
}

Result<std::vector<std::uint8_t>> encode(Pixmap pixmap, std::int64_t dpi) {
  if (pixmap.width() == 0 || pixmap.height() == 0) return std::unexpected(encoding_error("the image is empty"));
  demultiply_in_place(pixmap);
  LODRA_TRY_ASSIGN(std::vector<std::uint8_t> stream, compressed(filter_in_place(pixmap)));

  std::vector<std::uint8_t> out;
  out.reserve(stream.size() + 128);
  constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  out.insert(out.end(), kSignature.begin(), kSignature.end());

  std::array<std::uint8_t, 13> header{};
  std::ranges::copy(big_endian(pixmap.width()), header.begin());
  std::ranges::copy(big_endian(pixmap.height()), header.begin() + 4);
  header[8] = 8;  // bits per channel
  header[9] = 6;  // RGBA; compression, filter method and interlace stay 0
  put_chunk(out, "IHDR", header);

  auto ppm = big_endian(pixels_per_metre(dpi));
  std::array<std::uint8_t, 9> physical{};
  std::ranges::copy(ppm, physical.begin());
  std::ranges::copy(ppm, physical.begin() + 4);
  physical[8] = 1;  // the unit is the metre
  put_chunk(out, "pHYs", physical);

  std::span<const std::uint8_t> rest = stream;
  do {
    std::size_t size = std::min(rest.size(), kMaxChunkData);
    put_chunk(out, "IDAT", rest.first(size));
    rest = rest.subspan(size);
  } while (!rest.empty());
  put_chunk(out, "IEND", {});
  return out;
}

}  // namespace lodra::render
