#include "layout/in_panel.h"

#include <utility>

namespace lodra::layout {

Error in_panel(std::uint32_t row, std::uint32_t col, Error error) {
  error.problem = cat("row ", row, ", col ", col, ": ", error.problem);
  return error;
}

}  // namespace lodra::layout
