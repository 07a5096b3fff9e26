#include "draw/panel_context.h"

#include <limits>
#include <variant>

#include "draw/mapping.h"

#include "scale/log_math.h"

namespace lodra::draw {

AxisSpan axis_bounds(const resolve::ResolvedAxis& axis) {
  const auto* scale = std::get_if<ContinuousScale>(&axis.scale);
  if (scale == nullptr) return {0, 1, 0, 1};
  if (scale->is_log()) return {0, log_offset(scale->high, scale->low), 0, 1};
  return {scale->low, scale->high, 0, 1};
}

PanelContext PanelContext::make(const Theme& theme, const resolve::Resolved& axes,
                                const PanelFrame& frame, double widest_stroke) {
  AxisSpan x = axis_bounds(axes.x);
  x.plot_low = frame.plot_left;
  x.plot_extent = frame.plot_width;
  AxisSpan y = axis_bounds(axes.y);
  y.plot_low = frame.plot_bottom();
  y.plot_extent = -frame.plot_height;
  const ClipRect plot{frame.plot_left, frame.plot_top, frame.plot_right(), frame.plot_bottom()};
  return {theme, axes, frame, LineClip{x, y, plot}, widest_stroke};
}

WidenedClip PanelContext::widened(double margin) const {
  const double dx = margin * x_per_point();
  const double dy = margin * y_per_point();
  LineClip wide = clip;
  wide.clamp = {clip.clamp.x_min - margin, clip.clamp.y_min - margin, clip.clamp.x_max + margin,
                clip.clamp.y_max + margin};
  return {{clip.x.low - dx, clip.y.low - dy, clip.x.high + dx, clip.y.high + dy}, wide};
}

double PanelContext::baseline_value() const {
  return clip.y.low + axes.y.baseline * (clip.y.high - clip.y.low);
}

bool PanelContext::x_is_continuous() const {
  return std::holds_alternative<ContinuousScale>(axes.x.scale);
}

std::vector<double> PanelContext::x_values(const AxisData& x) const {
  return mapping::axis_x(axes.x, x);
}

std::vector<double> PanelContext::y_values(std::span<const double> y) const {
  if (const auto* scale = std::get_if<ContinuousScale>(&axes.y.scale)) {
    return mapping::continuous_values(y, *scale);
  }
  return std::vector<double>(y.size(), std::numeric_limits<double>::quiet_NaN());
}

}  // namespace lodra::draw
