// The drawn data of one mark in plot coordinates (points), as legend placement weighs it:
// marker positions, stroked segments and filled regions, built from the scene items the mark
// draws on its own.
#pragma once

#include <span>
#include <vector>

#include "draw/points.h"
#include "layout/filled.h"
#include "layout/rect.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"

namespace lodra::layout {

struct Segment {
  draw::PlotPoint start;
  draw::PlotPoint end;
};

struct Geometry {
  Rect plot;  // what a scored box is cut to
  std::vector<draw::PlotPoint> points;
  std::vector<Segment> segments;
  std::vector<Filled> regions;

  explicit Geometry(const Rect& plot_area) : plot(plot_area) {}

  // The geometry of what one mark draws; none when it shows nothing.
  static resolve::Coverage of(const Rect& plot, std::span<const scene::Item> items);

  bool empty() const { return points.empty() && segments.empty() && regions.empty(); }

  // Adds what the item shows: the positions of visible markers, the segments of visible
  // strokes, the regions of visible fills, and the same of a group's children. Text adds
  // nothing.
  void append(const scene::Item& item);

  // How much of this data the box hides, within the plot: the points inside (edges included),
  // the segments that meet it, and the filled area inside in square points, summed as they
  // are. Zero when the box misses the plot; +∞ when the box is not finite.
  double coverage(const Rect& box) const;
};

}  // namespace lodra::layout
