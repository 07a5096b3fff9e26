// The figure's own header above all panels: its title, subtitle and merged legend, placed
// across the page within its 12 pt margins.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "error.h"
#include "layout/header.h"
#include "layout/legend_measure.h"
#include "layout/legend_rows.h"
#include "model/figure.h"
#include "text/font_library.h"

namespace lodra::layout {

struct FigureHeader {
  std::vector<RowEntry> legend;  // placed
  std::optional<HeaderLine> title;
  std::optional<HeaderLine> subtitle;
  // The y just below the header, the 12 pt top margin included: 12 when empty.
  double height = 0;

  static FigureHeader measure(const Figure& figure, const MeasuredLegend& legend,
                              const text::FontLibrary& fonts);
  // Whether every legend entry fits the page's width and, on a figure without axes, whether the
  // header leaves the page's bottom margin.
  static Status check(const FigureHeader& header, const Figure& figure,
                      std::string_view context);
};

}  // namespace lodra::layout
