// The colour that fills of areas, bands and stacked areas paint with: the series colour, lighter.
#pragma once

#include <cmath>
#include <cstdint>

#include "color.h"

namespace lodra::draw {

inline constexpr double kFillOpacity = 0.32;

// The colour with its alpha multiplied by kFillOpacity × `factor`, rounded half away from zero
// and clamped to 0..255.
inline Rgba fill_color(Rgba color, double factor = 1) {
  double alpha = std::round(color.a * kFillOpacity * factor);
  if (!(alpha > 0)) alpha = 0;
  if (alpha > 255) alpha = 255;
  color.a = static_cast<std::uint8_t>(alpha);
  return color;
}

}  // namespace lodra::draw
