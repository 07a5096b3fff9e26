// Stroke widths the chrome reads from the theme.
#pragma once

#include <algorithm>
#include <cmath>

namespace lodra::draw {

inline constexpr float kWidestThemeStroke = 10000.0f;

// The width clamped to 0..10000 points; a negative or non-finite width draws nothing.
inline float theme_width(float width) {
  if (!std::isfinite(width) || width < 0.0f) return 0.0f;
  return std::min(width, kWidestThemeStroke);
}

}  // namespace lodra::draw
