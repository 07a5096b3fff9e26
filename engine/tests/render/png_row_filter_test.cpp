#include "render/png_row_filter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace lodra::render {
namespace {

using Pixel = std::array<std::uint8_t, 4>;

std::vector<std::uint8_t> repeated(Pixel pixel, int count) {
  std::vector<std::uint8_t> row;
  for (int i = 0; i < count; ++i) row.insert(row.end(), pixel.begin(), pixel.end());
  return row;
}

TEST(RowFilter, KeepsTheSmallestSumWithLaterFiltersWinningTies) {
  struct Case {
    const char* why;
    Pixel above;
    Pixel pixel;
    int pixels;
    RowFilterType expected;
  };
  const Case cases[] = {
      {"a zero sum from Up is taken before the tie could go to Paeth", {0, 0, 0, 0}, {0, 0, 0, 0}, 2, RowFilterType::Up},
      {"a row equal to the one above", {9, 8, 7, 6}, {9, 8, 7, 6}, 3, RowFilterType::Up},
      {"Sub alone is smallest", {100, 10, 0, 100}, {0, 100, 100, 200}, 2, RowFilterType::Sub},
      {"Average alone is smallest", {100, 10, 0, 10}, {50, 0, 0, 10}, 2, RowFilterType::Average},
      {"Paeth alone is smallest", {10, 200, 0, 50}, {0, 100, 100, 100}, 2, RowFilterType::Paeth},
      {"Sub and Paeth tie at 10: the later wins", {0, 0, 0, 0}, {1, 2, 3, 4}, 4, RowFilterType::Paeth},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> above = repeated(c.above, c.pixels);
    std::vector<std::uint8_t> row = repeated(c.pixel, c.pixels);
    RowFilter filter(row.size());
    auto filtered = filter.filter(above, row);
    ASSERT_EQ(filtered.size(), row.size() + 1) << c.why;
    EXPECT_EQ(filtered[0], static_cast<std::uint8_t>(c.expected)) << c.why;
  }
}

}  // namespace
}  // namespace lodra::render
