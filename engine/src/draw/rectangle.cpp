#include "draw/rectangle.h"

namespace lodra::draw {

scene::Path rectangle(PlotPoint corner, PlotPoint opposite) {
  scene::Path path;
  path.reserve(5);
  path.move_to(corner.x, corner.y);
  path.line_to(opposite.x, corner.y);
  path.line_to(opposite.x, opposite.y);
  path.line_to(corner.x, opposite.y);
  path.close();
  return path;
}

}  // namespace lodra::draw
