#include "size.h"

#include <cmath>

namespace lodra {

Result<SizeSpec> SizeSpec::times(double factor) {
  if (factor > 0.0 && factor <= 10.0) return SizeSpec{Kind::Times, factor};
  std::string_view hint;
  if (factor <= 0.0) {
    hint = "use Size.AUTO for the theme's size, or a factor below 1 for a smaller one.";
  } else if (std::isfinite(factor)) {
    hint = "use Size.pt() for a size in points.";
  }
  return fail(ErrorKind::Style, "Size.times()", "factor", hint,
              cat("factor is ", display_number(factor),
                  "; a size factor must be greater than 0 and at most 10."));
}

Result<SizeSpec> SizeSpec::pt(double points) {
  if (points > 0.0 && points <= 72.0) return SizeSpec{Kind::Points, points};
  std::string_view hint = points <= 0.0 ? "use Size.AUTO for the theme's size." : "";
  return fail(ErrorKind::Style, "Size.pt()", "points", hint,
              cat("points is ", display_number(points),
                  "; a size in points must be greater than 0 and at most 72."));
}

}  // namespace lodra
