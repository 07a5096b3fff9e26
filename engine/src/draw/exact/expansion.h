// Error-free transformations of doubles and the exact evaluation of a difference of two
// products, the fast exact path behind boundary crossings.
#pragma once

namespace lodra::draw::exact::expansion {

// A value and the rounding error that the operation producing it left behind: together they
// are exact.
struct Pair {
  double value = 0;
  double error = 0;
};

// a − b as an exact pair. Exact unless the difference overflows.
inline Pair two_difference(double a, double b) {
  const double value = a - b;
  const double b_part = a - value;
  const double a_part = value + b_part;
  return {value, (a - a_part) + (b_part - b)};
}

struct CrossDifference {
  bool exact = false;  // false when an error term could have underflowed
  double value = 0;    // the exact result, rounded
};

// (a + b)(c + d) − (e + f)(g + h), evaluated exactly and rounded once at the end.
CrossDifference cross_difference(double a, double b, double c, double d, double e, double f,
                                 double g, double h);

}  // namespace lodra::draw::exact::expansion
