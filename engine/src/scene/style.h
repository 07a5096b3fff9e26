// How lines are stroked and text is set.
#pragma once

#include <cstdint>
#include <vector>

#include "color.h"
#include "enums.h"
#include "text/weight.h"

namespace lodra::scene {

enum class LineCap : std::uint8_t { Butt, Round, Square };
enum class LineJoin : std::uint8_t { Miter, Round, Bevel };

struct StrokeStyle {
  std::vector<float> dash;  // alternating on and off lengths in points; empty means solid
  Rgba color;
  float width = 1;
  LineCap cap = LineCap::Butt;
  LineJoin join = LineJoin::Miter;
  friend bool operator==(const StrokeStyle&, const StrokeStyle&) = default;
};

struct TextStyle {
  float size = 0;  // points
  Font font = Font::SourceSerif4;
  text::Weight weight = text::Weight::Regular;
  bool tabular = false;  // digits use fixed-width figures
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};
static_assert(sizeof(TextStyle) == 8, "a text style travels as one 8-byte value");

}  // namespace lodra::scene
