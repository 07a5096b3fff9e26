// The width a failing set of labels could hold: the largest cap on their half widths at which
// they all fit, found by bisection.
#pragma once

#include "function_ref.h"

namespace lodra::layout {

// Twice the largest cap c in [0, widest_half] for which `fits(c)` holds: 2 × widest_half when
// it fits uncapped, 0 when nothing fits even at 0, else at most 64 bisection steps, stopping
// when the midpoint no longer moves.
double widest_fitting(double widest_half, FunctionRef<bool(double)> fits);

}  // namespace lodra::layout
