// The rectangle of grid cells one axes covers.
#pragma once

#include <cstdint>
#include <vector>

#include "model/grid.h"

namespace lodra {

struct CellRange {
  std::uint32_t row = 0;
  std::uint32_t col = 0;
  std::uint32_t row_span = 1;
  std::uint32_t col_span = 1;

  Cell top_left() const { return {row, col}; }
  bool contains(Cell cell) const {
    return cell.row >= row && cell.row - row < row_span && cell.col >= col &&
           cell.col - col < col_span;
  }
  // Its cells row by row, left to right.
  std::vector<Cell> cells() const {
    std::vector<Cell> result;
    result.reserve(std::size_t{row_span} * col_span);
    for (std::uint32_t r = row; r < row + row_span; ++r) {
      for (std::uint32_t c = col; c < col + col_span; ++c) result.push_back({r, c});
    }
    return result;
  }

  friend bool operator==(const CellRange&, const CellRange&) = default;
};

}  // namespace lodra
