#include "draw/marker_shape.h"

#include <initializer_list>

namespace lodra::draw {

namespace {

struct Corner {
  double x;
  double y;
};

scene::Path polygon(std::initializer_list<Corner> corners) {
  scene::Path path;
  path.reserve(corners.size() + 1);
  bool first = true;
  for (Corner c : corners) {
    if (first) {
      path.move_to(c.x, c.y);
      first = false;
    } else {
      path.line_to(c.x, c.y);
    }
  }
  path.close();
  return path;
}

// Four cubic quarter arcs, their control points along the tangents.
scene::Path circle(double r) {
  const double k = 0.5522848 * r;
  scene::Path path;
  path.reserve(6);
  path.move_to(r, 0);
  path.cubic_to(r, k, k, r, 0, r);
  path.cubic_to(-k, r, -r, k, -r, 0);
  path.cubic_to(-r, -k, -k, -r, 0, -r);
  path.cubic_to(k, -r, r, -k, r, 0);
  path.close();
  return path;
}

scene::Path triangle(double size) {
  const double a = 1.3467737 * size;
  const double h = 1.7320508 * a / 2;
  return polygon({{0, -2 * h / 3}, {a / 2, h / 3}, {-a / 2, h / 3}});
}

scene::Path cross(double size) {
  const double h = size / 2;
  const double t = size / 6;
  return polygon({{-t, -h}, {t, -h}, {t, -t}, {h, -t}, {h, t}, {t, t}, {t, h}, {-t, h},
                  {-t, t}, {-h, t}, {-h, -t}, {-t, -t}});
}

}  // namespace

scene::Path marker_shape(Marker shape, double size) {
  switch (shape) {
    case Marker::Square: {
      const double d = 0.886 * size / 2;
      return polygon({{-d, -d}, {d, -d}, {d, d}, {-d, d}});
    }
    case Marker::Triangle:
      return triangle(size);
    case Marker::Diamond: {
      const double d = 0.886 * size * 0.70710677;
      return polygon({{0, -d}, {d, 0}, {0, d}, {-d, 0}});
    }
    case Marker::Cross:
      return cross(size);
    case Marker::Circle:
      break;
  }
  return circle(size / 2);
}

}  // namespace lodra::draw
