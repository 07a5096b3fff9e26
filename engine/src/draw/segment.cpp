#include "draw/segment.h"

#include <utility>

namespace lodra::draw {

scene::Item segment(double x0, double y0, double x1, double y1, scene::StrokeStyle style) {
  scene::Path path;
  path.reserve(2);
  path.move_to(x0, y0);
  path.line_to(x1, y1);
  return scene::Item{scene::Stroke{std::move(path), std::move(style)}};
}

}  // namespace lodra::draw
