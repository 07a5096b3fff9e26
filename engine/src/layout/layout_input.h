// What the layout of one panel works from: the figure, the panel's axes and measured legend, the
// fonts, and the operation whose errors it reports.
#pragma once

#include <string_view>

#include "layout/legend_measure.h"
#include "model/axes.h"
#include "model/figure.h"
#include "text/font_library.h"

namespace lodra::layout {

struct LayoutInput {
  const Figure& figure;
  const Axes& axes;
  const MeasuredLegend& legend;
  const text::FontLibrary& fonts;
  std::string_view context;  // such as "Figure.to_svg()"; copied into every error
};

}  // namespace lodra::layout
