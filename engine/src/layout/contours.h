// A path flattened into polylines in plot coordinates, as legend placement measures drawn data.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "draw/points.h"
#include "scene/path.h"

namespace lodra::layout {

// The polylines of one path. Their points share one list so that a path of many contours costs
// two allocations.
class Contours {
 public:
  std::size_t size() const { return ends_.size(); }
  std::span<const draw::PlotPoint> operator[](std::size_t i) const {
    const std::size_t first = i == 0 ? 0 : ends_[i - 1];
    return std::span(points_).subspan(first, ends_[i] - first);
  }

 private:
  friend class ContourBuilder;
  std::vector<draw::PlotPoint> points_;
  std::vector<std::size_t> ends_;  // one past the last point of each contour
};

namespace coverage {

// `MoveTo` starts a contour, `LineTo` adds a point, each curve becomes 16 straight pieces at
// equal steps of its parameter, and `Close` ends the contour back at its start point. A point
// the writers would not draw (see scene::is_valid) breaks the contour, as it breaks the drawn
// subpath; contours of fewer than two points are dropped.
Contours contours(const scene::Path& path);

}  // namespace coverage

}  // namespace lodra::layout
