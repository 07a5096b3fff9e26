// A panel legend at position BEST: a box inside the plot, at whichever of eight places along
// the frame hides the least of the drawn data.
#pragma once

#include <span>
#include <vector>

#include "layout/legend_measure.h"
#include "layout/legend_rows.h"
#include "layout/rect.h"
#include "resolve/resolved_mark.h"

namespace lodra::layout::placement {

struct BestLegend {
  std::vector<RowEntry> rows;  // one entry per row, 6 pt inside the box
  Rect backdrop;               // the box
};

// Whether the legend's box, with its 6 pt inset from the frame, fits inside the plot.
bool best_fits(const MeasuredLegend& legend, const Rect& plot);

// The legend's box at the candidate whose total coverage over the marks' geometries is lowest,
// trying top-right, top-left, bottom-right, bottom-left, top-centre, right-middle,
// bottom-centre and left-middle in turn; a later candidate must score lower by more than 1e-9
// to win, so ties keep the earlier one. Marks without geometry cover nothing.
BestLegend best(const MeasuredLegend& legend, const Rect& plot,
                std::span<const resolve::ResolvedMark> marks);

}  // namespace lodra::layout::placement
