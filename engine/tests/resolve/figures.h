// Small figures for resolution tests: a grid with one axes in every cell.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "model/axes_mut.h"
#include "model/figure.h"

namespace lodra::testing {

struct GridSpec {
  std::int64_t rows = 1;
  std::int64_t cols = 1;
  Share share_x = Share::None;
  Scale x_scale = Scale::linear();
  Scale y_scale = Scale::linear();
};

inline Figure grid_figure(const GridSpec& spec, Theme theme = Theme::pigment()) {
  Grid grid = *Grid::make(spec.rows, spec.cols);
  grid.share_x = spec.share_x;
  Figure figure = *Figure::with_grid(std::move(theme), grid, 8, 6);
  for (std::int64_t r = 0; r < spec.rows; ++r) {
    for (std::int64_t c = 0; c < spec.cols; ++c) {
      EXPECT_TRUE(figure.add_axes_at({r, c}, spec.x_scale, spec.y_scale));
    }
  }
  return figure;
}

inline AxesMut at(Figure& figure, std::int64_t row, std::int64_t col) {
  return *figure.axes_at_mut(row, col);
}

}  // namespace lodra::testing
