#include "draw/marker_shape.h"

#include <gtest/gtest.h>

#include <string>

#include "scene/path_text.h"

namespace lodra::draw {
namespace {

using scene::testing::path_of;

TEST(MarkerShape, EveryShapeIsAClosedOutlineAroundTheCentre) {
  struct Case {
    Marker shape;
    double size;
    std::string expected;
  } cases[] = {
      {Marker::Circle, 6,
       "M3 0 C3 1.6568544 1.6568544 3 0 3 C-1.6568544 3 -3 1.6568544 -3 0 "
       "C-3 -1.6568544 -1.6568544 -3 0 -3 C1.6568544 -3 3 -1.6568544 3 0 Z"},
      {Marker::Square, 6, "M-2.658 -2.658 L2.658 -2.658 L2.658 2.658 L-2.658 2.658 Z"},
      {Marker::Triangle, 6,
       "M0 -4.66536092900792 L4.0403211 2.33268046450396 L-4.0403211 2.33268046450396 Z"},
      {Marker::Diamond, 6,
       "M0 -3.75897958932 L3.75897958932 0 L0 3.75897958932 L-3.75897958932 0 Z"},
      {Marker::Cross, 6,
       "M-1 -3 L1 -3 L1 -1 L3 -1 L3 1 L1 1 L1 3 L-1 3 L-1 1 L-3 1 L-3 -1 L-1 -1 Z"},
      // A zero size collapses every outline onto the centre, still one closed subpath.
      {Marker::Square, 0, "M0 0 L0 0 L0 0 L0 0 Z"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(marker_shape(c.shape, c.size), path_of(c.expected))
        << static_cast<int>(c.shape) << " at " << c.size;
  }
}

}  // namespace
}  // namespace lodra::draw
