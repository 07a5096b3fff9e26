#include "draw/opacity.h"

#include <cmath>
#include <cstdint>

namespace lodra::draw {

Rgba times_alpha(Rgba color, float factor) {
  const float scaled = std::round(static_cast<float>(color.a) * factor);
  color.a = scaled > 0.0f ? static_cast<std::uint8_t>(scaled > 255.0f ? 255.0f : scaled) : 0;
  return color;
}

}  // namespace lodra::draw
