#include "layout/swatch.h"

#include <algorithm>
#include <cmath>

namespace lodra::layout {

namespace {

// The theme's line width as a swatch length unit: 0 when negative or not finite, at most 10000.
double line_unit(const Theme& theme) {
  double width = theme.line_width;
  if (!std::isfinite(width) || width < 0.0) return 0.0;
  return std::min(width, 10000.0);
}

}  // namespace

SwatchBox swatch_box(const Swatch& swatch, double text_size, const Theme& theme) {
  const double s = text_size;
  const double c = swatch.size;
  switch (swatch.kind) {
    case SwatchKind::Marker: {
      double side = 2.0 * c + 0.8;  // the bubble and its 0.8 pt outline
      return {side, side, c};
    }
    case SwatchKind::Line: {
      double length = 10.0 * line_unit(theme);
      double stroke = std::min({c, 0.8 * s, length});
      return {length, stroke, stroke};
    }
    case SwatchKind::Dot:
      return {c, c, c};
    case SwatchKind::Patch:
      return {0.8 * s, 0.8 * s, 0.0};
    case SwatchKind::Box:
    case SwatchKind::Violin:
      return {0.8 * s, 0.8 * s, std::min(c, 0.4 * s)};
    case SwatchKind::ErrorBar: {
      double stroke = std::min(c, 0.25 * s);
      double length = 1.1 * s + stroke;
      double cross = std::max(static_cast<double>(theme.cap_width), stroke);
      if (swatch.orientation == ErrorBarDirection::AlongY) return {cross, length, stroke};
      return {length, cross, stroke};
    }
  }
  return {};
}

Swatch chip_swatch(const Swatch& swatch, double text_size) {
  Swatch dot = swatch;
  dot.kind = SwatchKind::Dot;
  dot.size = 0.6 * text_size;
  return dot;
}

}  // namespace lodra::layout
