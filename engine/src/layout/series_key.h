// What each series of a resolved mark offers to a legend.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "layout/anchor.h"
#include "layout/swatch.h"
#include "resolve/resolved_mark.h"

namespace lodra::layout {

struct SeriesKey {
  std::string label;  // may be empty
  Swatch swatch;      // carries the series colour
  std::optional<Anchor> anchor;  // only for the series of line-like marks
};

// Lines, areas, steps and stacked areas: the marks whose series may be labelled at their ends.
bool line_like(const resolve::ResolvedMark& mark);

// The keys of every series of `mark`, in series order.
std::vector<SeriesKey> series_keys(const resolve::ResolvedMark& mark, const AnchorAxes& axes);

}  // namespace lodra::layout
