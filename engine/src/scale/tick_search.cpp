#include "scale/tick_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "scale/saturating.h"
#include "scale/tick.h"

namespace lodra::ticks {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Nice steps in order of preference; a step's index counts against its simplicity.
constexpr std::array<double, 6> kNiceSteps = {1, 5, 2, 2.5, 4, 3};

constexpr int kMostSkips = 50;
constexpr int kMostTicks = 50;
constexpr double kHighestPower = 399;
constexpr std::int64_t kMostStarts = 1'000'000;

// Score weights of simplicity, coverage, density and legibility.
constexpr double kSimplicityWeight = 0.25;
constexpr double kCoverageWeight = 0.2;
constexpr double kDensityWeight = 0.5;
constexpr double kLegibilityWeight = 0.05;

// What candidates are scored against.
struct Interval {
  double lo;
  double hi;
  double range;
  int target;
};

double simplicity(double nice_index, double skip, double start, double step, double last) {
  double ratio = start / step;
  bool whole = std::fabs(ratio - std::round(ratio)) <= std::max(std::fabs(ratio), 1.0) * 0x1p-50;
  bool has_zero = whole && start <= 0 && last >= 0;
  return 1 - nice_index / 5 - skip + (has_zero ? 1 : 0);
}

// 0.5 (a² + b²) / (0.1 range)², what coverage loses to the misses a and b at the ends; divided
// first when the squares or the denominator would leave the normal range.
double squared_miss(double a, double b, double range) {
  double unit = 0.1 * range;
  double denominator = unit * unit;
  if (std::isfinite(a * a) && std::isfinite(b * b) && std::isnormal(denominator)) {
    return 0.5 * (a * a + b * b) / denominator;
  }
  a /= unit;
  b /= unit;
  return 0.5 * (a * a + b * b);
}

double coverage(const Interval& interval, double start, double last) {
  return 1 - squared_miss(interval.hi - last, interval.lo - start, interval.range);
}

double density(const Interval& interval, double start, double last, double count) {
  double actual = (count - 1) / (last - start);
  double wanted = (interval.target - 1.0) /
                  (std::max(last, interval.hi) - std::min(start, interval.lo));
  return 2 - std::max(actual / wanted, wanted / actual);
}

double weighted(double simplicity, double coverage, double density) {
  return kSimplicityWeight * simplicity + kCoverageWeight * coverage + kDensityWeight * density +
         kLegibilityWeight;
}

double score(const Interval& interval, double nice_index, double skip, double start, double step,
             double count) {
  double last = start + (count - 1) * step;
  return weighted(simplicity(nice_index, skip, start, step, last),
                  coverage(interval, start, last), density(interval, start, last, count));
}

double last_value(const Candidate& c) { return c.start + (c.count - 1.0) * c.step; }

// Within a billionth of the range of the interval.
bool lies_inside(const Interval& interval, double start, double last) {
  double tolerance = 1e-9 * interval.range;
  return start >= interval.lo - tolerance && last <= interval.hi + tolerance;
}

// The share of the whole covered span one step takes.
double step_ratio(const Interval& interval, const Candidate& c) {
  return c.step / (std::max(last_value(c), interval.hi) - std::min(c.start, interval.lo));
}

// The enumeration with its running best and fallback.
class Search {
 public:
  Search(const Interval& interval, bool inside, Acceptance accept)
      : interval_(interval), inside_(inside), accept_(accept) {}

  SearchResult run() {
    for (int skip = 1; skip <= kMostSkips; ++skip) {
      for (std::size_t nice_index = 0; nice_index < kNiceSteps.size(); ++nice_index) {
        double most_simple = 2 - nice_index / 5.0 - skip;
        if (best_score_ > weighted(most_simple, 1, 1)) return result_;
        visit_counts(kNiceSteps[nice_index], static_cast<double>(nice_index), skip, most_simple);
      }
    }
    return result_;
  }

 private:
  void visit_counts(double nice, double nice_index, int skip, double most_simple) {
    for (int count = 2; count <= kMostTicks; ++count) {
      double most_dense =
          interval_.target > count ? 1 : 2 - (count - 1.0) / (interval_.target - 1.0);
      if (best_score_ > weighted(most_simple, 1, most_dense)) return;
      double lowest_power =
          std::ceil(std::log10(interval_.range / (count + 1) / skip / nice));
      if (!std::isfinite(lowest_power) || std::fabs(lowest_power) >= 1e6 ||
          lowest_power > kHighestPower) {
        continue;
      }
      for (double power = lowest_power; power <= kHighestPower; ++power) {
        double step = std::pow(10.0, power) * nice * skip;
        if (!std::isfinite(step) || !(step > 0)) break;
        double span = step * (count - 1);
        double best_coverage = span > interval_.range
                                   ? 1 - 2 * squared_miss((span - interval_.range) / 2, 0,
                                                          interval_.range)
                                   : 1;
        if (weighted(most_simple, best_coverage, most_dense) < best_score_) break;
        visit_starts(nice_index, skip, step, count);
      }
    }
  }

  void visit_starts(double nice_index, int skip, double step, int count) {
    double high_index = std::floor(interval_.hi / step);
    double low_index = std::ceil(interval_.lo / step);
    if (!std::isfinite(high_index) || !std::isfinite(low_index)) return;
    std::int64_t first = saturating_sub(saturating_mul(saturating_int(high_index), skip),
                                        saturating_mul(count - 1, skip));
    std::int64_t last = saturating_mul(saturating_int(low_index), skip);
    if (first > last || saturating_add(saturating_sub(last, first), 1) > kMostStarts) return;
    for (std::int64_t t = first; t <= last; ++t) {
      double start = static_cast<double>(t) * step / skip;
      double last_tick = start + (count - 1) * step;
      if (!inside_ && !(start <= interval_.lo && last_tick >= interval_.hi)) continue;
      double s = score(interval_, nice_index, skip, start, step, count);
      if (s > best_score_) offer({start, step, static_cast<std::uint32_t>(count), s});
    }
  }

  void offer(const Candidate& c) {
    if (accept_(c)) {
      best_score_ = c.score;
      result_.best = c;
    } else if (c.count == 2) {
      consider_fallback(c);
    }
  }

  void consider_fallback(const Candidate& c) {
    if (inside_ && !lies_inside(interval_, c.start, last_value(c))) return;
    double ratio = step_ratio(interval_, c);
    const auto& current = result_.fallback;
    if (!current || ratio > current->ratio ||
        (ratio == current->ratio && c.score > current->candidate.score)) {
      result_.fallback = Fallback{c, ratio};
    }
  }

  Interval interval_;
  bool inside_;
  Acceptance accept_;
  double best_score_ = -2;
  SearchResult result_;
};

// One candidate per nice step of 1, 2, 2.5 and 5 times each power of ten around the range.
std::vector<Candidate> nice_rows(const Interval& interval, bool inside) {
  struct NiceStep {
    double value;
    double index;
  };
  constexpr NiceStep kRowSteps[] = {{1, 0}, {2, 2}, {2.5, 3}, {5, 1}};
  std::vector<Candidate> rows;
  double lowest = std::floor(std::log10(interval.range / 50));
  double highest = std::ceil(std::log10(interval.range)) + 1;
  if (!std::isfinite(lowest) || !std::isfinite(highest) || lowest > highest) return rows;
  double tolerance = 1e-9 * interval.range;
  for (double power = lowest; power <= highest; ++power) {
    for (NiceStep nice : kRowSteps) {
      double step = nice.value * std::pow(10.0, power);
      double first = inside ? std::ceil((interval.lo - tolerance) / step)
                            : std::floor(interval.lo / step);
      double last = inside ? std::floor((interval.hi + tolerance) / step)
                           : std::ceil(interval.hi / step);
      double count = last - first + 1;
      if (!std::isfinite(count) || count < 2 || count > kMostTicks) continue;
      double start = first * step;
      rows.push_back({start, step, static_cast<std::uint32_t>(count),
                      score(interval, nice.index, 1, start, step, count)});
    }
  }
  return rows;
}

// Labels that fit, judged only when the step leaves room for them at all.
class Judged {
 public:
  Judged(const Interval& interval, const CandidateJudge& judge)
      : least_step_(interval.range * judge.least_share * 0.999999999), judge_(judge) {}

  bool wide_enough(const Candidate& c) const { return c.step >= least_step_; }

  bool fits(const Candidate& c) const {
    if (!wide_enough(c)) return false;
    Verdict slack = judge_.verdict(candidate(c));
    return slack && *slack >= 0;
  }

 private:
  double least_step_;
  const CandidateJudge& judge_;
};

std::optional<std::vector<double>> best_fitting_row(std::span<const Candidate> rows,
                                                    const Judged& judged) {
  const Candidate* winner = nullptr;
  for (const Candidate& row : rows) {
    if (winner && !(row.score > winner->score)) continue;  // would not win even if it fits
    if (judged.fits(row)) winner = &row;
  }
  if (!winner) return std::nullopt;
  return candidate(*winner);
}

std::optional<std::vector<double>> widest_pair_row(std::span<const Candidate> rows,
                                                   const Interval& interval) {
  const Candidate* widest = nullptr;
  double widest_ratio = 0;
  for (const Candidate& row : rows) {
    if (row.count != 2) continue;
    double ratio = step_ratio(interval, row);
    if (!widest || ratio > widest_ratio || (ratio == widest_ratio && row.score > widest->score)) {
      widest = &row;
      widest_ratio = ratio;
    }
  }
  if (!widest) return std::nullopt;
  return candidate(*widest);
}

// The fallbacks after the best plain candidate was refused, in order.
std::optional<std::vector<double>> refused_plain(const Interval& interval, bool inside,
                                                 const CandidateJudge& judge) {
  Judged judged(interval, judge);
  std::vector<Candidate> rows = nice_rows(interval, inside);
  if (auto row = best_fitting_row(rows, judged)) return row;

  auto judged_pair = [&judged](const Candidate& c) { return c.count == 2 && judged.fits(c); };
  SearchResult pairs = search(interval.target, inside, judged_pair, interval.lo, interval.hi);
  if (pairs.best) return candidate(*pairs.best);

  if (auto row = widest_pair_row(rows, interval)) return row;

  SearchResult refused = search(interval.target, inside, reject_all, interval.lo, interval.hi);
  if (refused.fallback) return candidate(refused.fallback->candidate);
  return std::nullopt;
}

std::optional<std::vector<double>> searched(const Interval& interval, bool inside,
                                            const CandidateJudge& judge) {
  SearchResult plain = search(interval.target, inside, accept_all, interval.lo, interval.hi);
  if (!plain.best) return std::nullopt;
  std::vector<double> values = candidate(*plain.best);
  if (Judged(interval, judge).wide_enough(*plain.best)) {
    Verdict slack = judge.verdict(values);
    if (!slack || *slack >= 0) return values;
  }
  return refused_plain(interval, inside, judge);
}

std::vector<double> evenly_spaced(int target, const CandidateJudge& judge, double lo, double hi) {
  std::vector<double> values;
  values.reserve(target);
  for (int i = 0; i < target; ++i) {
    double t = static_cast<double>(i) / (target - 1);
    values.push_back((1 - t) * lo + t * hi);
  }
  Verdict slack = judge.verdict(values);
  if (slack && *slack < 0) return {lo, hi};
  return values;
}

constexpr auto always_fits = [](std::span<const double>) -> Verdict { return kInfinity; };

}  // namespace

CandidateJudge CandidateJudge::unjudged() { return {always_fits, 0}; }

SearchResult search(int target, bool inside, Acceptance accept, double lo, double hi) {
  return Search({lo, hi, hi - lo, clamp_target(target)}, inside, accept).run();
}

std::vector<double> extended(int target, bool inside, const CandidateJudge& judge, double lo,
                             double hi) {
  target = clamp_target(target);
  if (std::isfinite(lo) && std::isfinite(hi) && lo < hi) {
    if (auto values = searched({lo, hi, hi - lo, target}, inside, judge)) return *values;
  }
  return evenly_spaced(target, judge, lo, hi);
}

std::vector<double> candidate(const Candidate& c) {
  std::vector<double> values;
  values.reserve(c.count);
  for (std::uint32_t i = 0; i < c.count; ++i) values.push_back(c.start + i * c.step);
  return values;
}

}  // namespace lodra::ticks
