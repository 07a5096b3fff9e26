// Vertical reference lines placed at a category must name a category that a mark of their
// share group puts on the axis.
#pragma once

#include <string_view>

#include "error.h"
#include "model/figure.h"

namespace lodra::resolve {

// The first vline whose category no mark of its x share group has, as a data error under
// `context`; the problem starts with the panel's cell when the grid has several cells.
Status check_references(const Figure& figure, std::string_view context);

}  // namespace lodra::resolve
