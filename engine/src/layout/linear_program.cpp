#include "layout/linear_program.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <utility>

namespace lodra::layout {

namespace {

constexpr std::size_t kRefactorPeriod = 16;
// Tableau entries at most this large cannot limit the entering column.
constexpr double kPivotFloor = 1e-9;
// Relative slack of the first ratio pass.
constexpr double kRatioSlack = 1e-9;
constexpr double kSingularPivot = 1e-12;

}  // namespace

std::optional<std::vector<double>> least_total(std::size_t variables, std::span<const Row> rows) {
  return Simplex(variables, rows).solve();
}

Simplex::Simplex(std::size_t variables, std::span<const Row> rows)
    : variables_(variables),
      constraints_(rows.size()),
      b_(rows.size()),
      tableau_(variables * width()),
      basis_(variables),
      rhs_(variables, 1.0),
      reduced_(width()) {
  a_.reserve(constraints_ * variables_);
  for (std::size_t i = 0; i < constraints_; ++i) {
    assert(rows[i].coefficients.size() == variables_);
    a_.insert(a_.end(), rows[i].coefficients.begin(), rows[i].coefficients.end());
    b_[i] = rows[i].b;
  }
  for (std::size_t r = 0; r < variables_; ++r) {
    basis_[r] = constraints_ + r;
    for (std::size_t k = 0; k < width(); ++k) tableau_row(r)[k] = given(r, k);
  }
  for (std::size_t k = 0; k < width(); ++k) reduced_[k] = cost(k);
}

double Simplex::given(std::size_t r, std::size_t column) const {
  if (column < constraints_) return a_[column * variables_ + r];
  return column - constraints_ == r ? 1.0 : 0.0;
}

double Simplex::cost(std::size_t column) const {
  return column < constraints_ ? -b_[column] : 0.0;
}

bool Simplex::inputs_finite() const {
  const auto finite = [](double v) { return std::isfinite(v); };
  return std::ranges::all_of(a_, finite) && std::ranges::all_of(b_, finite);
}

std::optional<std::vector<double>> Simplex::solve(std::size_t pivot_limit) {
  if (!inputs_finite()) return std::nullopt;
  double largest_b = 1.0;
  for (double b : b_) largest_b = std::max(largest_b, std::fabs(b));
  const double tolerance = -1e-12 * largest_b;

  while (true) {
    if (pivots_since_refactor_ == kRefactorPeriod && !refactor()) return std::nullopt;
    std::optional<std::size_t> entering = entering_column(tolerance);
    // Confirm optimality on freshly computed costs, not on ones carried through pivots.
    if (!entering && pivots_since_refactor_ > 0) {
      if (!refactor()) return std::nullopt;
      entering = entering_column(tolerance);
    }
    if (!entering) return prices();
    if (pivots_ == pivot_limit) return std::nullopt;
    const std::optional<std::size_t> leaving = leaving_row(*entering);
    if (!leaving) return std::nullopt;  // the dual is unbounded: no x meets every row
    pivot(*leaving, *entering);
  }
}

bool Simplex::refactor() {
  const std::size_t n = variables_;
  std::vector<double> basis_matrix(n * n);
  for (std::size_t r = 0; r < n; ++r) {
    for (std::size_t s = 0; s < n; ++s) basis_matrix[r * n + s] = given(r, basis_[s]);
  }
  const std::optional<std::vector<double>> inverse = invert(basis_matrix, n);
  if (!inverse) return false;

  for (std::size_t r = 0; r < n; ++r) {
    const double* inverse_row = inverse->data() + r * n;
    double* row = tableau_row(r);
    for (std::size_t i = 0; i < constraints_; ++i) {
      double sum = 0.0;
      for (std::size_t s = 0; s < n; ++s) sum += inverse_row[s] * given(s, i);
      row[i] = sum;
    }
    std::copy(inverse_row, inverse_row + n, row + constraints_);
    double sum = 0.0;
    for (std::size_t s = 0; s < n; ++s) sum += inverse_row[s];
    rhs_[r] = sum;
    for (std::size_t s = 0; s < n; ++s) row[basis_[s]] = r == s ? 1.0 : 0.0;
  }
  for (std::size_t k = 0; k < width(); ++k) {
    double priced = cost(k);
    for (std::size_t r = 0; r < n; ++r) priced -= cost(basis_[r]) * tableau_row(r)[k];
    reduced_[k] = priced;
  }
  for (std::size_t column : basis_) reduced_[column] = 0.0;
  pivots_since_refactor_ = 0;
  return true;
}

// Bland-style: the first improving column in index order.
std::optional<std::size_t> Simplex::entering_column(double tolerance) const {
  for (std::size_t k = 0; k < width(); ++k) {
    if (reduced_[k] < tolerance) return k;
  }
  return std::nullopt;
}

// Two passes: a slightly relaxed bound on the step, then the largest pivot among the rows within
// it, so a near-tie never pivots on a tiny entry. Equal pivots go to the smaller basic column.
std::optional<std::size_t> Simplex::leaving_row(std::size_t column) const {
  const auto entry = [&](std::size_t r) { return tableau_[r * width() + column]; };
  double bound = std::numeric_limits<double>::infinity();
  bool any = false;
  for (std::size_t r = 0; r < variables_; ++r) {
    const double a = entry(r);
    if (a <= kPivotFloor) continue;
    bound = std::min(bound, (rhs_[r] + (std::fabs(rhs_[r]) + 1.0) * kRatioSlack) / a);
    any = true;
  }
  if (!any) return std::nullopt;

  std::optional<std::size_t> chosen;
  for (std::size_t r = 0; r < variables_; ++r) {
    const double a = entry(r);
    if (a <= kPivotFloor || rhs_[r] / a > bound) continue;
    if (!chosen || a > entry(*chosen) || (a == entry(*chosen) && basis_[r] < basis_[*chosen])) {
      chosen = r;
    }
  }
  return chosen;
}

void Simplex::pivot(std::size_t row, std::size_t column) {
  double* pivot_row = tableau_row(row);
  const double pivot_entry = pivot_row[column];
  for (std::size_t k = 0; k < width(); ++k) pivot_row[k] /= pivot_entry;
  pivot_row[column] = 1.0;
  rhs_[row] /= pivot_entry;

  for (std::size_t r = 0; r < variables_; ++r) {
    double* other = tableau_row(r);
    const double factor = other[column];
    if (r == row || factor == 0.0) continue;
    for (std::size_t k = 0; k < width(); ++k) other[k] -= factor * pivot_row[k];
    other[column] = 0.0;
    rhs_[r] -= factor * rhs_[row];
  }
  const double factor = reduced_[column];
  for (std::size_t k = 0; k < width(); ++k) reduced_[k] -= factor * pivot_row[k];
  reduced_[column] = 0.0;

  basis_[row] = column;
  ++pivots_;
  ++pivots_since_refactor_;
}

// The reduced cost of slack column j is the price of dual row j, which is x_j.
std::vector<double> Simplex::prices() const {
  std::vector<double> x(variables_);
  for (std::size_t j = 0; j < variables_; ++j) x[j] = std::max(0.0, reduced_[constraints_ + j]);
  return x;
}

std::optional<std::vector<double>> invert(std::span<const double> matrix, std::size_t size) {
  assert(matrix.size() == size * size);
  std::vector<double> left(matrix.begin(), matrix.end());
  std::vector<double> inverse(size * size, 0.0);
  for (std::size_t i = 0; i < size; ++i) inverse[i * size + i] = 1.0;
  const auto at = [size](std::vector<double>& m, std::size_t r, std::size_t c) -> double& {
    return m[r * size + c];
  };

  for (std::size_t c = 0; c < size; ++c) {
    std::size_t best = c;
    for (std::size_t r = c + 1; r < size; ++r) {
      if (std::fabs(at(left, r, c)) > std::fabs(at(left, best, c))) best = r;
    }
    if (std::fabs(at(left, best, c)) <= kSingularPivot) return std::nullopt;
    for (std::size_t k = 0; k < size; ++k) {
      std::swap(at(left, c, k), at(left, best, k));
      std::swap(at(inverse, c, k), at(inverse, best, k));
    }
    const double pivot = at(left, c, c);
    for (std::size_t k = 0; k < size; ++k) {
      at(left, c, k) /= pivot;
      at(inverse, c, k) /= pivot;
    }
    for (std::size_t r = 0; r < size; ++r) {
      const double factor = at(left, r, c);
      if (r == c || factor == 0.0) continue;
      for (std::size_t k = 0; k < size; ++k) {
        at(left, r, k) -= factor * at(left, c, k);
        at(inverse, r, k) -= factor * at(inverse, c, k);
      }
    }
  }
  return inverse;
}

}  // namespace lodra::layout
