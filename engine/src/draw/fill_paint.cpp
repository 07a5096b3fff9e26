#include "draw/fill_paint.h"

#include <cmath>
#include <cstdint>

#include "scene/geometry.h"

namespace lodra::draw {

Rgba scaled_alpha(Rgba color, float factor) {
  const float scaled = std::round(static_cast<float>(color.a) * factor);  // halves away from 0
  color.a = scaled > 0.0f ? static_cast<std::uint8_t>(scaled > 255.0f ? 255.0f : scaled) : 0;
  return color;
}

scene::LinearGradient vertical_fade(Rgba color, double start_y, float start_factor,
                                    double end_y, float end_factor) {
  return {{{0.0f, scaled_alpha(color, start_factor)}, {1.0f, scaled_alpha(color, end_factor)}},
          {0.0f, scene::narrow(start_y)},
          {0.0f, scene::narrow(end_y)}};
}

}  // namespace lodra::draw
