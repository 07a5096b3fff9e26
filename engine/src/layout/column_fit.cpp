#include "layout/column_fit.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "layout/linear_program.h"

namespace lodra::layout {

namespace {

constexpr double kOverflowSlack = 1e-9;
constexpr double kFitTolerance = 1e-6;
constexpr double kLeastWidth = 0.999999;
// The program is solved with its right-hand sides tightened a little, then as it is, then
// relaxed a little, so that rounding in the solver does not decide whether labels fit.
constexpr std::array<double, 3> kShifts = {1e-7, 0, -5e-7};
constexpr int kMostRepairs = 6;

std::vector<Row> shifted(std::span<const Row> rows, double shift) {
  std::vector<Row> result(rows.begin(), rows.end());
  for (Row& row : result) row.b += shift;
  return result;
}

// Whether the insets keep the margins within their limits, every column at least 1 pt wide and
// the chosen bounds within their insets.
bool accepted(const Columns& columns, std::span<const LabelBound> bounds,
              std::span<const std::size_t> chosen, std::span<const double> insets,
              const PlacedColumns& placed) {
  if (insets[0] > columns.left_margin_limit() + kFitTolerance) return false;
  if (insets[1] > columns.right_margin_limit() + kFitTolerance) return false;
  if (!(placed.width >= kLeastWidth)) return false;
  return std::ranges::all_of(chosen, [&](std::size_t i) {
    const LabelBound& bound = bounds[i];
    double overflow = bound.overflow(placed.plot_width(bound.first, bound.last));
    return overflow - insets[bound.variable] <= kFitTolerance;
  });
}

// The solver's insets, checked and, when rounding left a bound short, raised to its overflow:
// at most a few times.
std::optional<std::vector<double>> repaired(const Columns& columns,
                                            std::span<const LabelBound> bounds,
                                            std::span<const std::size_t> chosen,
                                            std::vector<double> insets) {
  for (int round = 0; round < kMostRepairs; ++round) {
    PlacedColumns placed = columns.place(insets);
    if (accepted(columns, bounds, chosen, insets, placed)) return insets;
    for (std::size_t i : chosen) {
      const LabelBound& bound = bounds[i];
      double overflow = bound.overflow(placed.plot_width(bound.first, bound.last));
      insets[bound.variable] = std::max(insets[bound.variable], overflow);
    }
  }
  return std::nullopt;
}

std::optional<std::vector<double>> solve_chosen(const Columns& columns,
                                                std::span<const LabelBound> bounds,
                                                std::span<const std::size_t> chosen,
                                                std::span<const double> zero_overflows,
                                                const PlacedColumns& zero) {
  std::vector<Row> rows = columns.program(bounds, chosen, zero_overflows, zero);
  for (double shift : kShifts) {
    std::optional<std::vector<double>> insets =
        least_total(columns.variables(), shifted(rows, shift));
    if (!insets) continue;
    if (auto fitted = repaired(columns, bounds, chosen, std::move(*insets))) return fitted;
  }
  return std::nullopt;
}

// The bounds left out of the program that the insets push out of their cells: narrowing the
// columns for some labels may move others, fitting before, past their side.
std::vector<std::size_t> newly_out(const Columns& columns, std::span<const LabelBound> bounds,
                                   std::span<const std::size_t> chosen,
                                   std::span<const double> insets) {
  PlacedColumns placed = columns.place(insets);
  std::vector<std::size_t> out;
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    const LabelBound& bound = bounds[i];
    double overflow = bound.overflow(placed.plot_width(bound.first, bound.last));
    if (overflow - insets[bound.variable] > kFitTolerance &&
        !std::ranges::binary_search(chosen, i)) {
      out.push_back(i);
    }
  }
  return out;
}

}  // namespace

std::vector<double> overflows(std::span<const LabelBound> bounds, const PlacedColumns& placed) {
  std::vector<double> result;
  result.reserve(bounds.size());
  for (const LabelBound& bound : bounds) {
    result.push_back(bound.overflow(placed.plot_width(bound.first, bound.last)));
  }
  return result;
}

std::vector<std::size_t> out_of_bounds(std::span<const LabelBound> bounds,
                                       std::span<const double> overflows) {
  std::vector<std::size_t> variables;
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    if (overflows[i] > kOverflowSlack) variables.push_back(bounds[i].variable);
  }
  std::ranges::sort(variables);
  auto repeats = std::ranges::unique(variables);
  variables.erase(repeats.begin(), repeats.end());
  return variables;
}

std::optional<std::vector<double>> fit_columns(const Columns& columns,
                                               std::span<const LabelBound> bounds) {
  std::vector<double> insets(columns.variables(), 0.0);
  PlacedColumns zero = columns.place(insets);
  std::vector<double> zero_overflows = overflows(bounds, zero);
  std::vector<std::size_t> variables = out_of_bounds(bounds, zero_overflows);
  if (variables.empty()) return insets;

  std::vector<std::size_t> chosen = columns.essential(bounds, zero, variables);
  // Each round adds at least one bound, so this ends.
  while (true) {
    std::optional<std::vector<double>> fitted =
        solve_chosen(columns, bounds, chosen, zero_overflows, zero);
    if (!fitted) return std::nullopt;
    std::vector<std::size_t> out = newly_out(columns, bounds, chosen, *fitted);
    if (out.empty()) return fitted;
    std::vector<std::size_t> merged;
    merged.reserve(chosen.size() + out.size());
    std::ranges::merge(chosen, out, std::back_inserter(merged));
    chosen = std::move(merged);
  }
}

}  // namespace lodra::layout
