// The layout linear program: the least total widening x ≥ 0 with Σ_j a_ij × x_j ≥ b_i per row.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace lodra::layout {

// One constraint: Σ_j coefficients[j] × x_j ≥ b.
struct Row {
  std::vector<double> coefficients;  // one per variable
  double b = 0.0;
};

// Minimizes Σ_j x_j over x ≥ 0 meeting every row. Nothing when no x meets them all, when an input
// is not finite, or when the solver gives up (singular basis, pivot limit).
std::optional<std::vector<double>> least_total(std::size_t variables, std::span<const Row> rows);

// Primal simplex on the dual problem: maximize Σ_i b_i × y_i subject to Σ_i a_ij × y_i ≤ 1 per
// variable j and y ≥ 0. Its all-slack basis is feasible, so no first phase is needed, and the
// minimizing x is the vector of final prices of the dual rows.
//
// The tableau has one row per variable j and one column per constraint row i followed by one slack
// column per variable; its slack block is the inverse of the current basis.
class Simplex {
 public:
  static constexpr std::size_t kPivotLimit = 100000;

  Simplex(std::size_t variables, std::span<const Row> rows);

  // Runs to optimality once; nothing under the conditions of `least_total` or when optimality
  // would need more than `pivot_limit` pivots.
  std::optional<std::vector<double>> solve(std::size_t pivot_limit = kPivotLimit);

  std::size_t pivots() const { return pivots_; }

 private:
  std::size_t width() const { return constraints_ + variables_; }
  double* tableau_row(std::size_t r) { return tableau_.data() + r * width(); }
  // Entry of the starting tableau [Aᵀ | I]; the costs are −b for constraint columns, 0 for slacks.
  double given(std::size_t r, std::size_t column) const;
  double cost(std::size_t column) const;
  bool inputs_finite() const;

  bool refactor();
  std::optional<std::size_t> entering_column(double tolerance) const;
  std::optional<std::size_t> leaving_row(std::size_t column) const;
  void pivot(std::size_t row, std::size_t column);
  std::vector<double> prices() const;

  std::size_t variables_;
  std::size_t constraints_;
  std::vector<double> a_;  // constraint i, variable j at i × variables_ + j
  std::vector<double> b_;
  std::vector<double> tableau_;
  std::vector<std::size_t> basis_;  // basic column of each tableau row
  std::vector<double> rhs_;
  std::vector<double> reduced_;  // reduced cost of every column
  std::size_t pivots_ = 0;
  std::size_t pivots_since_refactor_ = 0;
};

// Inverse of a dense row-major size × size matrix by Gauss–Jordan elimination with partial
// pivoting; nothing when a pivot is at most 1e-12 in magnitude (singular).
std::optional<std::vector<double>> invert(std::span<const double> matrix, std::size_t size);

}  // namespace lodra::layout
