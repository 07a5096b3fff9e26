#include "layout/linear_program.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace lodra::layout {
namespace {

using Solution = std::optional<std::vector<double>>;

void expect_solution(const Solution& got, const Solution& expected, const std::string& name) {
  ASSERT_EQ(got.has_value(), expected.has_value()) << name;
  if (!expected) return;
  ASSERT_EQ(got->size(), expected->size()) << name;
  for (std::size_t j = 0; j < got->size(); ++j) {
    EXPECT_NEAR((*got)[j], (*expected)[j], 1e-12) << name << ", x_" << j;
  }
}

TEST(LeastTotal, SolvesSmallProblems) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    std::string name;
    std::size_t variables;
    std::vector<Row> rows;
    Solution expected;
  } cases[] = {
      {"no rows", 2, {}, std::vector<double>{0, 0}},
      {"no variables, nothing asked", 0, {{{}, 0}}, std::vector<double>{}},
      {"no variables, something asked", 0, {{{}, 1}}, std::nullopt},
      {"every row already met", 2, {{{1, 1}, -1}, {{-1, 2}, 0}}, std::vector<double>{0, 0}},
      {"lower bounds", 2, {{{1, 0}, 3}, {{0, 1}, 2}}, std::vector<double>{3, 2}},
      {"one vertex is best", 2, {{{1, 2}, 4}, {{3, 1}, 3}}, std::vector<double>{0.4, 1.8}},
      {"a negative coefficient pushes another variable up",
       2,
       {{{1, -1}, 1}, {{0, 1}, 2}},
       std::vector<double>{3, 2}},
      {"upper bound met", 1, {{{1}, 1}, {{-1}, -2}}, std::vector<double>{1}},
      // A tie between tableau rows goes to the smaller basic slack, so x_0 takes it all.
      {"equal share", 2, {{{1, 1}, 5}}, std::vector<double>{5, 0}},
      {"repeated row", 2, {{{1, 1}, 5}, {{1, 1}, 5}}, std::vector<double>{5, 0}},
      // After the first pivot tableau row 1 holds the constraint column 0 and row 0 still its
      // slack; the tie on the second pivot goes to row 1 by its smaller basic column.
      {"degenerate tie after a pivot", 2, {{{1, 2}, 2}, {{1, 1}, 2}}, std::vector<double>{0, 2}},
      {"contradictory rows", 1, {{{1}, 1}, {{-1}, 0}}, std::nullopt},
      {"upper bound below the lower", 1, {{{1}, 1}, {{-1}, -0.5}}, std::nullopt},
      {"row without coefficients", 2, {{{0, 0}, 1}}, std::nullopt},
      {"coefficient not a number", 1, {{{nan}, 1}}, std::nullopt},
      {"infinite right-hand side", 1, {{{1}, inf}}, std::nullopt},
  };
  for (const Case& c : cases) expect_solution(least_total(c.variables, c.rows), c.expected, c.name);
}

TEST(Simplex, PivotsOnlyWhenSomeRowIsUnmet) {
  const std::vector<Row> met = {{{1, 1}, -1}, {{2, -1}, 0}};
  Simplex simplex(2, met);
  expect_solution(simplex.solve(), std::vector<double>{0, 0}, "met");
  EXPECT_EQ(simplex.pivots(), 0u);
}

TEST(Simplex, GivesUpBeyondThePivotLimit) {
  // Needs exactly two pivots.
  const std::vector<Row> rows = {{{1, 2}, 2}, {{1, 1}, 2}};
  expect_solution(Simplex(2, rows).solve(1), std::nullopt, "limit 1");
  Simplex enough(2, rows);
  expect_solution(enough.solve(2), std::vector<double>{0, 2}, "limit 2");
  EXPECT_EQ(enough.pivots(), 2u);
}

TEST(Simplex, StaysExactAcrossRefactorizations) {
  // x_0 ≥ 1 and x_j − x_(j−1) ≥ 1: the least x is 1, 2, ..., n.
  constexpr std::size_t n = 40;
  std::vector<Row> rows;
  for (std::size_t j = 0; j < n; ++j) {
    Row row{std::vector<double>(n, 0.0), 1.0};
    row.coefficients[j] = 1;
    if (j > 0) row.coefficients[j - 1] = -1;
    rows.push_back(std::move(row));
  }
  Simplex simplex(n, rows);
  std::vector<double> expected(n);
  for (std::size_t j = 0; j < n; ++j) expected[j] = static_cast<double>(j + 1);
  expect_solution(simplex.solve(), expected, "chain");
  EXPECT_GT(simplex.pivots(), 16u);  // refactored along the way
}

TEST(Invert, InvertsOrRefusesSingular) {
  struct Case {
    std::vector<double> matrix;
    std::size_t size;
    std::optional<std::vector<double>> expected;
  } cases[] = {
      {{}, 0, std::vector<double>{}},
      {{4}, 1, std::vector<double>{0.25}},
      {{2, 1, 1, 1}, 2, std::vector<double>{1, -1, -1, 2}},
      // A zero on the diagonal needs a row exchange.
      {{0, 1, 1, 0}, 2, std::vector<double>{0, 1, 1, 0}},
      {{0, 2, 0, 1, 0, 0, 0, 0, 4}, 3, std::vector<double>{0, 1, 0, 0.5, 0, 0, 0, 0, 0.25}},
      {{1, 2, 2, 4}, 2, std::nullopt},
      {{1e-13}, 1, std::nullopt},
  };
  for (const Case& c : cases) {
    expect_solution(invert(c.matrix, c.size), c.expected, "size " + std::to_string(c.size));
  }
}

// --- Property: agreement with vertex enumeration on random small problems -------------------

double unit(std::mt19937_64& random) { return static_cast<double>(random() >> 11) * 0x1.0p-53; }

int integer(std::mt19937_64& random, int low, int high) {
  return low + static_cast<int>(random() % static_cast<std::uint64_t>(high - low + 1));
}

// Solves the square system rows[k] · x = b[k] by elimination with partial pivoting.
std::optional<std::vector<double>> solve_square(std::vector<Row> rows) {
  const std::size_t n = rows.size();
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t best = c;
    for (std::size_t r = c + 1; r < n; ++r) {
      if (std::fabs(rows[r].coefficients[c]) > std::fabs(rows[best].coefficients[c])) best = r;
    }
    if (std::fabs(rows[best].coefficients[c]) < 1e-9) return std::nullopt;
    std::swap(rows[c], rows[best]);
    for (std::size_t r = c + 1; r < n; ++r) {
      const double f = rows[r].coefficients[c] / rows[c].coefficients[c];
      for (std::size_t k = c; k < n; ++k) rows[r].coefficients[k] -= f * rows[c].coefficients[k];
      rows[r].b -= f * rows[c].b;
    }
  }
  std::vector<double> x(n);
  for (std::size_t c = n; c-- > 0;) {
    double sum = rows[c].b;
    for (std::size_t k = c + 1; k < n; ++k) sum -= rows[c].coefficients[k] * x[k];
    x[c] = sum / rows[c].coefficients[c];
  }
  return x;
}

bool meets(const Row& row, const std::vector<double>& x, double tolerance) {
  double sum = 0.0;
  for (std::size_t j = 0; j < x.size(); ++j) sum += row.coefficients[j] * x[j];
  return sum >= row.b - tolerance * (1.0 + std::fabs(row.b));
}

double total(const std::vector<double>& x) {
  double sum = 0.0;
  for (double v : x) sum += v;
  return sum;
}

// The least total over the vertices of {x ≥ 0, rows}: the region is pointed and the objective
// bounded below, so when it is not empty a vertex is optimal.
std::optional<double> least_total_over_vertices(std::size_t n, const std::vector<Row>& rows) {
  std::vector<Row> all = rows;
  for (std::size_t j = 0; j < n; ++j) {
    all.push_back({std::vector<double>(n, 0.0), 0.0});
    all.back().coefficients[j] = 1.0;
  }
  std::optional<double> best;
  for (std::uint32_t mask = 0; mask < (1u << all.size()); ++mask) {
    if (static_cast<std::size_t>(std::popcount(mask)) != n) continue;
    std::vector<Row> tight;
    for (std::size_t k = 0; k < all.size(); ++k) {
      if (mask & (1u << k)) tight.push_back(all[k]);
    }
    const auto x = solve_square(tight);
    if (!x) continue;
    bool feasible = true;
    for (const Row& row : all) feasible = feasible && meets(row, *x, 1e-9);
    if (feasible && (!best || total(*x) < *best)) best = total(*x);
  }
  return best;
}

struct Problem {
  std::size_t variables;
  std::vector<Row> rows;
};

// Rows as the grid solver writes them for `columns` grid columns: label bounds on random panels,
// caps on the two page margins and on the total widening.
Problem grid_problem(std::mt19937_64& random) {
  const int columns = integer(random, 1, 3);
  const std::size_t n = 2 * static_cast<std::size_t>(columns);
  const auto right_variable = [&](int c) -> std::size_t {
    return c == columns - 1 ? 1 : static_cast<std::size_t>(2 * c + 3);
  };
  Problem problem{n, {}};
  const int bounds = integer(random, 1, 4);
  for (int k = 0; k < bounds; ++k) {
    const int first = integer(random, 0, columns - 1);
    const int last = integer(random, first, columns - 1);
    const double t = unit(random);
    const double span = last - first + 1;
    // A label far from its side (t near 1) can hardly overflow it.
    Row row{std::vector<double>(n, -(span * t / columns)), (1.0 - t) * 30.0 * unit(random)};
    const bool left = random() % 2 == 0;
    row.coefficients[left ? static_cast<std::size_t>(2 * first) : right_variable(last)] += 1.0;
    for (int c = first + 1; c <= last; ++c) row.coefficients[static_cast<std::size_t>(2 * c)] += t;
    for (int c = first; c < last; ++c) row.coefficients[right_variable(c)] += t;
    problem.rows.push_back(std::move(row));
  }
  for (std::size_t margin : {0u, 1u}) {
    Row cap{std::vector<double>(n, 0.0), -80.0 * unit(random)};
    cap.coefficients[margin] = -1.0;
    problem.rows.push_back(std::move(cap));
  }
  problem.rows.push_back({std::vector<double>(n, -1.0), -300.0 * unit(random)});
  return problem;
}

// Small integers make degenerate vertices and ratio-test ties common.
Problem integer_problem(std::mt19937_64& random) {
  const std::size_t n = static_cast<std::size_t>(integer(random, 2, 3));
  Problem problem{n, {}};
  const int count = integer(random, 1, 5);
  for (int k = 0; k < count; ++k) {
    Row row{std::vector<double>(n), static_cast<double>(integer(random, -4, 8))};
    for (double& a : row.coefficients) a = integer(random, -3, 3);
    problem.rows.push_back(std::move(row));
  }
  return problem;
}

TEST(LeastTotal, AgreesWithVertexEnumeration) {
  std::mt19937_64 random(20240611);
  int solved = 0;
  constexpr int kProblems = 600;
  for (int k = 0; k < kProblems; ++k) {
    const Problem p = k % 2 == 0 ? grid_problem(random) : integer_problem(random);
    const std::optional<double> best = least_total_over_vertices(p.variables, p.rows);
    const Solution x = least_total(p.variables, p.rows);
    ASSERT_EQ(x.has_value(), best.has_value()) << "problem " << k;
    if (!best) continue;
    ++solved;
    for (double v : *x) EXPECT_GE(v, 0.0) << "problem " << k;
    for (const Row& row : p.rows) EXPECT_TRUE(meets(row, *x, 1e-9)) << "problem " << k;
    EXPECT_NEAR(total(*x), *best, 1e-9 * (1.0 + *best)) << "problem " << k;
  }
  // Both answers are well represented in the sample.
  EXPECT_GT(solved, kProblems / 3);
  EXPECT_GT(kProblems - solved, kProblems / 10);
}

}  // namespace
}  // namespace lodra::layout
