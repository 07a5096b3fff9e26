#include "draw/bar_span.h"

#include <cmath>

#include "scale/log_math.h"

namespace lodra::draw {

std::optional<double> BarSpan::axis_value(double value) const {
  if (!std::isfinite(value)) return std::nullopt;
  if (!scale_.is_log()) return value;
  if (!(value > 0)) return std::nullopt;
  return log_offset(value, scale_.low);
}

double points_as_units(const AxisSpan& span, double points) {
  return points * ((span.high - span.low) / std::fabs(span.plot_extent));
}

ExtendedRange BarSpan::extended(double margin_points) const {
  const double margin = units(margin_points);
  return {span_.low - margin, span_.high + margin};
}

double BarSpan::baseline(NormalizedPos baseline) const {
  if (!scale_.is_log()) return 0;
  return span_.low + baseline * (span_.high - span_.low);
}

}  // namespace lodra::draw
