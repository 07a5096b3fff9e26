#include "model/axes.h"

namespace lodra {

Status Axes::check_scales(const Scale& x, const Scale& y) const {
  for (Side side : {Side::X, Side::Y}) {
    const Scale& requested = side == Side::X ? x : y;
    const Scale& own = scale(side);
    if (requested.same_as(own)) continue;
    std::string_view name = side == Side::X ? "x" : "y";
    return fail(ErrorKind::Usage, "Figure.axes_at()", name,
                "pass the scales the axes was created with.",
                cat(name, " is ", requested.name(), "; the axes at row ", range.row, ", col ",
                    range.col, " has ", name, " ", own.name(), "."));
  }
  return {};
}

}  // namespace lodra
