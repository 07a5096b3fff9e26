// How a step line holds each value: a horizontal stretch between two edges, placed by the
// step position. Drawing and direct labels both take their stretches from `holds`.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "enums.h"

namespace lodra {

// An end of a hold: at point i, or midway between points i and j.
struct Edge {
  enum class Kind : std::uint8_t { At, Mid };
  Kind kind = Kind::At;
  std::size_t i = 0;
  std::size_t j = 0;  // for Mid only

  static Edge at(std::size_t i) { return {Kind::At, i, i}; }
  static Edge mid(std::size_t i, std::size_t j) { return {Kind::Mid, i, j}; }

  // The x of this edge; a midpoint stays between its two points despite rounding.
  double position(std::span<const double> x) const;

  friend bool operator==(const Edge&, const Edge&) = default;
};

struct Hold {
  Edge start;
  Edge end;
  std::size_t point = 0;  // the index whose value is held
  friend bool operator==(const Hold&, const Hold&) = default;
};

// One hold per point whose x and y are both finite, in order. `x` holds numbers (the positions
// of the categories on a category axis) and has as many values as `y`.
std::vector<Hold> holds(std::span<const double> x, std::span<const double> y, Step position);

}  // namespace lodra
