// The panels of one render: each axes with its resolved marks and its measured legend, and the
// figure header measured over all of them.
#pragma once

#include <span>
#include <vector>

#include "layout/figure_header.h"
#include "layout/legend_measure.h"
#include "model/axes.h"
#include "model/figure.h"
#include "resolve/resolved_mark.h"
#include "text/font_library.h"

namespace lodra::pipeline {

struct Panel {
  std::vector<resolve::ResolvedMark> marks;
  layout::MeasuredLegend legend;
  const Axes* axes = nullptr;
};

// Whether the figure gathers keyed legend entries into its header: several cells and the merged
// legend mode.
bool merges_legends(const Figure& figure);

// The panel's own legend, in the axes' style (or the theme's) and, unless written as direct
// labels, at the axes' position (or the theme's).
layout::MeasuredLegend measure_legend(const Figure& figure, const Axes& axes,
                                      std::span<const resolve::ResolvedMark> marks,
                                      const text::FontLibrary& fonts);

// One panel per axes, in figure order; `marks` holds the resolved marks of each axes.
std::vector<Panel> panels(const Figure& figure,
                          std::vector<std::vector<resolve::ResolvedMark>> marks,
                          const text::FontLibrary& fonts);

// The figure's title, subtitle and, when legends are merged, the merged legend, measured.
layout::FigureHeader figure_header(const Figure& figure, std::span<const Panel> panels,
                                   const text::FontLibrary& fonts);

}  // namespace lodra::pipeline
