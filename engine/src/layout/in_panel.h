// Errors about one panel of a grid name the panel's top-left cell.
#pragma once

#include <cstdint>

#include "error.h"

namespace lodra::layout {

// The error with "row {row}, col {col}: " before its problem text.
Error in_panel(std::uint32_t row, std::uint32_t col, Error error);

}  // namespace lodra::layout
