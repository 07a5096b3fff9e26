// The ten built-in font files, compiled into the library as read-only bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "enums.h"
#include "text/weight.h"

namespace lodra::text {

inline constexpr std::size_t kBuiltinFaceCount = 10;

// Faces stand in `Font` order, regular before semibold.
constexpr std::size_t face_index(Font family, Weight weight) {
  return static_cast<std::size_t>(family) * 2 + static_cast<std::size_t>(weight);
}

// The font file of built-in face `index` (below kBuiltinFaceCount).
std::span<const std::uint8_t> builtin_font_bytes(std::size_t index);

}  // namespace lodra::text
