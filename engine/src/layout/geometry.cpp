#include "layout/geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "draw/clip.h"
#include "layout/contours.h"

namespace lodra::layout {

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

bool is_visible(const scene::StrokeStyle& stroke) {
  return stroke.color.a > 0 && stroke.width > 0;
}

bool is_visible(const scene::FillPaint& paint) {
  return std::visit(
      Overloaded{
          [](const Rgba& color) { return color.a > 0; },
          [](const scene::LinearGradient& gradient) {
            return std::ranges::any_of(gradient.stops,
                                       [](const scene::GradientStop& s) { return s.color.a > 0; });
          },
      },
      paint);
}

bool is_visible(const scene::Markers& markers) {
  return (markers.fill && markers.fill->a > 0) || (markers.stroke && is_visible(*markers.stroke));
}

// The box cut to the plot, in the form the clippers take; none when they do not meet. A
// finite box cuts to a finite rectangle whatever the plot holds.
std::optional<draw::ClipRect> cut_to(const Rect& box, const Rect& plot) {
  const draw::ClipRect cut{std::max(box.left, plot.left), std::max(box.top, plot.top),
                           std::min(box.right(), plot.right()),
                           std::min(box.bottom(), plot.bottom())};
  if (!(cut.x_min <= cut.x_max && cut.y_min <= cut.y_max)) return std::nullopt;
  return cut;
}

}  // namespace

resolve::Coverage Geometry::of(const Rect& plot, std::span<const scene::Item> items) {
  Geometry geometry(plot);
  for (const scene::Item& item : items) geometry.append(item);
  if (geometry.empty()) return nullptr;
  return std::make_shared<const Geometry>(std::move(geometry));
}

void Geometry::append(const scene::Item& item) {
  std::visit(
      Overloaded{
          [&](const scene::Markers& m) {
            if (!is_visible(m)) return;
            for (scene::Point p : m.points) points.push_back({p.x, p.y});
          },
          [&](const scene::Stroke& s) {
            if (!is_visible(s.stroke)) return;
            const Contours contours = coverage::contours(s.path);
            for (std::size_t i = 0; i < contours.size(); ++i) {
              const auto line = contours[i];
              for (std::size_t k = 0; k + 1 < line.size(); ++k) {
                segments.push_back({line[k], line[k + 1]});
              }
            }
          },
          [&](const scene::Fill& f) {
            if (!is_visible(f.paint)) return;
            Filled region(coverage::contours(f.path), f.even_odd);
            if (!region.empty()) regions.push_back(std::move(region));
          },
          [](const scene::Text&) {},
          [&](const scene::ItemGroup& g) {
            for (const scene::Item& child : g.items) append(child);
          },
      },
      item.kind);
}

double Geometry::coverage(const Rect& box) const {
  if (!std::isfinite(box.left) || !std::isfinite(box.top) || !std::isfinite(box.width) ||
      !std::isfinite(box.height)) {
    return std::numeric_limits<double>::infinity();
  }
  const auto cut = cut_to(box, plot);
  if (!cut) return 0;
  double score = 0;
  for (const draw::PlotPoint& p : points) score += cut->contains(p.x, p.y) ? 1 : 0;
  for (const Segment& s : segments) {
    score += draw::clip::clip_segment(*cut, s.start.x, s.start.y, s.end.x, s.end.y) ? 1 : 0;
  }
  for (const Filled& region : regions) score += region.area_within(*cut);
  return score;
}

}  // namespace lodra::layout
