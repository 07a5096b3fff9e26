#include "render/raster_path.h"

#include <algorithm>
#include <variant>

namespace lodra::render {

namespace {

// Tracks the current point in scene precision: quadratic curves are raised from it.
struct SegmentTracer {
  cairo_t* context;
  scene::Point current;

  void operator()(const scene::Line& line) {
    cairo_line_to(context, line.to.x, line.to.y);
    current = line.to;
  }
  void operator()(const scene::Cubic& cubic) {
    cairo_curve_to(context, cubic.control1.x, cubic.control1.y, cubic.control2.x,
                   cubic.control2.y, cubic.to.x, cubic.to.y);
    current = cubic.to;
  }
  void operator()(const scene::Quad& quad) {
    const double x0 = current.x, y0 = current.y;
    const double cx = quad.control.x, cy = quad.control.y, x = quad.to.x, y = quad.to.y;
    cairo_curve_to(context, x0 + 2.0 / 3.0 * (cx - x0), y0 + 2.0 / 3.0 * (cy - y0),
                   x + 2.0 / 3.0 * (cx - x), y + 2.0 / 3.0 * (cy - y), x, y);
    current = quad.to;
  }
};

}  // namespace

void trace_path(cairo_t* context, const scene::NormalizedPath& path) {
  cairo_new_path(context);
  SegmentTracer tracer{context, {}};
  for (const scene::Subpath& subpath : path.subpaths()) {
    cairo_move_to(context, subpath.start.x, subpath.start.y);
    tracer.current = subpath.start;
    for (const scene::PathSegment& segment : path.segments(subpath)) std::visit(tracer, segment);
    if (subpath.closed) cairo_close_path(context);
  }
}

scene::Bounds path_bounds(const scene::NormalizedPath& path) {
  scene::Point first = path.subpaths().front().start;
  scene::Bounds box{first.x, first.y, first.x, first.y};
  auto add = [&box](scene::Point p) {
    box = {std::min(box.min_x, p.x), std::min(box.min_y, p.y), std::max(box.max_x, p.x),
           std::max(box.max_y, p.y)};
  };
  for (const scene::Subpath& subpath : path.subpaths()) {
    add(subpath.start);
    for (const scene::PathSegment& segment : path.segments(subpath)) {
      std::visit([&add](const auto& s) {
        if constexpr (requires { s.control1; }) add(s.control1), add(s.control2);
        if constexpr (requires { s.control; }) add(s.control);
        add(s.to);
      }, segment);
    }
  }
  return box;
}

}  // namespace lodra::render
