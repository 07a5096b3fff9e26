#include "draw/legend_swatch.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "draw/error_bars.h"
#include "draw/fill_opacity.h"
#include "draw/fill_paint.h"
#include "draw/marker_shape.h"
#include "draw/rectangle.h"
#include "draw/segment.h"

namespace lodra::draw {

namespace {

constexpr float kHaloWidth = 0.8f;

// Where a swatch is drawn: its box, the middle of its row and its stroke width or size.
struct SwatchFrame {
  double x;
  double top;
  double width;
  double height;
  double cy;
  double w;
  Rgba color;

  double right() const { return x + width; }
  double bottom() const { return top + height; }
};

SwatchFrame frame_of(const layout::RowEntry& entry) {
  const layout::Rect& box = entry.swatch_box;
  return {.x = box.left,
          .top = box.top,
          .width = box.width,
          .height = box.height,
          .cy = box.top + box.height / 2,
          .w = entry.stroke,
          .color = entry.swatch.color};
}

scene::StrokeStyle solid(Rgba color, double width) {
  return {{}, color, scene::narrow(width), scene::LineCap::Butt, scene::LineJoin::Miter};
}

scene::Item fill(scene::Path path, Rgba color) {
  return scene::Item{scene::Fill{std::move(path), color}};
}

scene::Item stroke(scene::Path path, scene::StrokeStyle style) {
  return scene::Item{scene::Stroke{std::move(path), std::move(style)}};
}

scene::Item marker(const SwatchFrame& f, const Theme& theme) {
  const float opacity = std::max(theme.marker_alpha, 0.0f);
  const scene::StrokeStyle halo = solid(theme.background, kHaloWidth);
  return scene::Item{scene::Markers{marker_shape(Marker::Circle, 2 * f.w),
                                    {{scene::narrow(f.x + f.width / 2), scene::narrow(f.cy)}},
                                    halo,
                                    scaled_alpha(f.color, opacity)}};
}

scene::Item line(const SwatchFrame& f, Dash dash) {
  scene::StrokeStyle style{{}, f.color, scene::narrow(f.w), scene::LineCap::Round,
                           scene::LineJoin::Round};
  double inset = std::min(f.w / 2, f.width / 2);
  if (std::isnan(inset)) inset = f.w / 2;
  switch (dash) {
    case Dash::Solid:
      break;
    case Dash::Dashed:
      style.dash = {scene::narrow(4 * f.w), scene::narrow(3 * f.w)};
      style.cap = scene::LineCap::Butt;
      inset = 0;
      break;
    case Dash::Dotted:
      style.dash = {0.0f, scene::narrow(2.5 * f.w)};
      break;
  }
  return segment(f.x + inset, f.cy, f.right() - inset, f.cy, std::move(style));
}

// The box inset by a quarter of the stroke width on every side.
SwatchFrame inset(const SwatchFrame& f) {
  const double q = f.w / 4;
  SwatchFrame inner = f;
  inner.x += q;
  inner.top += q;
  inner.width -= 2 * q;
  inner.height -= 2 * q;
  return inner;
}

scene::Item box(const SwatchFrame& f) {
  const SwatchFrame in = inset(f);
  scene::Path outline = rectangle({in.x, in.top}, {in.right(), in.bottom()});
  std::vector<scene::Item> items;
  items.reserve(3);
  items.push_back(fill(outline, scaled_alpha(f.color, kFillOpacity)));
  items.push_back(stroke(std::move(outline), solid(f.color, f.w / 2)));
  items.push_back(segment(in.x, f.cy, in.right(), f.cy, solid(f.color, f.w)));
  return scene::Item{scene::ItemGroup{std::move(items)}};
}

scene::Item violin(const SwatchFrame& f) {
  const SwatchFrame in = inset(f);
  const double middle = in.x + in.width / 2;
  scene::Path lens;
  lens.reserve(4);
  lens.move_to(middle, in.top);
  lens.cubic_to(in.right(), in.top, in.right(), in.bottom(), middle, in.bottom());
  lens.cubic_to(in.x, in.bottom(), in.x, in.top, middle, in.top);
  lens.close();
  std::vector<scene::Item> items;
  items.reserve(2);
  items.push_back(fill(lens, scaled_alpha(f.color, kFillOpacity)));
  items.push_back(stroke(std::move(lens), solid(f.color, f.w / 2)));
  return scene::Item{scene::ItemGroup{std::move(items)}};
}

scene::Item error_bar(const SwatchFrame& f, ErrorBarDirection orientation, const Theme& theme) {
  const bool vertical = orientation == ErrorBarDirection::AlongY;
  const double middle = f.x + f.width / 2;
  const PlotPoint from = vertical ? PlotPoint{middle, f.top + f.w / 2}
                                  : PlotPoint{f.x + f.w / 2, f.cy};
  const PlotPoint to = vertical ? PlotPoint{middle, f.bottom() - f.w / 2}
                                : PlotPoint{f.right() - f.w / 2, f.cy};
  scene::Path path;
  push_bar(path, from, to, vertical, {true, true}, theme.cap_width);
  return stroke(std::move(path), solid(f.color, f.w));
}

}  // namespace

scene::Item dot(Rgba color, double x, double y, double size) {
  return fill(marker_shape(Marker::Circle, size).translated(x, y), color);
}

void push_swatch(const layout::RowEntry& entry, const Theme& theme,
                 std::vector<scene::Item>& items) {
  const SwatchFrame f = frame_of(entry);
  switch (entry.swatch.kind) {
    case layout::SwatchKind::Marker:
      items.push_back(marker(f, theme));
      return;
    case layout::SwatchKind::Line:
      items.push_back(line(f, entry.swatch.dash));
      return;
    case layout::SwatchKind::Dot:
      items.push_back(dot(f.color, f.x + f.width / 2, f.cy, f.width));
      return;
    case layout::SwatchKind::Patch:
      items.push_back(fill(rectangle({f.x, f.top}, {f.right(), f.bottom()}), f.color));
      return;
    case layout::SwatchKind::Box:
      items.push_back(box(f));
      return;
    case layout::SwatchKind::Violin:
      items.push_back(violin(f));
      return;
    case layout::SwatchKind::ErrorBar:
      items.push_back(error_bar(f, entry.swatch.orientation, theme));
      return;
  }
}

}  // namespace lodra::draw
