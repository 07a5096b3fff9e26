// Resolution of every mark of a figure, once per render: colours from the theme palette by
// series label, widths and marker sizes from the size settings and the theme, and statistics,
// bins and stacks for the marks that do not show their raw data.
#pragma once

#include <span>
#include <vector>

#include "model/figure.h"
#include "model/marks.h"
#include "resolve/resolved_mark.h"
#include "resolve/series_colors.h"
#include "size.h"

namespace lodra::resolve {

// The largest stroke width or marker size, in points.
inline constexpr float kLargestSize = 10000.0f;

// For each axes in figure order, its resolved marks in the axes' mark order.
std::vector<std::vector<ResolvedMark>> resolve_figure_marks(const Figure& figure);

// The marks of one axes of `figure`.
std::vector<ResolvedMark> resolve_panel_marks(std::span<const Mark> marks, const Figure& figure,
                                              const SeriesLabels& labels);

// A width or size in points from its setting and the theme's default; 0 unless positive and
// finite, and at most kLargestSize.
float resolved_size(const SizeSpec& spec, float theme_default);

}  // namespace lodra::resolve
