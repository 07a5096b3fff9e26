#include "render/png_row_filter.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace lodra::render {

namespace {

constexpr std::size_t kBytesPerPixel = 4;

// The predictions, written with plain integer arithmetic and selects so that the compiler can
// vectorize the loops; Paeth's distances |p − a|, |p − b|, |p − c| for p = a + b − c are
// computed directly as |b − c|, |a − c| and |a + b − 2c|.
template <RowFilterType type>
inline std::uint8_t predict(int left, int up, int up_left) {
  if constexpr (type == RowFilterType::Sub) {
    return static_cast<std::uint8_t>(left);
  } else if constexpr (type == RowFilterType::Up) {
    return static_cast<std::uint8_t>(up);
  } else if constexpr (type == RowFilterType::Average) {
    return static_cast<std::uint8_t>((left + up) >> 1);
  } else {
    static_assert(type == RowFilterType::Paeth);
    // 16-bit lanes hold every intermediate (|a + b − 2c| ≤ 510) and vectorize twice as wide.
    const auto magnitude = [](std::int16_t v) { return static_cast<std::int16_t>(v < 0 ? -v : v); };
    const auto a = static_cast<std::int16_t>(left), b = static_cast<std::int16_t>(up),
               c = static_cast<std::int16_t>(up_left);
    const std::int16_t to_left = magnitude(static_cast<std::int16_t>(b - c));
    const std::int16_t to_up = magnitude(static_cast<std::int16_t>(a - c));
    const std::int16_t to_up_left = magnitude(static_cast<std::int16_t>(a + b - 2 * c));
    const std::int16_t choice = to_left <= to_up && to_left <= to_up_left ? a
                                : to_up <= to_up_left                   ? b
                                                                        : c;
    return static_cast<std::uint8_t>(choice);
  }
}

// Writes the type byte and the filtered bytes into `out` and returns the sum of the filtered
// bytes' magnitudes as signed bytes.
template <RowFilterType type>
std::uint64_t apply(std::span<const std::uint8_t> previous, std::span<const std::uint8_t> row,
                    std::uint8_t* out) {
  out[0] = static_cast<std::uint8_t>(type);
  std::uint8_t* __restrict filtered = out + 1;
  const std::uint8_t* __restrict x = row.data();
  const std::uint8_t* __restrict up = previous.data();
  const std::size_t n = row.size();
  const std::size_t first = std::min(n, kBytesPerPixel);
  for (std::size_t i = 0; i < first; ++i) {  // the first pixel has nothing to its left
    filtered[i] = static_cast<std::uint8_t>(x[i] - predict<type>(0, up[i], 0));
  }
  for (std::size_t i = first; i < n; ++i) {
    filtered[i] = static_cast<std::uint8_t>(
        x[i] - predict<type>(x[i - kBytesPerPixel], up[i], up[i - kBytesPerPixel]));
  }
  std::uint32_t sum = 0;  // at most 128 per byte of a row of at most 131068 bytes
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t f = filtered[i];
    sum += f < 128 ? f : static_cast<std::uint8_t>(-f);
  }
  return sum;
}

}  // namespace

RowFilter::RowFilter(std::size_t row_bytes) : best_(row_bytes + 1), candidate_(row_bytes + 1) {}

std::span<const std::uint8_t> RowFilter::filter(std::span<const std::uint8_t> previous,
                                                std::span<const std::uint8_t> row) {
  using Apply = std::uint64_t (*)(std::span<const std::uint8_t>, std::span<const std::uint8_t>,
                                  std::uint8_t*);
  constexpr std::array<Apply, 4> kOrder = {apply<RowFilterType::Up>, apply<RowFilterType::Sub>,
                                           apply<RowFilterType::Average>,
                                           apply<RowFilterType::Paeth>};
  std::uint64_t best_sum = kOrder[0](previous, row, best_.data());
  for (std::size_t k = 1; k < kOrder.size() && best_sum != 0; ++k) {
    std::uint64_t sum = kOrder[k](previous, row, candidate_.data());
    if (sum <= best_sum) {
      best_sum = sum;
      std::swap(best_, candidate_);
    }
  }
  return best_;
}

}  // namespace lodra::render
