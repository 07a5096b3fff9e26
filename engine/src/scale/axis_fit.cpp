#include "scale/axis_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "scale/log_math.h"
#include "scale/tick_labels.h"
#include "scale/tick_search.h"

namespace lodra {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Log fitting retries with fewer powers at most this many times.
constexpr int kMostThinningLevels = 128;

double lowest_allowed(const ContinuousScale& scale) {
  return scale.is_log() ? kLogFloor : -kLargestMagnitude;
}

// The reference's place in the domain, 0 at the lower end and 1 at the upper one.
double relative_position(const ContinuousScale& scale, double v) {
  if (scale.is_log()) return log_offset(v, scale.low) / log_offset(scale.high, scale.low);
  return (v - scale.low) / (scale.high - scale.low);
}

// Data lying within the lowest 5 % of a domain that starts on a tick sits almost on the axis
// line; one more tick step below lifts it off. Nothing when that does not apply.
std::optional<FittedScale> step_below(const ContinuousScale& scale, const AutoTicks& current,
                                      const FinishOptions& options, int target, int level) {
  if (!options.reference || current.ticks.size() < 2) return std::nullopt;
  double d = relative_position(scale, *options.reference);
  bool contains_zero = !scale.is_log() && scale.low <= 0 && 0 <= scale.high;
  if (!(d >= 0 && d < 0.05) || contains_zero || current.ticks[0].value != scale.low) {
    return std::nullopt;
  }
  double first = current.ticks[0].value;
  double second = current.ticks[1].value;
  double step = second - first;
  if (!std::isfinite(step) || !(step > 0)) return std::nullopt;

  double below = scale.is_log()
                     ? scale.low / std::pow(scale.base, std::round(log_offset(second, first) /
                                                                   std::log(scale.base)))
                     : scale.low - step;
  if (!std::isfinite(below) || !(below < scale.low) || below < lowest_allowed(scale)) {
    return std::nullopt;
  }
  ContinuousScale domain = scale;
  domain.low = below;
  if (scale.is_log()) {
    std::vector<double> values = domain.log_values_with_ends(target, level);
    return FittedScale{domain, domain,
                       AutoTicks::listed(pair(values, ticks::format_values(values)))};
  }
  std::vector<double> values{below};
  for (const Tick& tick : current.ticks) values.push_back(tick.value);
  return FittedScale{domain, domain,
                     AutoTicks::stepped(step, pair(values, ticks::format_ticks(values, step)))};
}

// One fitting attempt at a thinning level.
FittedScale attempt(const ContinuousScale& scale, int n, const FinishOptions& options,
                    const TickJudge& judge, int level) {
  Finished finish(options, judge, n, level);
  ContinuousScale working = scale;
  std::optional<AutoTicks> chosen;
  if (scale.is_log()) {
    working = scale.nice(n);
    std::vector<double> values = working.log_values_with_ends(n, level);
    if (values.size() >= 2) chosen = AutoTicks::listed(pair(values, ticks::format_values(values)));
  } else {
    // Candidates are judged as they will be drawn: rounded out, finished and padded.
    auto verdict = [&](std::span<const double> values) -> ticks::Verdict {
      LooseFit fit = scale.nice_from_loose(values);
      if (!fit.ticks) return finish.deferred() ? ticks::Verdict(kInfinity) : std::nullopt;
      return finish.slack(fit.scale, *fit.ticks);
    };
    std::vector<double> values;
    if (scale.searchable()) {
      values = ticks::extended(n, false, {verdict, judge.least_share()}, scale.low, scale.high);
    }
    LooseFit fit = scale.nice_from_loose(values);
    working = fit.scale;
    chosen = std::move(fit.ticks);
  }
  if (!chosen) chosen = working.auto_ticks(n, finish);
  return working.finished(*std::move(chosen), options, n, level);
}

}  // namespace

ContinuousScale padded(const ContinuousScale& scale, Padding padding) {
  if (padding == Padding::NoPad) return scale;
  double lo = scale.low;
  double hi = scale.high;
  double padded_lo;
  double padded_hi;
  if (scale.is_log()) {
    double factor = std::exp(0.05 * log_offset(hi, lo));
    padded_lo = lo / factor;
    padded_hi = hi * factor;
  } else {
    double pad = (hi - lo) * 0.05;
    bool keep_zero = padding == Padding::PadKeepZero;
    padded_lo = keep_zero && lo == 0 ? lo : lo - pad;
    padded_hi = keep_zero && hi == 0 ? hi : hi + pad;
  }
  padded_lo = std::max(std::min(padded_lo, lo), lowest_allowed(scale));
  if (!std::isfinite(padded_lo)) return scale;
  padded_hi = std::min(std::max(padded_hi, hi), kLargestMagnitude);
  if (!(padded_lo < padded_hi) || !std::isfinite(padded_hi)) return scale;
  ContinuousScale out = scale;
  out.low = padded_lo;
  out.high = padded_hi;
  return out;
}

double Finished::slack(const ContinuousScale& scale, const AutoTicks& ticks) const {
  FittedScale fit = scale.finished(ticks, options_, target_, level_);
  return inner_.slack(fit.drawn, fit.ticks);
}

ContinuousScale ContinuousScale::nice(int target) const {
  ContinuousScale out = *this;
  double lo;
  double hi;
  if (is_log()) {
    double log_base = std::log(base);
    double k_low = std::floor(std::log(low) / log_base);
    double k_high = std::ceil(std::log(high) / log_base);
    if (!std::isfinite(k_low) || !std::isfinite(k_high)) return out;
    // The largest power at or below low, and the smallest at or above high.
    double lower = std::pow(base, k_low);
    if (lower > low) {
      lower = std::pow(base, k_low - 1);
    } else if (std::pow(base, k_low + 1) <= low) {
      lower = std::pow(base, k_low + 1);
    }
    double upper = std::pow(base, k_high);
    if (std::pow(base, k_high - 1) >= high) {
      upper = std::pow(base, k_high - 1);
    } else if (upper < high) {
      upper = std::pow(base, k_high + 1);
    }
    lo = std::max(std::min(lower, low), kLogFloor);
    hi = std::min(std::max(upper, high), kLargestMagnitude);
    if (!std::isfinite(lo) || !std::isfinite(hi) || !(lo < hi)) return out;
    out.low = lo;
    out.high = hi;
    return out;
  }
  if (!searchable()) return out;
  std::vector<double> values =
      ticks::extended(target, false, ticks::CandidateJudge::unjudged(), low, high);
  if (values.empty()) return out;
  out.low = std::max(std::min(values.front(), low), -kLargestMagnitude);
  out.high = std::min(std::max(values.back(), high), kLargestMagnitude);
  return out.searchable() ? out : *this;
}

LooseFit ContinuousScale::nice_from_loose(std::span<const double> values) const {
  ContinuousScale out = *this;
  if (!values.empty()) {
    double lo = std::max(std::min(values.front(), low), lowest_allowed(*this));
    if (std::isfinite(lo)) {
      double hi = std::min(std::max(values.back(), high), kLargestMagnitude);
      if (lo < hi && std::isfinite(hi)) {
        out.low = lo;
        out.high = hi;
      }
    }
  }
  std::vector<double> inside;
  for (double v : values) {
    if (out.low <= v && v <= out.high) inside.push_back(v);
  }
  inside = strictly_increasing(inside);
  if (inside.size() < 2) return {out, std::nullopt};
  double step = inside[1] - inside[0];
  return {out, AutoTicks::stepped(step, pair(inside, ticks::format_ticks(inside, step)))};
}

FittedScale ContinuousScale::finished(AutoTicks ticks, const FinishOptions& options, int target,
                                      int level) const {
  FittedScale fit{*this, *this, std::move(ticks)};
  if (auto below = step_below(*this, fit.ticks, options, target, level)) fit = *std::move(below);
  fit.drawn = padded(fit.tick_domain, options.padding);
  return fit;
}

FittedScale ContinuousScale::fitted(int target, const FinishOptions& options,
                                    const TickJudge& judge) const {
  int n = clamp_target(target);
  FittedScale result = attempt(*this, n, options, judge, 0);
  if (!is_log()) return result;  // linear axes are judged inside the tick search
  for (int level = 0; result.ticks.ticks.size() >= 3 && level < kMostThinningLevels &&
                      judge.slack(result.drawn, result.ticks) < 0;) {
    ++level;
    FittedScale candidate = attempt(*this, n, options, judge, level);
    if (candidate.ticks.ticks.size() < result.ticks.ticks.size()) result = std::move(candidate);
  }
  return result;
}

}  // namespace lodra
