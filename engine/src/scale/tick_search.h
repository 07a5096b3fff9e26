// The search for evenly spaced "nice" tick values over an interval: steps of 1, 5, 2, 2.5, 4 or
// 3 times a power of ten, scored for simplicity, coverage and density (extended Wilkinson), with
// a judge that says whether the labels of a candidate fit and a chain of fallbacks that always
// yields at least two values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "function_ref.h"

namespace lodra::ticks {

// The free room between the closest labels of a candidate's values; absent when the judge
// cannot tell. At least 0: the labels fit; negative: they collide.
using Verdict = std::optional<double>;

struct CandidateJudge {
  FunctionRef<Verdict(std::span<const double> values)> verdict;
  // The smallest fraction of the interval one tick step may span; 0 when unknown.
  double least_share = 0;

  // Finds every candidate fitting.
  static CandidateJudge unjudged();
};

// The ticks start, start + step, ..., count of them.
struct Candidate {
  double start = 0;
  double step = 0;
  std::uint32_t count = 0;
  double score = 0;
  friend bool operator==(const Candidate&, const Candidate&) = default;
};

// A rejected two-tick candidate kept as a last resort, with the share of the covered span its
// step takes.
struct Fallback {
  Candidate candidate;
  double ratio = 0;
};

struct SearchResult {
  std::optional<Candidate> best;
  std::optional<Fallback> fallback;
};

using Acceptance = FunctionRef<bool(const Candidate&)>;

inline constexpr auto accept_all = [](const Candidate&) { return true; };
inline constexpr auto reject_all = [](const Candidate&) { return false; };

// The best-scoring candidate over [lo, hi] for `target` ticks that `accept` lets through.
// Without `inside` only candidates covering the interval are eligible; with it every candidate
// is, and the fallback is restricted to ticks inside the interval.
SearchResult search(int target, bool inside, Acceptance accept, double lo, double hi);

// Increasing tick values for [lo, hi], at least two when the interval is valid: the best
// candidate whose labels fit, else the fallbacks in turn.
std::vector<double> extended(int target, bool inside, const CandidateJudge& judge, double lo,
                             double hi);

std::vector<double> candidate(const Candidate& candidate);

}  // namespace lodra::ticks
