// Tick placement inside a fixed domain: powers of the base on log scales, nice steps on linear
// ones, each checked against the judge.
#include <algorithm>
#include <cmath>
#include <limits>

#include "scale/continuous_scale.h"
#include "scale/log_math.h"
#include "scale/saturating.h"
#include "scale/tick_labels.h"
#include "scale/tick_search.h"

namespace lodra {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Extra target counts a pass tries after the requested one.
constexpr int kExtraTargets = 6;

// Thinning stops at a set that fits, or when the judge cannot tell.
bool settled(double slack) { return slack >= 0 || std::isnan(slack); }

AutoTicks listed_values(std::span<const double> values) {
  return AutoTicks::listed(pair(values, ticks::format_values(values)));
}

std::int64_t ceil_div(std::int64_t a, std::int64_t b) {
  return a / b + (a % b != 0 && (a < 0) == (b < 0) ? 1 : 0);
}

}  // namespace

AutoTicks ContinuousScale::auto_ticks(int target, const TickJudge& judge) const {
  int n = clamp_target(target);
  if (!is_log()) return linear_ticks(n, judge);
  auto first = lowest_exponent(low, base);
  auto last = highest_exponent(high, base);
  if (!first || !last || *first >= *last) return linear_ticks(n, judge);

  std::int64_t span = saturating_sub(*last, *first);
  std::int64_t powers = saturating_add(span, 1);
  std::int64_t stride = powers > 2 * n ? std::max<std::int64_t>(ceil_div(powers, n), 1) : 1;
  auto current = every_power(*first, *last, stride, low, high, base);
  if (!current) return linear_ticks(n, judge);

  // Thin out powers until the labels fit or two remain.
  for (auto m = static_cast<std::int64_t>(current->ticks.size()); m > 2; --m) {
    if (settled(judge.slack(*this, *current))) break;
    auto thinner = every_power(*first, *last, std::max(stride, ceil_div(span, m - 2)), low, high,
                               base);
    if (thinner && thinner->ticks.size() < current->ticks.size()) current = std::move(thinner);
  }
  return *std::move(current);
}

AutoTicks ContinuousScale::linear_ticks(int target, const TickJudge& judge) const {
  int n = clamp_target(target);
  if (!searchable()) {
    // Too narrow or too wide for nice steps: evenly spaced values, fewer until they fit.
    for (int k = n;; k = clamp_target(k - 1)) {
      std::vector<double> values;
      for (int i = 0; i < k; ++i) {
        double t = static_cast<double>(i) / (k - 1);
        values.push_back(std::clamp(t * high + (1 - t) * low, low, high));
      }
      AutoTicks ticks = listed_values(strictly_increasing(values));
      if (k < 3 || judge.slack(*this, ticks) >= 0) return ticks;
    }
  }

  double share = is_log() ? 0 : judge.least_share();
  // A candidate leaving fewer than two ticks inside fits on the first pass and gets no verdict
  // on the second.
  auto pass = [&](ticks::Verdict without_ticks) {
    auto verdict = [&](std::span<const double> values) -> ticks::Verdict {
      auto inside = inside_ticks(values);
      if (!inside) return without_ticks;
      return judge.slack(*this, *inside);
    };
    ticks::CandidateJudge candidates{verdict, share};
    for (int t = n; t <= n + kExtraTargets; ++t) {
      if (auto inside = inside_ticks(ticks::extended(t, true, candidates, low, high))) {
        return *std::move(inside);
      }
    }
    const double ends[] = {low, high};
    return listed_values(ends);
  };

  AutoTicks first = pass(kInfinity);
  if (!judge.deferred() && !(judge.slack(*this, first) >= 0)) return pass(std::nullopt);
  return first;
}

std::optional<AutoTicks> ContinuousScale::every_power(std::int64_t first, std::int64_t last,
                                                      std::int64_t stride, double low,
                                                      double high, double base) {
  if (last < first) return std::nullopt;
  stride = std::max<std::int64_t>(stride, 1);
  std::vector<double> values;
  for (std::int64_t k = first;;) {
    double v = power(base, k);
    if (std::isfinite(v) && v > 0 && low * 0.999999999 <= v && v <= high * 1.000000001) {
      values.push_back(v);
    }
    if (__builtin_add_overflow(k, stride, &k) || k > last) break;
  }
  if (values.size() < 2) return std::nullopt;
  return listed_values(values);
}

std::optional<AutoTicks> ContinuousScale::inside_ticks(std::span<const double> values) const {
  double tolerance = (high - low) * 1e-9;
  std::vector<double> kept;
  for (double v : values) {
    bool inside = is_log() ? v > 0 && low <= v && v <= high
                           : low - tolerance <= v && v <= high + tolerance;
    if (inside) kept.push_back(v);
  }
  if (kept.size() < 2) return std::nullopt;
  double step = kept[1] - kept[0];
  if (!is_log()) {
    for (double& v : kept) {
      if (std::fabs(v - low) <= tolerance) v = low;
    }
    for (double& v : kept) {
      if (std::fabs(v - high) <= tolerance) v = high;
    }
  }
  kept = strictly_increasing(kept);
  std::vector<Tick> made = pair(kept, ticks::format_ticks(kept, step));
  if (!is_log()) return AutoTicks::stepped(step, std::move(made));
  // A small power among large ones can round to "0"; it reads as its own value instead.
  for (Tick& tick : made) {
    if (tick.value > 0 && tick.label == "0") {
      const double value[] = {tick.value};
      tick.label = std::move(ticks::format_values(value).front());
    }
  }
  return AutoTicks::listed(std::move(made));
}

std::vector<double> ContinuousScale::log_values_with_ends(int target, int level) const {
  std::vector<double> values;
  auto first = lowest_exponent(low, base);
  auto last = highest_exponent(high, base);
  if (first && last && *last >= *first) {
    std::int64_t span = saturating_sub(*last, *first);
    std::int64_t powers = saturating_add(span, 1);
    std::int64_t wanted = std::min<std::int64_t>(saturating_mul(2, target), powers);
    std::int64_t keep =
        std::min(std::max<std::int64_t>(saturating_sub(wanted, level), 2), wanted);
    for (std::int64_t i = 0; i < keep; ++i) {
      std::int64_t exponent =
          keep == powers
              ? saturating_add(*first, i)
              : saturating_add(*first, saturating_int(std::round(static_cast<double>(i) *
                                                                  static_cast<double>(span) /
                                                                  static_cast<double>(keep - 1))));
      double v = power(base, exponent);
      if (low * 0.999999999 <= v && v <= high * 1.000000001) values.push_back(v);
    }
  }

  bool low_added = values.empty() || !(std::fabs(values.front() - low) <= 1e-9 * low);
  if (low_added) {
    values.insert(values.begin(), low);
  } else {
    values.front() = low;
  }
  bool high_added = !(std::fabs(values.back() - high) <= 1e-9 * high);
  if (high_added) {
    values.push_back(high);
  } else {
    values.back() = high;
  }

  if (low_added || high_added) {
    // Powers crowding an added end would collide with its label.
    std::int64_t remaining = std::max<std::int64_t>(saturating_sub(target, level), 0);
    double gap = 0.5 / static_cast<double>(std::max<std::int64_t>(remaining, 2) - 1);
    double whole = log_offset(high, low);
    auto crowds_an_end = [&](double v) {
      double p = log_offset(v, low) / whole;
      return (low_added && p < gap) || (high_added && 1 - p < gap);
    };
    if (values.size() > 2) {
      auto interior = std::remove_if(values.begin() + 1, values.end() - 1, crowds_an_end);
      values.erase(interior, values.end() - 1);
    }
  }
  return strictly_increasing(values);
}

}  // namespace lodra
