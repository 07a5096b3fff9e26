#include "resolve/continuous_axis.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "scale/log_math.h"
#include "scale/tick_labels.h"

namespace lodra::resolve {

namespace {

constexpr std::string_view kContext = "Figure.to_scene()";

ContinuousScale default_domain(const ContinuousAxisInputs& axis) {
  return ContinuousScale::default_domain(axis.kind, axis.base);
}

// Data that bypassed validation falls back to the default domain.
ContinuousScale domain_of(const ContinuousAxisInputs& axis, DataRange range) {
  return ContinuousScale::from_extent(axis.kind, range, kContext, axis.base)
      .value_or(default_domain(axis));
}

FittedAxis laid_out(const ContinuousScale& drawn, const AutoTicks& ticks, double floor) {
  return {drawn, positioned(ticks.ticks, drawn), floor};
}

FittedAxis automatic(const ContinuousAxisInputs& axis, std::optional<DataRange> range,
                     Rounding rounding, Padding padding, const TickJudge& judge) {
  ContinuousScale drawn = axis.limits ? *axis.limits : default_domain(axis);
  AutoTicks chosen;
  double floor = drawn.low;
  if (axis.limits || !range) {
    chosen = drawn.auto_ticks(axis.target, judge);
  } else if (ContinuousScale scale = domain_of(axis, *range); rounding == Rounding::Exact) {
    drawn = scale;
    floor = scale.low;
    chosen = scale.auto_ticks(axis.target, judge);
  } else {
    FinishOptions options;
    if (rounding == Rounding::NiceBelowData) options.reference = range->low;
    options.padding =
        is_degenerate(axis.kind, range->low, range->high) ? Padding::NoPad : padding;
    FittedScale fit = scale.fitted(axis.target, options, judge);
    drawn = fit.drawn;
    floor = fit.tick_domain.low;
    chosen = std::move(fit.ticks);
  }
  return laid_out(drawn, ticks::relabel(axis.format, std::move(chosen)), floor);
}

// Without limits, explicit ticks are drawn over the data and every position, padded unless
// fitted exactly.
FittedAxis enclosing_domain(const ContinuousAxisInputs& axis, std::optional<DataRange> range,
                            Rounding rounding, Padding padding) {
  std::optional<DataRange> enclosed = enclosing(range, axis.explicit_ticks->positions);
  if (!enclosed) return {default_domain(axis), {}, default_domain(axis).low};
  bool rounds = rounding != Rounding::Exact;
  if (rounds && axis.kind == ContinuousKind::Linear && padding == Padding::PadKeepZero) {
    enclosed->low = std::min(enclosed->low, 0.0);
    enclosed->high = std::max(enclosed->high, 0.0);
  }
  ContinuousScale scale = domain_of(axis, *enclosed);
  if (!rounds || is_degenerate(axis.kind, enclosed->low, enclosed->high)) {
    return {scale, {}, scale.low};
  }
  Padding mode = padding == Padding::PadKeepZero ? Padding::PadKeepZero : Padding::PadBoth;
  return {padded(scale, mode), {}, scale.low};
}

FittedAxis with_explicit_ticks(const ContinuousAxisInputs& axis, std::optional<DataRange> range,
                               Rounding rounding, Padding padding) {
  FittedAxis fit = axis.limits ? FittedAxis{*axis.limits, {}, axis.limits->low}
                               : enclosing_domain(axis, range, rounding, padding);
  const ContinuousScale& drawn = fit.drawn;
  const ExplicitTicks& given = *axis.explicit_ticks;
  bool labelled = !given.labels.empty();
  assert(!labelled || given.labels.size() == given.positions.size());
  std::vector<double> values;
  std::vector<std::string> labels;
  for (std::size_t i = 0; i < given.positions.size(); ++i) {
    double p = given.positions[i];
    if (!(drawn.low <= p && p <= drawn.high)) continue;
    values.push_back(p);
    if (labelled) labels.push_back(given.labels[i]);
  }
  AutoTicks chosen;
  if (labelled) {
    chosen = AutoTicks::listed(pair(values, std::move(labels)));
  } else {
    labels = drawn.is_log() ? ticks::format_values(values) : ticks::format_given(values);
    chosen = ticks::relabel(axis.format, AutoTicks::listed(pair(values, std::move(labels))));
  }
  fit.ticks = positioned(chosen.ticks, drawn);
  return fit;
}

}  // namespace

FittedAxis continuous(const ContinuousAxisInputs& axis, std::optional<DataRange> range,
                      Rounding rounding, Padding padding, const TickJudge& judge) {
  if (axis.explicit_ticks) return with_explicit_ticks(axis, range, rounding, padding);
  return automatic(axis, range, rounding, padding, judge);
}

std::vector<AxisTick> positioned(std::span<const Tick> ticks, const ContinuousScale& drawn) {
  std::vector<AxisTick> out;
  out.reserve(ticks.size());
  double whole = drawn.is_log() ? log_offset(drawn.high, drawn.low) : drawn.high - drawn.low;
  for (const Tick& tick : ticks) {
    double v = tick.value;
    double position;
    if (!drawn.is_log()) {
      position = (v - drawn.low) / whole;
    } else if (v <= 0) {
      position = std::numeric_limits<double>::quiet_NaN();
    } else {
      position = log_offset(v, drawn.low) / whole;
    }
    if (std::isfinite(position)) out.push_back({tick.label, position});
  }
  return out;
}

std::optional<DataRange> enclosing(std::optional<DataRange> range,
                                   std::span<const double> positions) {
  std::optional<DataRange> out = range;
  for (double p : positions) {
    if (!std::isfinite(p)) continue;
    if (!out) {
      out = DataRange{p, p};
    } else {
      out->low = std::min(out->low, p);
      out->high = std::max(out->high, p);
    }
  }
  return out;
}

}  // namespace lodra::resolve
