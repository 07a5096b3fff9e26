// The adaptive choice of PNG row filter: each row is tried with Up, Sub, Average and Paeth, in
// this order, and keeps the one whose bytes, read as signed, have the smallest sum of absolute
// values. Equal sums go to the later filter; a zero sum is taken at once.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lodra::render {

enum class RowFilterType : std::uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

// Filters rows of 4-byte pixels. Keeps two row buffers, so filtering allocates nothing per row.
class RowFilter {
 public:
  explicit RowFilter(std::size_t row_bytes);

  // The filter type byte followed by the filtered row. `previous` is the unfiltered row above,
  // all zero for the first row. The result stays valid until the next call.
  std::span<const std::uint8_t> filter(std::span<const std::uint8_t> previous,
                                       std::span<const std::uint8_t> row);

 private:
  std::vector<std::uint8_t> best_;
  std::vector<std::uint8_t> candidate_;
};

}  // namespace lodra::render
