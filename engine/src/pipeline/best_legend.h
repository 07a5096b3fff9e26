// Moving a panel legend positioned BEST into its plot, where it hides the least drawn data.
#pragma once

#include <span>

#include "layout/legend_measure.h"
#include "layout/panel_layout.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "theme.h"

namespace lodra::pipeline {

// Leaves the layout as it is unless the legend is at BEST, has rows and fits inside the plot.
void place_best_legend(const Theme& theme, const layout::MeasuredLegend& legend,
                       const resolve::Resolved& axes,
                       std::span<const resolve::ResolvedMark> marks, layout::Layout& layout);

}  // namespace lodra::pipeline
