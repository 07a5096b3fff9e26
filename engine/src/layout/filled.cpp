#include "layout/filled.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace lodra::layout {

Filled::Filled(const Contours& contours, bool even_odd) : even_odd_(even_odd) {
  for (std::size_t i = 0; i < contours.size(); ++i) {
    const auto points = contours[i];
    for (std::size_t k = 0; k < points.size(); ++k) {
      add_edge(points[k], points[(k + 1) % points.size()]);
      ys_.push_back(points[k].y);
    }
  }
  // Contour points are finite, so < orders them strictly.
  std::ranges::sort(edges_, {}, &Edge::top_y);
  std::ranges::sort(ys_);
  ys_.erase(std::unique(ys_.begin(), ys_.end()), ys_.end());
}

void Filled::add_edge(draw::PlotPoint from, draw::PlotPoint to) {
  if (from.y == to.y) return;  // a level edge crosses no row
  const bool downward = from.y < to.y;
  const draw::PlotPoint top = downward ? from : to, bottom = downward ? to : from;
  edges_.push_back({.top_x = top.x,
                    .top_y = top.y,
                    .bottom_y = bottom.y,
                    .x_per_y = (bottom.x - top.x) / (bottom.y - top.y),
                    .winding = downward ? 1 : -1});
}

double Filled::area_within(const draw::ClipRect& box) const {
  if (edges_.empty()) return 0;
  const double low = std::max(box.y_min, ys_.front()), high = std::min(box.y_max, ys_.back());
  if (!(low < high)) return 0;
  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  auto next_edge = edges_.begin();
  auto next_y = std::ranges::upper_bound(ys_, low);
  double area = 0;
  for (double top = low; top < high;) {
    const double bottom = next_y != ys_.end() && *next_y < high ? *next_y++ : high;
    // No vertex lies strictly inside the band, so every active edge spans all of it.
    for (; next_edge != edges_.end() && next_edge->top_y <= top; ++next_edge) {
      active.push_back(&*next_edge);
    }
    std::erase_if(active, [top](const Edge* e) { return e->bottom_y <= top; });
    const double band = bottom - top;
    const double rows = std::max(std::ceil(band), 1.0);
    const double row_height = band / rows;
    for (double row = 0; row < rows; ++row) {
      const double y = top + (row + 0.5) * row_height;
      area += covered_length(active, y, box.x_min, box.x_max, crossings) * row_height;
    }
    top = bottom;
  }
  return area;
}

double Filled::covered_length(const std::vector<const Edge*>& active, double y, double x_min,
                              double x_max, std::vector<Crossing>& crossings) const {
  crossings.clear();
  for (const Edge* edge : active) crossings.push_back({edge->x_at(y), edge->winding});
  std::ranges::sort(crossings, {}, &Crossing::x);
  double length = 0;
  int winding = 0;
  for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
    winding += crossings[i].winding;
    const bool inside = even_odd_ ? (i % 2 == 0) : winding != 0;
    if (!inside) continue;
    const double from = std::max(crossings[i].x, x_min);
    const double to = std::min(crossings[i + 1].x, x_max);
    if (to > from) length += to - from;
  }
  return length;
}

}  // namespace lodra::layout
