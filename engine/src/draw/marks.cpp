#include "draw/marks.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <variant>

#include "draw/area.h"
#include "draw/band.h"
#include "draw/bars.h"
#include "draw/boxes.h"
#include "draw/bubbles.h"
#include "draw/error_bars.h"
#include "draw/histogram_bars.h"
#include "draw/line.h"
#include "draw/rules.h"
#include "draw/scatter.h"
#include "draw/spans.h"
#include "draw/stacked_area.h"
#include "draw/stacked_bars.h"
#include "draw/stem.h"
#include "draw/step.h"
#include "draw/violins.h"

namespace lodra::draw {

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

double stroke_width(const resolve::ResolvedMark& mark) {
  return std::visit(
      [](const auto& kind) -> double {
        using K = std::decay_t<decltype(kind)>;
        if constexpr (std::is_same_v<K, resolve::Line> || std::is_same_v<K, resolve::Area> ||
                      std::is_same_v<K, resolve::StepLine> ||
                      std::is_same_v<K, resolve::StackedArea>) {
          return kind.width;
        }
        return 0;
      },
      mark.kind);
}

// Spans and reference lines are drawn in layers of their own.
void data_items(const PanelContext& panel, const resolve::ResolvedMark& mark,
                std::vector<scene::Item>& items) {
  const LineClip& clip = panel.clip;
  const resolve::Resolved& axes = panel.axes;
  const Theme& theme = panel.theme;
  std::visit(
      Overloaded{
          [&](const resolve::Bubbles& m) { bubble_items(clip, axes, theme, m, items); },
          [&](const resolve::Line& m) { line::mark_items(panel, m, items); },
          [&](const resolve::Scatter& m) { scatter_items(clip, axes, theme, m, items); },
          [&](const resolve::Area& m) { area::area_items(panel, m, items); },
          [&](const resolve::Bar& m) { bar::bar_items(clip, axes, theme, m, items); },
          [&](const resolve::GroupedBar& m) { bar::grouped_items(clip, axes, theme, m, items); },
          [&](const resolve::StackedBar& m) { bar::stacked_items(clip, axes, theme, m, items); },
          [&](const resolve::StackedArea& m) {
            stacked_area::stacked_area_items(panel, m, items);
          },
          [&](const resolve::Hist& m) { hist::hist_items(clip, axes, theme, m, items); },
          [&](const resolve::StepLine& m) { step::step_items(panel, m, items); },
          [&](const resolve::Band& m) { band::band_items(panel, m, items); },
          [&](const resolve::Stem& m) { stem::stem_items(panel, m, items); },
          [&](const resolve::BoxPlot& m) { box_items(clip, axes, theme, m, items); },
          [&](const resolve::Violin& m) { violin_items(clip, axes, theme, m, items); },
          [&](const resolve::ErrorBars& m) { error_bar_items(clip, axes, theme, m, items); },
          [](const resolve::HLine&) {},
          [](const resolve::VLine&) {},
          [](const resolve::HSpan&) {},
          [](const resolve::VSpan&) {},
      },
      mark.kind);
}

// How far the clip may reach past the plot on one side: half the widest stroke, but no farther
// than the room there.
double reach(double half_width, double room) {
  const double widening = std::min(half_width, std::max(room, 0.0));
  return std::isnan(widening) ? half_width : widening;
}

}  // namespace

double widest_stroke(std::span<const resolve::ResolvedMark> marks) {
  double widest = 0;
  for (const resolve::ResolvedMark& mark : marks) widest = std::max(widest, stroke_width(mark));
  return widest;
}

scene::Rect marks_clip(const PanelFrame& frame, double widest_stroke) {
  const double half = widest_stroke / 2;
  const double left_limit =
      std::max(frame.cell_left, frame.y_labels_right.value_or(frame.cell_left));
  const double left = reach(half, frame.plot_left - left_limit);
  const double right = reach(half, frame.cell_right - frame.plot_right());
  return {scene::narrow(frame.plot_left - left), scene::narrow(frame.plot_top),
          scene::narrow(frame.plot_width + left + right), scene::narrow(frame.plot_height)};
}

std::optional<scene::Item> marks(const Theme& theme, const resolve::Resolved& axes,
                                 const PanelFrame& frame,
                                 std::span<const resolve::ResolvedMark> marks) {
  const double widest = widest_stroke(marks);
  const PanelContext panel = PanelContext::make(theme, axes, frame, widest);
  std::vector<scene::Item> items;
  span_layer(panel.clip, axes, marks, items);
  for (const resolve::ResolvedMark& mark : marks) data_items(panel, mark, items);
  rule_layer(panel.clip, axes, marks, items);
  if (items.empty()) return std::nullopt;
  return scene::Item{scene::ItemGroup(std::move(items), marks_clip(frame, widest))};
}

}  // namespace lodra::draw
