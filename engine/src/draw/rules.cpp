#include "draw/rules.h"

#include <algorithm>
#include <string>
#include <variant>

#include "draw/axis_numbers.h"
#include "draw/mapping.h"
#include "draw/plot_units.h"

namespace lodra::draw {

namespace {

// A vline's number or category name as an x axis coordinate.
double x_position(const resolve::ResolvedAxis& x, const AxisValue& value) {
  if (const double* number = std::get_if<double>(&value)) return axis_number(x, *number);
  const AxisData name{share_names({std::get<std::string>(value)})};
  return mapping::axis_x(x, name).front();
}

}  // namespace

scene::StrokeStyle rule_stroke(Rgba color, float width, Dash dash) {
  switch (dash) {
    case Dash::Dashed:
      return {{4 * width, 3 * width}, color, width, scene::LineCap::Butt, scene::LineJoin::Round};
    case Dash::Dotted:
      return {{0, 2.5f * width}, color, width, scene::LineCap::Round, scene::LineJoin::Round};
    case Dash::Solid:
      break;
  }
  return {{}, color, width, scene::LineCap::Butt, scene::LineJoin::Round};
}

std::optional<scene::Item> rule_item(const LineClip& clip, double position, bool vertical,
                                     Rgba color, float width, Dash dash) {
  const AxisSpan& across = vertical ? clip.x : clip.y;
  const AxisSpan& along = vertical ? clip.y : clip.x;
  if (!visible(across, double{width} / 2).contains(position)) return std::nullopt;
  const double at = across.to_plot(position);
  const double edge = along.plot_low + along.plot_extent;
  const double start = std::min(along.plot_low, edge);
  const double end = std::max(along.plot_low, edge);
  scene::Path path;
  path.reserve(2);
  if (vertical) {
    path.move_to(at, start);
    path.line_to(at, end);
  } else {
    path.move_to(start, at);
    path.line_to(end, at);
  }
  return scene::Item{scene::Stroke{std::move(path), rule_stroke(color, width, dash)}};
}

void rule_layer(const LineClip& clip, const resolve::Resolved& axes,
                std::span<const resolve::ResolvedMark> marks, std::vector<scene::Item>& items) {
  for (const resolve::ResolvedMark& mark : marks) {
    std::optional<scene::Item> rule;
    if (const auto* line = std::get_if<resolve::HLine>(&mark.kind)) {
      rule = rule_item(clip, axis_number(axes.y, line->y), false, line->color, line->width,
                       line->dash);
    } else if (const auto* line = std::get_if<resolve::VLine>(&mark.kind)) {
      rule = rule_item(clip, x_position(axes.x, line->x), true, line->color, line->width,
                       line->dash);
    }
    if (rule) items.push_back(std::move(*rule));
  }
}

}  // namespace lodra::draw
