// Small panels for layout tests: a figure, hand-made resolved axes, and measuring with the
// built-in fonts.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "layout/label.h"
#include "layout/layout_input.h"
#include "layout/legend_measure.h"
#include "layout/text_styles.h"
#include "model/axes_mut.h"
#include "model/figure.h"
#include "resolve/axis_resolution.h"
#include "text/font_library.h"

namespace lodra::testing {

inline const text::FontLibrary& fonts() { return text::FontLibrary::global(); }

inline layout::Label label(std::string_view text, const scene::TextStyle& style) {
  return layout::measure(fonts(), text, style);
}
inline double tick_width(std::string_view text) {
  return label(text, layout::tick_style(Theme::pigment())).width();
}

inline resolve::ResolvedAxis axis(std::initializer_list<std::pair<const char*, double>> ticks) {
  resolve::ResolvedAxis result{.ticks = {}, .scale = ContinuousScale{}, .floor = 0,
                               .baseline = 0};
  for (const auto& [text, position] : ticks) result.ticks.push_back({text, position});
  return result;
}

// x ticks 0, 50, 100 and y ticks 0, 0.5, 1 across their plots.
inline resolve::Resolved plain_axes() {
  return {axis({{"0", 0}, {"50", 0.5}, {"100", 1}}), axis({{"0", 0}, {"0.5", 0.5}, {"1", 1}})};
}

// A one-panel figure of width × height points.
struct Panel {
  Figure figure;
  layout::MeasuredLegend legend;

  explicit Panel(double width = 288, double height = 216, Theme theme = Theme::pigment())
      : figure(*Figure::make(std::move(theme), width / 72, height / 72)) {
    EXPECT_TRUE(figure.add_axes_at({0, 0}, Scale::linear(), Scale::linear()));
  }

  AxesMut axes() { return *figure.axes_at_mut(0, 0); }
  // Keyed entries with patch swatches at `position`.
  void keyed_legend(LegendPosition position, std::initializer_list<const char*> labels) {
    layout::Legend content;
    for (const char* text : labels) content.keyed.push_back({text, {}});
    legend = layout::MeasuredLegend::measure(figure, content, fonts());
    legend.position = position;
  }
  layout::LayoutInput input() const {
    return {figure, figure.axes().front(), legend, fonts(), "Figure.to_svg()"};
  }
};

}  // namespace lodra::testing
