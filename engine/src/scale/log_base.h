// The base of a logarithmic scale.
#pragma once

#include "error.h"

namespace lodra {

// Bases closer to 1 would make neighbouring tick exponents collapse into one value.
inline constexpr double kMinLogBase = 1.000000000001;

struct LogBase {
  double value = 10.0;

  // A finite base of at least kMinLogBase.
  static Result<LogBase> make(double base);

  friend bool operator==(const LogBase&, const LogBase&) = default;
};

}  // namespace lodra
