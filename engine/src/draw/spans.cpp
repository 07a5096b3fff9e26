#include "draw/spans.h"

#include <array>
#include <cmath>
#include <variant>

#include "draw/axis_numbers.h"
#include "draw/fill_opacity.h"
#include "draw/fill_paint.h"
#include "draw/plot_units.h"
#include "draw/rectangle.h"

namespace lodra::draw {

namespace {

// A span from `low` to `high` across x (vertical) or y, both data values on that axis.
void add_span(const LineClip& clip, const resolve::ResolvedAxis& axis, bool vertical,
              double low, double high, Rgba color, std::vector<scene::Item>& items) {
  const std::vector<double> ends = axis_numbers(axis, std::array{low, high});
  if (std::isnan(ends[0]) || std::isnan(ends[1])) return;
  const AxisSpan& across = vertical ? clip.x : clip.y;
  const AxisSpan& along = vertical ? clip.y : clip.x;
  const ExtendedRange window = visible(across);
  const double from = window.clamp(ends[0]);
  const double to = window.clamp(ends[1]);
  if (!(from < to)) return;
  const double start = across.to_plot(from);
  const double end = across.to_plot(to);
  const double edge = along.plot_low + along.plot_extent;
  const PlotPoint corner =
      vertical ? PlotPoint{start, along.plot_low} : PlotPoint{along.plot_low, start};
  const PlotPoint opposite = vertical ? PlotPoint{end, edge} : PlotPoint{edge, end};
  items.push_back(scene::Item{
      scene::Fill{rectangle(corner, opposite), scaled_alpha(color, kFillOpacity), false}});
}

}  // namespace

void span_layer(const LineClip& clip, const resolve::Resolved& axes,
                std::span<const resolve::ResolvedMark> marks, std::vector<scene::Item>& items) {
  for (const resolve::ResolvedMark& mark : marks) {
    if (const auto* span = std::get_if<resolve::HSpan>(&mark.kind)) {
      add_span(clip, axes.y, false, span->low, span->high, span->color, items);
    } else if (const auto* span = std::get_if<resolve::VSpan>(&mark.kind)) {
      add_span(clip, axes.x, true, span->low, span->high, span->color, items);
    }
  }
}

}  // namespace lodra::draw
