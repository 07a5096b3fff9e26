#include "scale/log_base.h"

#include <cmath>

namespace lodra {

Result<LogBase> LogBase::make(double base) {
  constexpr std::string_view context = "Scale.log()";
  if (!std::isfinite(base) || !(base > 1.0)) {
    return fail(ErrorKind::Style, context, "base", "",
                cat("base is ", display_number(base),
                    "; a log base must be finite and greater than 1."));
  }
  if (base < kMinLogBase) {
    return fail(ErrorKind::Style, context, "base",
                "use base 10 or 2, or a linear scale for evenly spaced ticks.",
                cat("base is ", display_number(base),
                    "; a log base must be at least 1.000000000001 so tick exponents remain "
                    "distinct."));
  }
  return LogBase{base};
}

}  // namespace lodra
