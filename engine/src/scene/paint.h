// How a filled area is painted: one colour or a linear gradient.
#pragma once

#include <variant>
#include <vector>

#include "color.h"
#include "scene/geometry.h"

namespace lodra::scene {

struct GradientStop {
  float offset = 0;  // position along the gradient, meant to lie in 0..1
  Rgba color;
  friend bool operator==(const GradientStop&, const GradientStop&) = default;
};

// Runs along the line from `start` to `end` in scene coordinates; colours are constant
// perpendicular to it and extend beyond both ends with the end stops' colours.
struct LinearGradient {
  std::vector<GradientStop> stops;  // in any order
  Point start;
  Point end;
  friend bool operator==(const LinearGradient&, const LinearGradient&) = default;
};

// A solid colour or a linear gradient.
using FillPaint = std::variant<Rgba, LinearGradient>;

}  // namespace lodra::scene
