#include "color.h"

#include <cmath>

namespace lodra {

namespace {

constexpr std::string_view kHexContext = "Color.hex()";

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool is_hex_code(std::string_view code) {
  if ((code.size() != 7 && code.size() != 9) || code.front() != '#') return false;
  for (char c : code.substr(1)) {
    if (hex_digit(c) < 0) return false;
  }
  return true;
}

std::uint8_t hex_pair(std::string_view code, std::size_t at) {
  return static_cast<std::uint8_t>(hex_digit(code[at]) * 16 + hex_digit(code[at + 1]));
}

}  // namespace

Result<Rgba> Rgba::hex(std::string_view code) {
  if (!is_hex_code(code)) {
    return fail(ErrorKind::Style, kHexContext, "code", "",
                cat(quoted_whole(code), " is not a hex color; use #RRGGBB or #RRGGBBAA."));
  }
  std::uint8_t alpha = code.size() == 9 ? hex_pair(code, 7) : 255;
  return Rgba{hex_pair(code, 1), hex_pair(code, 3), hex_pair(code, 5), alpha};
}

Result<Rgba> Rgba::from_ints(std::int64_t r, std::int64_t g, std::int64_t b) {
  const std::pair<std::string_view, std::int64_t> channels[] = {{"r", r}, {"g", g}, {"b", b}};
  for (auto [name, value] : channels) {
    if (value < 0 || value > 255) {
      return fail(ErrorKind::Style, "Color.rgb()", name, "",
                  cat(name, " is ", value, "; each channel must be between 0 and 255."));
    }
  }
  return Rgba{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
              static_cast<std::uint8_t>(b), 255};
}

Rgba Rgba::with_alpha(float opacity) const {
  double scaled = std::round(double{opacity} * 255.0);  // halves away from zero
  if (!(scaled > 0.0)) scaled = 0.0;
  if (scaled > 255.0) scaled = 255.0;
  return Rgba{r, g, b, static_cast<std::uint8_t>(scaled)};
}

std::uint32_t Rgba::packed() const {
  return (std::uint32_t{r} << 24) | (std::uint32_t{g} << 16) | (std::uint32_t{b} << 8) | a;
}

Rgba Rgba::unpacked(std::uint32_t rgba) {
  return Rgba{static_cast<std::uint8_t>(rgba >> 24), static_cast<std::uint8_t>(rgba >> 16),
              static_cast<std::uint8_t>(rgba >> 8), static_cast<std::uint8_t>(rgba)};
}

Result<Alpha> Alpha::make(double value) {
  if (!(value >= 0.0 && value <= 1.0)) {
    return fail(ErrorKind::Style, "Color.alpha()", "a", "",
                cat("alpha is ", display_number(value), "; alpha must be between 0.0 and 1.0."));
  }
  return Alpha{static_cast<float>(value)};
}

const std::array<NamedColor, 12> kNamedColors = {{
    {"BLACK", {0x1A, 0x1A, 0x1A, 255}},
    {"WHITE", {0xFF, 0xFF, 0xFF, 255}},
    {"GRAY", {0x8C, 0x8C, 0x8C, 255}},
    {"RED", {0xD6, 0x49, 0x33, 255}},
    {"ORANGE", {0xE8, 0x85, 0x3D, 255}},
    {"YELLOW", {0xE9, 0xB9, 0x49, 255}},
    {"GREEN", {0x4E, 0x9A, 0x5E, 255}},
    {"TEAL", {0x2E, 0x8B, 0x8B, 255}},
    {"BLUE", {0x33, 0x66, 0xB8, 255}},
    {"PURPLE", {0x7D, 0x5B, 0xA6, 255}},
    {"PINK", {0xD4, 0x6A, 0x92, 255}},
    {"BROWN", {0x7A, 0x52, 0x36, 255}},
}};

Result<ColorSpec> ColorSpec::palette(std::int64_t index, Alpha alpha) {
  if (index < 0) {
    return fail(ErrorKind::Style, "Color.palette()", "index",
                "indexes start at 0 and wrap around the palette.",
                cat("index is ", index, "; a palette index must be 0 or greater."));
  }
  return ColorSpec{Kind::Palette, alpha, index, {}};
}

Result<Rgba> concrete(const ColorSpec& spec, std::string_view context, std::string_view parameter,
                      std::string_view value_name) {
  if (spec.kind == ColorSpec::Kind::Exact) return spec.rgba;
  std::string shown = spec.kind == ColorSpec::Kind::Auto
                          ? std::string("Color.AUTO")
                          : cat("Color.palette(", spec.index, ")");
  return fail(ErrorKind::Style, context, parameter, "use Color.hex(), Color.rgb() or a named color.",
              cat(value_name, " is ", shown, "; theme colors must be concrete colors."));
}

}  // namespace lodra
