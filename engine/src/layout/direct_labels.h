// Labels written at the ends of their lines, right of the plot, moved apart vertically so that
// they do not overlap.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "color.h"
#include "layout/label.h"
#include "layout/legend.h"
#include "layout/rect.h"
#include "resolve/axis_resolution.h"
#include "scene/style.h"
#include "text/font_library.h"

namespace lodra::layout {

struct MeasuredDirect;
struct MeasuredLegend;

// Between the edge of the end dot and a direct label.
inline constexpr double kEndDotGap = 6.0;

// The dot drawn at the end of a line.
struct EndDot {
  double y = 0;
  double size = 0;
  friend bool operator==(const EndDot&, const EndDot&) = default;
};

struct DirectLabel {
  double anchor_x = 0;
  std::optional<EndDot> dot;
  std::optional<Label> label;  // placed
  Rgba color;
};

struct DirectLabels {
  // Each entry's label in `style`.
  static std::vector<MeasuredDirect> measure(std::span<const DirectEntry> entries,
                                             const scene::TextStyle& style,
                                             const text::FontLibrary& fonts);
  // The labels and end dots of `legend` beside the plot rectangle `plot`.
  static std::vector<DirectLabel> placed(const MeasuredLegend& legend, const Rect& plot,
                                         const resolve::Resolved& axes);
};

}  // namespace lodra::layout
