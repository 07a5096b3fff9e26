// Horizontal inset of a plot so that its x tick labels, centred on their ticks, stay inside the
// panel: the plot's left and right edges move inwards, within limits, just enough.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "layout/tick_label.h"

namespace lodra::layout::inset {

// Where the plot's edges may go and where labels must stay.
struct Edges {
  double default_left = 0;   // the plot's left edge without inset
  double most_left = 0;      // the farthest the left edge may move right
  double least_right = 0;    // the farthest the right edge may move left
  double default_right = 0;  // the plot's right edge without inset
  double low = 0;            // labels must not reach left of this
  double high = 0;           // nor right of this
};

// The point at fraction t of the plot width, from its left edge, is at least (lower) or at most
// (upper) `value`.
struct Requirement {
  double value = 0;
  double t = 0;
};

struct Requirements {
  std::vector<Requirement> lower;
  std::vector<Requirement> upper;
};

struct PlotSpan {
  double left = 0;
  double right = 0;
  friend bool operator==(const PlotSpan&, const PlotSpan&) = default;
};

// The limits on the edges, then two requirements per label.
Requirements bounds(const Edges& edges, std::span<const TickLabelExtent> labels);

// The plot's edges that keep every label in place, as wide as they can be and moved as little
// as they must; nothing when the labels cannot fit.
std::optional<PlotSpan> fit_x_labels(const Edges& edges, std::span<const TickLabelExtent> labels);

// The width of the widest label that would fit: with every half width capped at the largest cap
// that lets all labels fit, twice that cap.
double widest_label_that_fits(const Edges& edges, std::span<const TickLabelExtent> labels);

}  // namespace lodra::layout::inset
