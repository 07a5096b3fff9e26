// Polylines written as nested lists, for comparing whole clip results at once.
#pragma once

#include <vector>

#include "draw/polylines.h"

namespace lodra::draw::testing {

template <class Point>
std::vector<std::vector<Point>> nested(const Polylines<Point>& polylines) {
  std::vector<std::vector<Point>> pieces;
  for (std::size_t i = 0; i < polylines.size(); ++i) {
    pieces.emplace_back(polylines[i].begin(), polylines[i].end());
  }
  return pieces;
}

}  // namespace lodra::draw::testing
