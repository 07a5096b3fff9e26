#include "layout/cap_search.h"

namespace lodra::layout {

namespace {

constexpr int kMostBisections = 64;

}  // namespace

double widest_fitting(double widest_half, FunctionRef<bool(double)> fits) {
  if (fits(widest_half)) return 2 * widest_half;
  if (!fits(0)) return 0;
  double fitting = 0;
  double failing = widest_half;
  for (int step = 0; step < kMostBisections; ++step) {
    double middle = (fitting + failing) / 2;
    if (middle == fitting || middle == failing) break;
    if (fits(middle)) {
      fitting = middle;
    } else {
      failing = middle;
    }
  }
  return 2 * fitting;
}

}  // namespace lodra::layout
