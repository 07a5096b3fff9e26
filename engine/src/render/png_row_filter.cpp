#include "render/png_row_filter.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace lodra::render {

namespace {

constexpr std::size_t kBytesPerPixel = 4;

std::uint8_t paeth_predictor(int left, int up, int up_left) {
  int estimate = left + up - up_left;
  int to_left = std::abs(estimate - left);
  int to_up = std::abs(estimate - up);
  int to_up_left = std::abs(estimate - up_left);
  if (to_left <= to_up && to_left <= to_up_left) return static_cast<std::uint8_t>(left);
  if (to_up <= to_up_left) return static_cast<std::uint8_t>(up);
  return static_cast<std::uint8_t>(up_left);
}

// Writes the type byte and the filtered bytes into `out` and returns the sum of the filtered
// bytes' magnitudes as signed bytes. One instance per type keeps the inner loop branch-free.
template <RowFilterType type>
std::uint64_t apply(std::span<const std::uint8_t> previous, std::span<const std::uint8_t> row,
                    std::uint8_t* out) {
  out[0] = static_cast<std::uint8_t>(type);
  std::uint8_t* filtered = out + 1;
  const std::size_t n = row.size();
  for (std::size_t i = 0; i < n; ++i) {
    std::uint8_t left = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
    std::uint8_t up_left = i >= kBytesPerPixel ? previous[i - kBytesPerPixel] : 0;
    std::uint8_t prediction = 0;
    if constexpr (type == RowFilterType::Sub) {
      prediction = left;
    } else if constexpr (type == RowFilterType::Up) {
      prediction = previous[i];
    } else if constexpr (type == RowFilterType::Average) {
      prediction = static_cast<std::uint8_t>((left + previous[i]) >> 1);
    } else if constexpr (type == RowFilterType::Paeth) {
      prediction = paeth_predictor(left, previous[i], up_left);
    }
    filtered[i] = static_cast<std::uint8_t>(row[i] - prediction);
  }
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < n; ++i) sum += filtered[i] < 128 ? filtered[i] : 256 - filtered[i];
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
