#include "draw/error_bars.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "draw/axis_numbers.h"
#include "draw/mapping.h"
#include "draw/plot_units.h"

namespace lodra::draw {

namespace {

// Positions of horizontal bars: numbers along the y axis.
std::vector<double> y_positions(const resolve::ResolvedAxis& y, const AxisData& positions) {
  if (const SharedFloats* numbers = positions.numbers()) return axis_numbers(y, **numbers);
  return std::vector<double>(positions.size(), std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

void push_bar(scene::Path& path, PlotPoint from, PlotPoint to, bool vertical, BarCaps caps,
              double cap_width) {
  path.move_to(from.x, from.y);
  path.line_to(to.x, to.y);
  const double half = cap_width / 2;
  const auto cap = [&](PlotPoint end) {
    if (vertical) {
      path.move_to(end.x - half, end.y);
      path.line_to(end.x + half, end.y);
    } else {
      path.move_to(end.x, end.y - half);
      path.line_to(end.x, end.y + half);
    }
  };
  if (caps.at_from) cap(from);
  if (caps.at_to) cap(to);
}

void error_bar_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                     const resolve::ErrorBars& mark, std::vector<scene::Item>& items) {
  const bool vertical = mark.orientation == ErrorBarDirection::AlongY;
  const std::vector<double> positions = vertical ? mapping::axis_x(axes.x, mark.positions)
                                                 : y_positions(axes.y, mark.positions);
  const std::vector<double> lows = vertical ? axis_numbers(axes.y, *mark.low)
                                            : mapping::axis_x(axes.x, AxisData{mark.low});
  const std::vector<double> highs = vertical ? axis_numbers(axes.y, *mark.high)
                                             : mapping::axis_x(axes.x, AxisData{mark.high});
  const AxisSpan& along = vertical ? clip.x : clip.y;   // where the bars stand
  const AxisSpan& across = vertical ? clip.y : clip.x;  // what the bars span
  const double cap_width = theme.cap_width;
  const ExtendedRange stands =
      visible(along, std::max(double{mark.width}, mark.caps ? cap_width : 0) / 2);
  const ExtendedRange spans = visible(across);
  const auto point = [&](double position, double value) {
    return vertical ? to_plot(clip, position, value) : to_plot(clip, value, position);
  };

  scene::Path path;
  const std::size_t count = std::min({positions.size(), lows.size(), highs.size()});
  for (std::size_t i = 0; i < count; ++i) {
    const double position = positions[i], low = lows[i], high = highs[i];
    if (std::isnan(low) || std::isnan(high) || !stands.contains(position)) continue;
    const double from = std::max(low, spans.low);
    const double to = std::min(high, spans.high);
    if (from > to) continue;
    const BarCaps caps{mark.caps && spans.contains(low), mark.caps && spans.contains(high)};
    push_bar(path, point(position, from), point(position, to), vertical, caps, cap_width);
  }
  if (path.verbs().empty()) return;
  const scene::StrokeStyle stroke{
      {}, mark.color, mark.width, scene::LineCap::Butt, scene::LineJoin::Miter};
  items.push_back(scene::Item{scene::Stroke{std::move(path), stroke}});
}

}  // namespace lodra::draw
