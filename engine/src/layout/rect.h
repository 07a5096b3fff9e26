// An axis-aligned rectangle in layout points (64-bit), y downward.
#pragma once

namespace lodra::layout {

struct Rect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  double right() const { return left + width; }
  double bottom() const { return top + height; }

  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace lodra::layout
