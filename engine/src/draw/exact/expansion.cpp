#include "draw/exact/expansion.h"

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace lodra::draw::exact::expansion {

namespace {

Pair two_sum(double a, double b) {
  const double value = a + b;
  const double b_part = value - a;
  const double a_part = value - b_part;
  return {value, (a - a_part) + (b - b_part)};
}

int biased_exponent(double x) {
  return static_cast<int>((std::bit_cast<std::uint64_t>(x) >> 52) & 0x7ff);
}

// Below this sum of biased exponents the rounding error of a product may fall under the
// smallest subnormal and be lost.
constexpr int kLeastExactExponentSum = 1076;

// Doubles whose exact sum is the value, non-overlapping and increasing in magnitude, without
// zeros.
class Expansion {
 public:
  // Adds one term exactly: two-sum against every component from the smallest, keeping the
  // non-zero remainders, then the running sum on top.
  void grow(double term) {
    if (term == 0) return;
    std::size_t kept = 0;
    double running = term;
    for (std::size_t i = 0; i < count_; ++i) {
      const Pair sum = two_sum(running, components_[i]);
      running = sum.value;
      if (sum.error != 0) components_[kept++] = sum.error;
    }
    if (running != 0) components_[kept++] = running;
    count_ = kept;
    assert(count_ <= components_.size());
  }

  double rounded() const {
    double sum = -0.0;
    for (std::size_t i = 0; i < count_; ++i) sum += components_[i];
    return sum;
  }

 private:
  // Sixteen terms at most enter here, and each adds at most one component.
  std::array<double, 32> components_{};
  std::size_t count_ = 0;
};

}  // namespace

CrossDifference cross_difference(double a, double b, double c, double d, double e, double f,
                                 double g, double h) {
  struct Product {
    double x, y;
    bool subtracted;
  };
  const Product products[] = {{a, c, false}, {a, d, false}, {b, c, false}, {b, d, false},
                              {e, g, true},  {e, h, true},  {f, g, true},  {f, h, true}};
  Expansion sum;
  for (const Product& term : products) {
    if (term.x == 0 || term.y == 0) continue;
    if (biased_exponent(term.x) + biased_exponent(term.y) < kLeastExactExponentSum) {
      return {false, 0};
    }
    const double rounded = term.x * term.y;
    const double error = std::fma(term.x, term.y, -rounded);
    sum.grow(term.subtracted ? -rounded : rounded);
    sum.grow(term.subtracted ? -error : error);
  }
  return {true, sum.rounded()};
}

}  // namespace lodra::draw::exact::expansion
