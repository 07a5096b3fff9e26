// How a legend entry shows its series: the kind of small drawing beside the label, and the box
// it takes.
#pragma once

#include <cstdint>

#include "color.h"
#include "enums.h"
#include "model/marks.h"
#include "theme.h"

namespace lodra::layout {

enum class SwatchKind : std::uint8_t { Marker, Line, Dot, Patch, Box, Violin, ErrorBar };

struct Swatch {
  SwatchKind kind = SwatchKind::Patch;
  Rgba color;
  // The series' own size or width: a marker's radius, a line's or outline's stroke width, a
  // dot's diameter, an error bar's stroke width.
  double size = 0;
  Dash dash = Dash::Solid;                                      // lines
  ErrorBarDirection orientation = ErrorBarDirection::AlongY;  // error bars

  friend bool operator==(const Swatch&, const Swatch&) = default;
};

// The box a swatch is drawn in and the stroke width or size it is drawn with.
struct SwatchBox {
  double width = 0;
  double height = 0;
  double stroke = 0;

  friend bool operator==(const SwatchBox&, const SwatchBox&) = default;
};

// The box of `swatch` in a legend whose text size is `text_size`.
SwatchBox swatch_box(const Swatch& swatch, double text_size, const Theme& theme);

// With chips every swatch is a dot of 0.6 × the text size.
Swatch chip_swatch(const Swatch& swatch, double text_size);

}  // namespace lodra::layout
