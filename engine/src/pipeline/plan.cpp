#include "pipeline/plan.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "layout/grid_layout.h"
#include "layout/grid_request.h"
#include "layout/layout_input.h"
#include "layout/legend_check.h"
#include "layout/panel_bands.h"
#include "layout/panel_slot.h"
#include "layout/plot_size.h"
#include "layout/tick_room.h"
#include "model/shared_axes.h"
#include "pipeline/best_legend.h"
#include "pipeline/panel_fit.h"
#include "pipeline/resolve_groups.h"
#include "pipeline/tick_choice.h"

namespace lodra::pipeline {

namespace {

using layout::PlotSize;
using layout::RoomMode;
using layout::TickRooms;

constexpr double kMargin = layout::kPanelMargin;

// One resolution of every panel's axes with the bands it measures and the slots they solve to.
struct Fitting {
  std::vector<resolve::Resolved> resolved;
  std::vector<layout::PanelBands> bands;
  std::vector<layout::PanelSlot> slots;
};

const resolve::ResolvedAxis& axis_of(const resolve::Resolved& resolved, Side side) {
  return side == Side::X ? resolved.x : resolved.y;
}

std::vector<PlotSize> plot_sizes(std::span<const layout::PanelSlot> slots) {
  std::vector<PlotSize> plots;
  plots.reserve(slots.size());
  for (const layout::PanelSlot& slot : slots) plots.push_back({slot.plot.width, slot.plot.height});
  return plots;
}

class Planner {
 public:
  Planner(const Figure& figure, std::span<const Panel> panels, const text::FontLibrary& fonts,
          std::string_view context)
      : figure_(figure),
        panels_(panels),
        fonts_(fonts),
        context_(context),
        header_(figure_header(figure, panels, fonts)),
        groups_(figure),
        page_width_(figure.width() * 72),
        page_height_(figure.height() * 72),
        single_(figure.grid().rows * figure.grid().cols < 2) {
    for (const Panel& panel : panels) {
      inputs_.push_back({figure, *panel.axes, panel.legend, fonts, context});
      limits_.push_back(resolve::Limits::of(*panel.axes));
      visibility_.push_back(label_visibility(figure, panel.axes->range));
      estimates_.push_back(width_estimate(*panel.axes));
    }
  }

  Result<FigurePlan> run() const {
    // Pass 1: ticks chosen without measuring labels, at estimated plot sizes.
    LODRA_TRY_ASSIGN(Fitting first, fit(rooms_at(RoomMode::Unjudged, estimated_plots())));
    // Pass 2: labels measured at the solved sizes, the search's first answer kept.
    std::vector<PlotSize> plots = plot_sizes(first.slots);
    std::vector<TickChoices> choices = initial_choices(plots);
    Result<Fitting> second = fit(rooms_at(RoomMode::Deferred, plots));
    if (!second || !all_fit(*second)) {
      LODRA_TRY_ASSIGN(second, fit(rooms_of(choices)));
    }
    return place(refine(std::move(*second), std::move(choices)));
  }

 private:
  double column_width() const {
    const Grid& grid = figure_.grid();
    double gap = figure_.theme().panel_gap;
    return std::max((page_width_ - 2 * kMargin - (grid.cols - 1) * gap) / grid.cols, 0.0);
  }
  double row_height() const {
    const Grid& grid = figure_.grid();
    double gap = figure_.theme().panel_gap;
    double free = page_height_ - (header_.height - kMargin) - 2 * kMargin - (grid.rows - 1) * gap;
    return std::max(free / grid.rows, 0.0);
  }

  layout::WidthEstimate width_estimate(const Axes& axes) const {
    if (single_) {
      double width = std::max(page_width_ - 2 * kMargin, 0.0);
      return {kMargin, page_width_ - kMargin, width / 4};
    }
    double column = column_width();
    double gap = figure_.theme().panel_gap;
    double left = kMargin + axes.range.col * (column + gap);
    double width = axes.range.col_span * column + (axes.range.col_span - 1) * gap;
    return {left, left + width, width / 4};
  }

  std::vector<PlotSize> estimated_plots() const {
    std::vector<PlotSize> plots;
    if (single_) {
      double width = std::max(page_width_ - 2 * kMargin, 1.0);
      double height = std::max(page_height_ - (header_.height - kMargin) - 2 * kMargin, 1.0);
      plots.assign(panels_.size(), {width, height});
      return plots;
    }
    double column = column_width();
    double row = row_height();
    double gap = figure_.theme().panel_gap;
    for (const Panel& panel : panels_) {
      const CellRange& range = panel.axes->range;
      plots.push_back({std::max(range.col_span * column + (range.col_span - 1) * gap, 1.0),
                       std::max(range.row_span * row + (range.row_span - 1) * gap, 1.0)});
    }
    return plots;
  }

  // Each panel's rooms at the plot size of its groups, in `mode`.
  std::vector<TickRooms> rooms_at(RoomMode mode, std::span<const PlotSize> plots) const {
    std::vector<TickRooms> rooms;
    rooms.reserve(panels_.size());
    for (std::size_t i = 0; i < panels_.size(); ++i) {
      PlotSize x = group_plot(Side::X, groups_, i, plots, visibility_);
      PlotSize y = group_plot(Side::Y, groups_, i, plots, visibility_);
      rooms.push_back({layout::tick_rooms(figure_, fonts_, mode, x.width, x.height).x,
                       layout::tick_rooms(figure_, fonts_, mode, y.width, y.height).y});
    }
    return rooms;
  }

  std::vector<TickRooms> rooms_of(std::span<const TickChoices> choices) const {
    std::vector<TickRooms> rooms;
    rooms.reserve(choices.size());
    for (const TickChoices& choice : choices) {
      rooms.push_back({choice.x.room(Side::X, figure_, fonts_),
                       choice.y.room(Side::Y, figure_, fonts_)});
    }
    return rooms;
  }

  std::vector<TickChoices> initial_choices(std::span<const PlotSize> plots) const {
    std::vector<TickChoices> choices(panels_.size());
    for (std::size_t i = 0; i < panels_.size(); ++i) {
      choices[i].x.plot = group_plot(Side::X, groups_, i, plots, visibility_);
      choices[i].y.plot = group_plot(Side::Y, groups_, i, plots, visibility_);
    }
    return choices;
  }

  std::vector<resolve::Resolved> resolve(std::span<const TickRooms> rooms) const {
    return resolve_groups(panels_, limits_, groups_, rooms);
  }

  std::vector<layout::PanelBands> measure(std::span<const resolve::Resolved> resolved) const {
    std::vector<layout::PanelBands> bands;
    bands.reserve(panels_.size());
    for (std::size_t i = 0; i < panels_.size(); ++i) {
      bands.push_back(layout::measure_panel(inputs_[i], resolved[i], estimates_[i],
                                            visibility_[i]));
    }
    return bands;
  }

  Result<std::vector<layout::PanelSlot>> solve(std::span<const layout::PanelBands> bands) const {
    const Grid& grid = figure_.grid();
    layout::GridRequest request{.rows = grid.rows,
                                .cols = grid.cols,
                                .figure = figure_,
                                .context = context_,
                                .inputs = inputs_,
                                .page_width = page_width_,
                                .page_height = page_height_,
                                .header_height = header_.height};
    LODRA_TRY_ASSIGN(layout::GridSolution solution, layout::solve_grid(request, bands));
    return std::move(solution.slots);
  }

  Result<Fitting> fit(std::span<const TickRooms> rooms) const {
    Fitting fitting{resolve(rooms), {}, {}};
    fitting.bands = measure(fitting.resolved);
    LODRA_TRY_ASSIGN(fitting.slots, solve(fitting.bands));
    return fitting;
  }

  // Ticks the search chose, not given by the user nor naming categories.
  bool automatic(std::size_t i, Side side) const {
    const resolve::AxisLimits& limits = side == Side::X ? limits_[i].x : limits_[i].y;
    return !limits.ticks().explicit_ticks && !limits.scale.is_category();
  }

  // The free room of the ticks on `side`, their labels measured at `plot`.
  double slack(const resolve::Resolved& resolved, Side side, const PlotSize& plot) const {
    TickRooms rooms = layout::tick_rooms(figure_, fonts_, RoomMode::Judged, plot.width,
                                         plot.height);
    return room_of(rooms, side).slack(axis_of(resolved, side).ticks);
  }

  // Whether every side that shows automatic tick labels fits its panel's solved plot.
  bool all_fit(const Fitting& fitting) const {
    std::vector<PlotSize> plots = plot_sizes(fitting.slots);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
      for (Side side : {Side::X, Side::Y}) {
        if (!shows_labels(visibility_[i], side) || !automatic(i, side)) continue;
        if (!(slack(fitting.resolved[i], side, plots[i]) >= 0)) return false;
      }
    }
    return true;
  }

  std::size_t round_bound(const Fitting& fitting) const {
    std::size_t bound = 0;
    for (const resolve::Resolved& resolved : fitting.resolved) {
      bound += 2 * resolved.x.ticks.size() + 2 * resolved.y.ticks.size() + 1;
    }
    return bound;
  }

  using ChangedSide = std::pair<std::size_t, Side>;

  // Limits the group leaders whose labels collide at their group's plot; sides that cannot
  // lose ticks settle instead.
  std::vector<ChangedSide> tighten(const Fitting& current,
                                   std::vector<TickChoices>& choices) const {
    std::vector<PlotSize> plots = plot_sizes(current.slots);
    std::vector<ChangedSide> changed;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
      for (Side side : {Side::X, Side::Y}) {
        if (leaders(groups_, side)[i] != i || !automatic(i, side)) continue;
        PlotSize plot = group_plot(side, groups_, i, plots, visibility_);
        if (!(slack(current.resolved[i], side, plot) < 0)) continue;
        TickChoice& choice = choices[i].at(side);
        std::size_t count = axis_of(current.resolved[i], side).ticks.size();
        if (count < 3 || choice.state == ChoiceState::Settled) {
          choice.state = ChoiceState::Settled;
          continue;
        }
        bool again = choice.state == ChoiceState::Limited && choice.count == count;
        choice.limit = again ? count - 1 : count;
        choice.state = ChoiceState::Limited;
        choice.count = count;
        choice.plot = plot;
        changed.emplace_back(i, side);
      }
    }
    return changed;
  }

  // Thins crowded tick sets round by round, within a bound, until nothing changes.
  Fitting refine(Fitting current, std::vector<TickChoices> choices) const {
    std::size_t rounds = round_bound(current);
    for (std::size_t round = 0; round < rounds; ++round) {
      std::vector<TickChoices> next = choices;
      std::vector<ChangedSide> changed = tighten(current, next);
      if (changed.empty()) break;
      Fitting candidate{resolve(rooms_of(next)), {}, {}};
      for (auto [i, side] : changed) {
        TickChoice& choice = next[i].at(side);
        layout::TickRoom room = choice.room(side, figure_, fonts_);
        if (room.slack(axis_of(candidate.resolved[i], side).ticks) < 0) {
          choice.state = ChoiceState::Settled;
        }
      }
      candidate.bands = measure(candidate.resolved);
      if (auto slots = solve(candidate.bands)) {
        candidate.slots = std::move(*slots);
        current = std::move(candidate);
        choices = std::move(next);
      } else {
        for (auto [i, side] : changed) choices[i].at(side).state = ChoiceState::Settled;
      }
    }
    return current;
  }

  Result<FigurePlan> place(Fitting fitting) const {
    FigurePlan plan{header_, {}};
    plan.panels.reserve(panels_.size());
    for (std::size_t i = 0; i < panels_.size(); ++i) {
      layout::Layout placed = layout::place_panel(inputs_[i], fitting.resolved[i],
                                                  fitting.bands[i], fitting.slots[i]);
      place_best_legend(figure_.theme(), panels_[i].legend, fitting.resolved[i],
                        panels_[i].marks, placed);
      plan.panels.push_back({std::move(fitting.resolved[i]), std::move(placed)});
    }
    LODRA_TRY(check_fit(plan));
    LODRA_TRY(layout::FigureHeader::check(plan.header, figure_, context_));
    return plan;
  }

  // Whether every text of the placed panels fits.
  Status check_fit(const FigurePlan& plan) const {
    for (std::size_t i = 0; i < plan.panels.size(); ++i) {
      const layout::Layout& placed = plan.panels[i].layout;
      LODRA_TRY(single_ ? layout::placement::check(inputs_[i], placed, true)
                        : check_grid_panel(inputs_[i], placed));
    }
    return {};
  }

  const Figure& figure_;
  std::span<const Panel> panels_;
  const text::FontLibrary& fonts_;
  std::string_view context_;
  layout::FigureHeader header_;
  ShareGroups groups_;
  double page_width_;
  double page_height_;
  bool single_;
  std::vector<layout::LayoutInput> inputs_;
  std::vector<resolve::Limits> limits_;
  std::vector<LabelVisibility> visibility_;
  std::vector<layout::WidthEstimate> estimates_;
};

}  // namespace

Result<FigurePlan> plan(const Figure& figure, std::span<const Panel> panels,
                        const text::FontLibrary& fonts, std::string_view context) {
  return Planner(figure, panels, fonts, context).run();
}

}  // namespace lodra::pipeline
