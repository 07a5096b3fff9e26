// Small grids for layout tests: a figure with axes at given cells, a legend per panel, and
// panel bands made by hand.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "layout/grid_request.h"
#include "layout/panel_bands.h"
#include "layout/panel_fixture.h"
#include "layout/text_styles.h"

namespace lodra::testing {

struct GridFigure {
  Figure figure;
  std::vector<layout::MeasuredLegend> legends;  // one per axes; never resized
  std::vector<layout::LayoutInput> inputs;

  // A rows × cols grid of width × height points with axes at `cells` (row, col, spans).
  GridFigure(std::uint32_t rows, std::uint32_t cols, double width, double height,
             std::initializer_list<CellRange> cells, Grid grid_settings = {})
      : figure(make(rows, cols, width, height, grid_settings)) {
    for (const CellRange& cell : cells) {
      EXPECT_TRUE(figure.add_axes_at(
          {cell.row, cell.col, cell.row_span, cell.col_span}, Scale::linear(), Scale::linear()));
    }
    legends.resize(figure.axes().size());
    for (std::size_t i = 0; i < legends.size(); ++i) {
      inputs.push_back({figure, figure.axes()[i], legends[i], fonts(), "Figure.to_svg()"});
    }
  }
  // The inputs refer to the figure and legends held here.
  GridFigure(const GridFigure&) = delete;
  GridFigure& operator=(const GridFigure&) = delete;

  // Keyed entries with patch swatches at `position` for panel `i`.
  void keyed_legend(std::size_t i, LegendPosition position,
                    std::initializer_list<const char*> labels) {
    layout::Legend content;
    for (const char* text : labels) content.keyed.push_back({text, {}});
    legends[i] = layout::MeasuredLegend::measure(figure, content, fonts());
    legends[i].position = position;
  }

  layout::GridRequest request(double header_height = 12) const {
    return {.rows = figure.grid().rows,
            .cols = figure.grid().cols,
            .figure = figure,
            .context = "Figure.to_svg()",
            .inputs = inputs,
            .page_width = figure.width() * 72,
            .page_height = figure.height() * 72,
            .header_height = header_height};
  }

 private:
  static Figure make(std::uint32_t rows, std::uint32_t cols, double width, double height,
                     Grid settings) {
    Grid grid = *Grid::make(rows, cols);
    grid.share_x = settings.share_x;
    grid.share_y = settings.share_y;
    return *Figure::with_grid(Theme::pigment(), grid, width / 72, height / 72);
  }
};

// Measured tick labels at their positions.
inline std::vector<layout::TickLabel> tick_labels(
    std::initializer_list<std::pair<const char*, double>> ticks) {
  std::vector<layout::TickLabel> labels;
  for (const auto& [text, position] : ticks) {
    labels.push_back({position, label(text, layout::tick_style(Theme::pigment()))});
  }
  return labels;
}

// Bands with these x tick labels, their extents and a tick band of 14 pt.
inline layout::PanelBands with_x_ticks(
    layout::PanelBands bands, std::initializer_list<std::pair<const char*, double>> ticks) {
  bands.x_tick_labels = tick_labels(ticks);
  bands.x_extents = layout::extents(bands.x_tick_labels);
  bands.x_tick_band = 14;
  return bands;
}

// Bands with these y tick labels and the band they take.
inline layout::PanelBands with_y_ticks(
    layout::PanelBands bands, std::initializer_list<std::pair<const char*, double>> ticks) {
  bands.y_tick_labels = tick_labels(ticks);
  bands.widest_y_tick = layout::widest(bands.y_tick_labels)->label.width();
  bands.y_tick_band = 6 + bands.widest_y_tick;
  return bands;
}

}  // namespace lodra::testing
