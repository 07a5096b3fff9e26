// The size of a plot area in points.
#pragma once

namespace lodra::layout {

struct PlotSize {
  double width = 0;
  double height = 0;
  friend bool operator==(const PlotSize&, const PlotSize&) = default;
};

}  // namespace lodra::layout
