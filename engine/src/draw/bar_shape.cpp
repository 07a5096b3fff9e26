#include "draw/bar_shape.h"

#include <algorithm>
#include <cmath>

namespace lodra::draw::bar_shape {

namespace {

// A quarter circle as a cubic: the control points lie this fraction of the radius from the ends.
constexpr double kKappa = 0.5522847498307935;

}  // namespace

scene::Path rounded_rect(double x0, double x1, double base, double tip, double base_radius,
                         double tip_radius) {
  const double left = std::fmin(x0, x1);
  const double right = std::fmax(x0, x1);
  const double width = right - left;
  const double length = std::fabs(tip - base);
  scene::Path path;
  if (!std::isfinite(tip - base) || tip == base || !std::isfinite(width) || !(width > 0)) {
    return path;
  }
  const double d = tip > base ? 1.0 : -1.0;
  const double r = std::min({std::fmax(tip_radius, 0.0), width / 2, length});
  const double b = std::min({std::fmax(base_radius, 0.0), width / 2, length - r});
  const double kr = kKappa * r;
  const double kb = kKappa * b;

  path.reserve(b > 0 ? 10 : 6);
  path.move_to(left, b > 0 ? base + d * b : base);
  if (r > 0) {
    path.line_to(left, tip - d * r);
    path.cubic_to(left, tip - d * r + d * kr, left + r - kr, tip, left + r, tip);
    path.line_to(right - r, tip);
    path.cubic_to(right - r + kr, tip, right, tip - d * r + d * kr, right, tip - d * r);
  } else {
    path.line_to(left, tip);
    path.line_to(right, tip);
  }
  path.line_to(right, b > 0 ? base + d * b : base);
  if (b > 0) {
    path.cubic_to(right, base + d * b - d * kb, right - b + kb, base, right - b, base);
    path.line_to(left + b, base);
    path.cubic_to(left + b - kb, base, left, base + d * b - d * kb, left, base + d * b);
  }
  path.close();
  return path;
}

}  // namespace lodra::draw::bar_shape
