#include "draw/line_clip.h"

#include <algorithm>

namespace lodra::draw {

PlotPoint LineClip::plot_point(double axis_x, double axis_y) const {
  return {std::clamp(x.to_plot(axis_x), clamp.x_min, clamp.x_max),
          std::clamp(y.to_plot(axis_y), clamp.y_min, clamp.y_max)};
}

Polylines<PlotPoint> LineClip::to_plot(const Polylines<AxisPoint>& polylines) const {
  return polylines.converted([this](AxisPoint p) { return plot_point(p.x, p.y); });
}

}  // namespace lodra::draw
