#include "draw/line.h"

#include <algorithm>

#include "draw/clip.h"
#include "draw/thinning.h"

namespace lodra::draw::line {

AxisLine line_points(const PanelContext& panel, const XySeries& data, double width) {
  AxisLine line{panel.x_values(data.x), panel.y_values(*data.y)};
  const auto kept = thinning::kept_indices(panel, line.xs, line.ys, width);
  if (kept.size() < std::min(line.xs.size(), line.ys.size())) {
    line = {thinning::gathered(line.xs, kept), thinning::gathered(line.ys, kept)};
  }
  return line;
}

scene::StrokeStyle line_style(Dash dash, Rgba color, double width) {
  const float w = scene::narrow(width);
  scene::StrokeStyle style{{}, color, w, scene::LineCap::Round, scene::LineJoin::Round};
  switch (dash) {
    case Dash::Solid:
      break;
    case Dash::Dashed:
      style.dash = {4 * w, 3 * w};
      style.cap = scene::LineCap::Butt;
      break;
    case Dash::Dotted:
      style.dash = {0, 2.5f * w};
      break;
  }
  return style;
}

void line_items(const PanelContext& panel, std::span<const double> xs, std::span<const double> ys,
                const scene::StrokeStyle& style, std::vector<scene::Item>& items) {
  const WidenedClip wide = panel.widened(panel.stroke_margin(style.width));
  const auto pieces = clip::clip_polyline(wide.bounds, xs, ys);
  if (!pieces.empty()) items.push_back(stroke(wide.clip.to_plot(pieces), style));
}

scene::Item stroke(const Polylines<PlotPoint>& pieces, const scene::StrokeStyle& style) {
  scene::Path path;
  path.reserve(pieces.point_count() + pieces.size());
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const auto piece = pieces[i];
    path.move_to(piece[0].x, piece[0].y);
    if (piece.size() == 1) path.line_to(piece[0].x, piece[0].y);
    for (const PlotPoint& p : piece.subspan(1)) path.line_to(p.x, p.y);
  }
  return {scene::Stroke{std::move(path), style}};
}

void mark_items(const PanelContext& panel, const resolve::Line& mark,
                std::vector<scene::Item>& items) {
  const AxisLine points = line_points(panel, mark.data, mark.width);
  line_items(panel, points.xs, points.ys, line_style(mark.dash, mark.color, mark.width), items);
}

}  // namespace lodra::draw::line
