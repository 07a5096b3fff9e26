#include "render/png_encoder.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <span>
#include <string_view>

#include "render/png_row_filter.h"

namespace lodra::render {

namespace {

constexpr std::string_view kContext = "Figure.to_png()";
constexpr std::size_t kMaxChunkData = 0x7FFFFFFF;
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
  uLong crc = crc32(0L, out.data() + type_at, static_cast<uInt>(type.size()));
  if (!data.empty()) crc = crc32_z(crc, data.data(), data.size());  // a null buffer resets the CRC
  put_u32(out, static_cast<std::uint32_t>(crc));
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

// A row of a demultiplied canvas as its bytes.
std::span<const std::uint8_t> row_bytes(const Pixmap& pixmap, std::uint32_t y) {
  return {reinterpret_cast<const std::uint8_t*>(pixmap.row(y).data()), std::size_t{pixmap.width()} * 4};
}

// Owns a deflate stream for the lifetime of one encoding.
class Deflater {
 public:
  Deflater() : status_(deflateInit(&stream_, kCompressionLevel)) {}
  ~Deflater() {
    if (status_ == Z_OK) deflateEnd(&stream_);
  }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  // Appends the compressed form of `input` to `out`; `last` ends the stream.
  Status add(std::span<const std::uint8_t> input, bool last, std::vector<std::uint8_t>& out) {
    if (status_ != Z_OK) return std::unexpected(failure());
    stream_.next_in = const_cast<Bytef*>(input.data());  // zlib never writes through next_in
    stream_.avail_in = static_cast<uInt>(input.size());
    int flush = last ? Z_FINISH : Z_NO_FLUSH;
    do {
      if (out.size() == out.capacity()) out.reserve(std::max<std::size_t>(out.capacity() * 2, 1 << 16));
      std::size_t used = out.size();
      out.resize(out.capacity());
      stream_.next_out = out.data() + used;
      stream_.avail_out = static_cast<uInt>(std::min<std::size_t>(out.size() - used, UINT32_MAX));
      int rc = deflate(&stream_, flush);
      out.resize(out.size() - stream_.avail_out);
      if (rc == Z_STREAM_ERROR) {
        status_ = rc;
        return std::unexpected(failure());
      }
      if (rc == Z_STREAM_END) return {};
    } while (stream_.avail_out == 0 || stream_.avail_in != 0 || last);
    return {};
  }

 private:
  Error failure() const {
    return encoding_error(stream_.msg != nullptr ? stream_.msg : zError(status_));
  }

  z_stream stream_{};
  int status_;
};

// The zlib stream of the filtered rows of a demultiplied canvas.
Result<std::vector<std::uint8_t>> compressed_rows(const Pixmap& pixmap) {
  const std::size_t stride = std::size_t{pixmap.width()} * 4;
  std::vector<std::uint8_t> zeros(stride, 0);
  std::vector<std::uint8_t> stream;
  stream.reserve(std::max<std::size_t>(stride * pixmap.height() / 8, 1 << 16));
  RowFilter filter(stride);
  Deflater deflater;
  std::span<const std::uint8_t> previous = zeros;
  for (std::uint32_t y = 0; y < pixmap.height(); ++y) {
    std::span<const std::uint8_t> row = row_bytes(pixmap, y);
    LODRA_TRY(deflater.add(filter.filter(previous, row), y + 1 == pixmap.height(), stream));
    previous = row;
  }
  return stream;
}

}  // namespace

std::uint32_t pixels_per_metre(std::int64_t dpi) {
  double value = std::round(static_cast<double>(dpi) / 0.0254);
  return static_cast<std::uint32_t>(std::clamp(value, 0.0, 4294967295.0));
}

Result<std::vector<std::uint8_t>> encode(Pixmap pixmap, std::int64_t dpi) {
  if (pixmap.width() == 0 || pixmap.height() == 0) return std::unexpected(encoding_error("the image is empty"));
  demultiply_in_place(pixmap);
  LODRA_TRY_ASSIGN(std::vector<std::uint8_t> stream, compressed_rows(pixmap));

  std::vector<std::uint8_t> out;
  out.reserve(stream.size() + 128);
  constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  out.insert(out.end(), kSignature.begin(), kSignature.end());

  std::vector<std::uint8_t> header;
  for (std::uint32_t v : {pixmap.width(), pixmap.height()}) {
    auto bytes = big_endian(v);
    header.insert(header.end(), bytes.begin(), bytes.end());
  }
  header.insert(header.end(), {8, 6, 0, 0, 0});  // depth 8, RGBA, deflate, filter method 0, not interlaced
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
