#include "draw/marks.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <variant>

#include "draw/area.h"
#include "draw/band.h"
#include "draw/bars.h"
#include "draw/histogram_bars.h"
#include "draw/line.h"
#include "draw/stacked_area.h"
#include "draw/stacked_bars.h"
#include "draw/stem.h"
#include "draw/step.h"

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

bool is_rule(const resolve::ResolvedMark& mark) {
  return std::holds_alternative<resolve::HLine>(mark.kind) ||
         std::holds_alternative<resolve::VLine>(mark.kind);
}

void data_items(const PanelContext& panel, const resolve::ResolvedMark& mark,
                std::vector<scene::Item>& items) {
  std::visit(Overloaded{
                 [&](const resolve::Line& m) { line::mark_items(panel, m, items); },
                 [&](const resolve::Area& m) { area::area_items(panel, m, items); },
                 [&](const resolve::Bar& m) {
                   bar::bar_items(panel.clip, panel.axes, panel.theme, m, items);
                 },
                 [&](const resolve::GroupedBar& m) {
                   bar::grouped_items(panel.clip, panel.axes, panel.theme, m, items);
                 },
                 [&](const resolve::StackedBar& m) {
                   bar::stacked_items(panel.clip, panel.axes, panel.theme, m, items);
                 },
                 [&](const resolve::StackedArea& m) {
                   stacked_area::stacked_area_items(panel, m, items);
                 },
                 [&](const resolve::Hist& m) {
                   hist::hist_items(panel.clip, panel.axes, panel.theme, m, items);
                 },
                 [&](const resolve::StepLine& m) { step::step_items(panel, m, items); },
                 [&](const resolve::Band& m) { band::band_items(panel, m, items); },
                 [&](const resolve::Stem& m) { stem::stem_items(panel, m, items); },
                 [](const auto&) {},
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
  const double left_limit = std::max(frame.cell_left, frame.y_labels_right.value_or(frame.cell_left));
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
  for (const resolve::ResolvedMark& mark : marks) {
    if (!is_rule(mark)) data_items(panel, mark, items);
  }
  if (items.empty()) return std::nullopt;
  return scene::Item{scene::ItemGroup(std::move(items), marks_clip(frame, widest))};
}

}  // namespace lodra::draw
