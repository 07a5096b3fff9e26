#include "resolve/axis_resolution.h"

#include <cmath>
#include <limits>

#include "scale/log_math.h"

namespace lodra::resolve {

namespace {

ContinuousAxisInputs continuous_inputs(const AxisLimits& side, int target) {
  const AxisTicks& ticks = side.ticks();
  std::optional<ExplicitTicks> explicit_ticks;
  if (ticks.explicit_ticks) {
    const TickList& list = *ticks.explicit_ticks;
    explicit_ticks = ExplicitTicks{list.positions, list.labeled
                                                       ? std::span<const std::string>(list.labels)
                                                       : std::span<const std::string>()};
  }
  ContinuousKind kind = side.scale.is_log() ? ContinuousKind::Log : ContinuousKind::Linear;
  return {kind, side.scale.base, side.limits(), explicit_ticks, ticks.format, target};
}

// Reference lines and spans.
bool is_reference(const ResolvedMark& mark) {
  return std::holds_alternative<HLine>(mark.kind) || std::holds_alternative<VLine>(mark.kind) ||
         std::holds_alternative<HSpan>(mark.kind) || std::holds_alternative<VSpan>(mark.kind);
}

// Marks that span exactly their x data: lines, areas, steps and bands.
bool spans_exact_x(const ResolvedMark& mark) {
  return std::holds_alternative<Line>(mark.kind) || std::holds_alternative<Area>(mark.kind) ||
         std::holds_alternative<StackedArea>(mark.kind) ||
         std::holds_alternative<StepLine>(mark.kind) || std::holds_alternative<Band>(mark.kind);
}

// Marks whose bars, areas or stems rise from zero.
bool rises_from_zero(const ResolvedMark& mark) {
  return std::holds_alternative<Area>(mark.kind) || std::holds_alternative<Bar>(mark.kind) ||
         std::holds_alternative<GroupedBar>(mark.kind) ||
         std::holds_alternative<StackedBar>(mark.kind) ||
         std::holds_alternative<StackedArea>(mark.kind) ||
         std::holds_alternative<Hist>(mark.kind) || std::holds_alternative<Stem>(mark.kind);
}

ResolvedAxis categorical(GroupMarks marks) {
  CategoryScale scale;
  for (std::span<const ResolvedMark> panel : marks) {
    for (const ResolvedMark& mark : panel) scale.extend(mark.x_categories());
  }
  std::vector<AxisTick> ticks = category_ticks(scale);
  return {std::move(ticks), std::move(scale), 0.0, 0.0};
}

// (b − low) / (high − low) in the scale's terms; 0 when that is not finite.
NormalizedPos position_of(double value, const ContinuousScale& scale) {
  double position;
  if (!scale.is_log()) {
    position = (value - scale.low) / (scale.high - scale.low);
  } else if (value <= 0.0) {
    position = std::numeric_limits<double>::quiet_NaN();
  } else {
    position = log_offset(value, scale.low) / log_offset(scale.high, scale.low);
  }
  return std::isfinite(position) ? position : 0.0;
}

}  // namespace

Limits Limits::of(const Axes& axes) {
  return {{axes.x_scale, axes.x_settings}, {axes.y_scale, axes.y_settings}};
}

ResolvedAxis resolve_x(GroupMarks marks, const AxisLimits& x, const TickJudge& judge,
                       int target) {
  if (x.scale.is_category()) return categorical(marks);
  std::optional<DataRange> range;
  bool rounded_data = false;
  bool exact_data = false;
  bool references = false;
  for (std::span<const ResolvedMark> panel : marks) {
    for (const ResolvedMark& mark : panel) {
      std::optional<DataRange> own = mark.x_numbers().extent();
      if (!own) continue;
      range = combined(range, own);
      if (is_reference(mark)) {
        references = true;
      } else if (spans_exact_x(mark)) {
        exact_data = true;
      } else {
        rounded_data = true;
      }
    }
  }
  bool rounds = rounded_data || (references && !exact_data);
  FittedAxis fit = continuous(continuous_inputs(x, target), range,
                              rounds ? Rounding::Nice : Rounding::Exact, Padding::PadBoth, judge);
  return {std::move(fit.ticks), fit.drawn, fit.floor, 0.0};
}

ResolvedAxis resolve_y(GroupMarks marks, const AxisLimits& y, const TickJudge& judge,
                       int target) {
  std::optional<DataRange> range;
  bool anchored = false;
  for (std::span<const ResolvedMark> panel : marks) {
    for (const ResolvedMark& mark : panel) {
      std::optional<DataRange> own = mark.y_values().extent();
      if (!own) continue;
      range = combined(range, own);
      anchored = anchored || rises_from_zero(mark);
    }
  }
  bool keeps_zero = anchored && !y.scale.is_log();
  if (keeps_zero) range = combined(range, DataRange{0.0, 0.0});
  FittedAxis fit = continuous(continuous_inputs(y, target), range, Rounding::NiceBelowData,
                              keeps_zero ? Padding::PadKeepZero : Padding::PadBoth, judge);
  const ContinuousScale& drawn = fit.drawn;
  bool zero_inside = !drawn.is_log() && drawn.low <= 0.0 && 0.0 <= drawn.high;
  NormalizedPos baseline = position_of(zero_inside ? 0.0 : fit.floor, drawn);
  return {std::move(fit.ticks), drawn, fit.floor, baseline};
}

}  // namespace lodra::resolve
