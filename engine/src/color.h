// Colours as the engine stores them (Rgba) and as the user gives them (ColorSpec).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "error.h"

namespace lodra {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;

  // "#RRGGBB" or "#RRGGBBAA", either case.
  static Result<Rgba> hex(std::string_view code);
  // An opaque colour from three channels in 0..255.
  static Result<Rgba> from_ints(std::int64_t r, std::int64_t g, std::int64_t b);
  // The colour with alpha = opacity × 255, rounded half away from zero and clamped.
  Rgba with_alpha(float opacity) const;

  // 0xRRGGBBAA, the form colours take across the Python boundary.
  std::uint32_t packed() const;
  static Rgba unpacked(std::uint32_t rgba);

  friend bool operator==(const Rgba&, const Rgba&) = default;
};

// An opacity in 0.0..1.0.
struct Alpha {
  float value = 1.0f;
  static Result<Alpha> make(double value);
  friend bool operator==(const Alpha&, const Alpha&) = default;
};

struct NamedColor {
  std::string_view name;
  Rgba rgba;
};
extern const std::array<NamedColor, 12> kNamedColors;

// A colour before the theme is known: the next palette colour, a palette entry, or exact.
struct ColorSpec {
  enum class Kind : std::uint8_t { Auto, Palette, Exact };
  Kind kind = Kind::Auto;
  Alpha alpha;              // for Auto and Palette
  std::int64_t index = 0;   // for Palette
  Rgba rgba;                // for Exact

  static ColorSpec automatic(Alpha alpha = {}) { return {Kind::Auto, alpha, 0, {}}; }
  static Result<ColorSpec> palette(std::int64_t index, Alpha alpha);
  static ColorSpec exact(Rgba rgba) { return {Kind::Exact, {}, 0, rgba}; }

  friend bool operator==(const ColorSpec&, const ColorSpec&) = default;
};

// The colour itself where only a concrete colour is allowed (theme colours); `value_name` is how
// the message names the value, such as "value" or "colors[2]".
Result<Rgba> concrete(const ColorSpec& spec, std::string_view context, std::string_view parameter,
                      std::string_view value_name);

}  // namespace lodra
