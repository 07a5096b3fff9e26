// The grid of cells a figure places its axes on, with its sharing and legend modes.
#pragma once

#include <cstdint>
#include <vector>

#include "enums.h"
#include "error.h"

namespace lodra {

inline constexpr std::int64_t kMaxGridSide = 32;

struct Cell {
  std::uint32_t row = 0;
  std::uint32_t col = 0;
  friend auto operator<=>(const Cell&, const Cell&) = default;
};

struct Grid {
  std::uint32_t rows = 1;
  std::uint32_t cols = 1;
  Share share_x = Share::None;
  Share share_y = Share::None;
  LegendMode legend = LegendMode::Merged;

  // rows and cols in 1..32, rows checked first; no sharing, merged legend.
  static Result<Grid> make(std::int64_t rows, std::int64_t cols);

  // The first `count` cells in row-major order; 1 <= count <= rows × cols.
  Result<std::vector<Cell>> cells(std::int64_t count) const;

  friend bool operator==(const Grid&, const Grid&) = default;
};

}  // namespace lodra
