// A fast scan for the first value outside a range, used to check long data lists in one pass.
#pragma once

#include <cstddef>
#include <span>

namespace lodra {

// The index of the first value below `least` or above `most` (NaN is neither), or the size of
// `values` when there is none.
std::size_t first_outside(std::span<const double> values, double least, double most);

}  // namespace lodra
