// The number renderings under every tick label: plain shortest digits, a fixed count of
// decimals, and exponent form; all with the typographic minus sign.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lodra::ticks {

// Decimals and precisions stay far below the renderer's limit of 65535.
using Digits = std::uint16_t;

// `decimals` absent: the shortest digits that read back as `value`, never in exponent form
// (1e-7 -> 0.0000001). Present: the exact value rounded to that many decimals, ties to even.
std::string fixed(double value, std::optional<Digits> decimals = std::nullopt);

// Exponent form: 1500 -> 1.5e3, 0.00001 -> 1e−5. With a precision the mantissa is rounded to
// that many significant digits and its trailing zeros dropped; without one it is the shortest
// that reads back as `value`. Infinities and NaN read as in `fixed`.
std::string scientific(double value, std::optional<Digits> precision = std::nullopt);

// `value` rounded to `precision` significant decimal digits.
double round_significant(Digits precision, double value);

}  // namespace lodra::ticks
