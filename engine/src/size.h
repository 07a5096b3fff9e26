// A size as the user gives it: the theme's, a multiple of the theme's, or points.
#pragma once

#include <cstdint>

#include "error.h"

namespace lodra {

struct SizeSpec {
  enum class Kind : std::uint8_t { Auto, Times, Points };
  Kind kind = Kind::Auto;
  double value = 0.0;

  static SizeSpec automatic() { return {}; }
  // 0 < factor <= 10.
  static Result<SizeSpec> times(double factor);
  // 0 < points <= 72.
  static Result<SizeSpec> pt(double points);

  friend bool operator==(const SizeSpec&, const SizeSpec&) = default;
};

}  // namespace lodra
