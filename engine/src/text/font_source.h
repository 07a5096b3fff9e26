// How the text code names a face (`FontKey`) and reaches its bytes (`FontHandle`): the built-in
// faces, the extra faces a library was made with, and the faces installed on the machine.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <variant>
#include <vector>

#include "enums.h"
#include "text/face.h"
#include "text/system_font.h"
#include "text/weight.h"

namespace lodra::text {

// A built-in face ready for use; global metrics are unscaled font units, y up.
struct BuiltinFace {
  std::span<const std::uint8_t> bytes;
  std::unique_ptr<Face> face;
  float ascent = 0;
  float descent = 0;  // negative below the baseline
  std::uint16_t units_per_em = 0;
};

using FontBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

// A face supplied when a library is made.
struct ExtraFont {
  FontBytes bytes;
  unsigned index = 0;
};

struct BuiltInKey {
  Font family;
  Weight weight;
  friend bool operator==(const BuiltInKey&, const BuiltInKey&) = default;
};

struct ExtraKey {
  std::uint32_t index;  // into the library's extra faces
  friend bool operator==(const ExtraKey&, const ExtraKey&) = default;
};

struct SystemKey {
  std::uint32_t index;  // into the system face index
  friend bool operator==(const SystemKey&, const SystemKey&) = default;
};

// The face that sets a run of text; keys compare by value.
using FontKey = std::variant<BuiltInKey, ExtraKey, SystemKey>;

// Keeps a run's face reachable for as long as the run lives, even past its library.
using FontHandle = std::variant<std::shared_ptr<const BuiltinFace>, ExtraFont, SystemFont>;

}  // namespace lodra::text
