// A filled region of drawn data, kept as the area it covers inside a box is measured: its
// sloped edges ordered by their upper end and the distinct ys of its vertices.
#pragma once

#include <vector>

#include "draw/points.h"
#include "layout/contours.h"

namespace lodra::layout {

class Filled {
 public:
  // Every contour closed back to its first point, inside by the even-odd rule or else by a
  // non-zero winding sum.
  Filled(const Contours& contours, bool even_odd);

  bool empty() const { return edges_.empty(); }

  // The area of the region inside `box`, in square points, by rows: the box's y range is cut at
  // the vertex ys, each band into rows at most 1 pt tall, and each row adds its covered length
  // at its centre y times its height. `box` must be finite.
  double area_within(const draw::ClipRect& box) const;

 private:
  // An edge from its upper end (smaller y) to its lower end; +1 when drawn downward, else −1.
  struct Edge {
    double top_x = 0;
    double top_y = 0;
    double bottom_y = 0;
    double x_per_y = 0;
    int winding = 0;

    double x_at(double y) const { return top_x + (y - top_y) * x_per_y; }
  };
  struct Crossing {
    double x = 0;
    int winding = 0;
  };

  void add_edge(draw::PlotPoint from, draw::PlotPoint to);
  // The length of [x_min, x_max] inside the region at `y`, across the active edges.
  double covered_length(const std::vector<const Edge*>& active, double y, double x_min,
                        double x_max, std::vector<Crossing>& crossings) const;

  std::vector<Edge> edges_;
  std::vector<double> ys_;
  bool even_odd_ = false;
};

}  // namespace lodra::layout
