// Where a segment crosses an axis-parallel line, from an exactly evaluated cross product: no
// cancellation however close to parallel the segment or however large its coordinates, so that
// clipped outlines meet the frame without gaps or spikes.
#pragma once

#include <optional>

namespace lodra::draw::clip {

// The y at which the line through (x0, y0) and (x1, y1) meets x = c, for c within [x0, x1]:
// r + D / (x1 − x0) with D = (c − x0)(y1 − y0) − (r − y0)(x1 − x0) evaluated exactly, so the only
// roundings are those of D, the division and the addition. `r` is a reference near the answer
// (callers pass the middle of the edge crossed). Callers swap coordinates for lines y = c.
// None for a vertical segment, c outside [x0, x1], non-finite input or a non-finite answer.
std::optional<double> crossing(double x0, double y0, double x1, double y1, double c, double r);

// The two evaluations of D / (x1 − x0) behind `crossing`, for inputs it accepts. The fast one
// scales the inputs and works on exact pairs of doubles; it gives up (none) when a scaling or a
// product's rounding error is not exact. The exact one works on binary fractions.
std::optional<double> fast_offset(double x0, double y0, double x1, double y1, double c,
                                  double r);
std::optional<double> exact_offset(double x0, double y0, double x1, double y1, double c,
                                   double r);

}  // namespace lodra::draw::clip
