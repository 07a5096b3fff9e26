// Scene coordinates: points (1/72 inch) as 32-bit floats, origin at the top-left corner of the
// page, x to the right and y downward.
#pragma once

#include <cmath>
#include <limits>

namespace lodra::scene {

// Narrows a value computed in 64 bits to the scene's 32 bits. Magnitudes beyond the 32-bit
// range become infinities explicitly: a plain cast is undefined there.
inline float narrow(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  if (value > kLargest) return std::numeric_limits<float>::infinity();
  if (value < -kLargest) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

struct Point {
  float x = 0;
  float y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// An axis-aligned rectangle by its top-left corner and its size.
struct Rect {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace lodra::scene
