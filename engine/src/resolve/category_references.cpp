#include "resolve/category_references.h"

#include <string>
#include <variant>

#include "model/shared_axes.h"
#include "resolve/categories.h"

namespace lodra::resolve {

namespace {

// The x categories of every axes that shares its x axis with `leader`, in figure order.
CategoryScale group_categories(const Figure& figure, const ShareGroups& groups,
                               std::size_t leader) {
  CategoryScale scale;
  for (std::size_t i = 0; i < figure.axes().size(); ++i) {
    if (groups.x[i] != leader) continue;
    for (const Mark& mark : figure.axes()[i].marks) scale.extend(mark_categories(mark));
  }
  return scale;
}

std::string cell_prefix(const Figure& figure, const Axes& axes) {
  if (figure.grid().rows * figure.grid().cols <= 1) return {};
  return cat("row ", axes.range.row, ", col ", axes.range.col, ": ");
}

}  // namespace

Status check_references(const Figure& figure, std::string_view context) {
  const ShareGroups groups(figure);
  for (std::size_t i = 0; i < figure.axes().size(); ++i) {
    const Axes& axes = figure.axes()[i];
    if (!axes.x_scale.is_category()) continue;
    std::optional<CategoryScale> categories;
    for (const Mark& mark : axes.marks) {
      const auto* vline = std::get_if<VLineMark>(&mark);
      const std::string* name = vline ? std::get_if<std::string>(&vline->x) : nullptr;
      if (!name) continue;
      if (!categories) categories = group_categories(figure, groups, groups.x[i]);
      if (categories->index_of(*name)) continue;
      return fail(ErrorKind::Data, context, "", "draw a mark with that category first.",
                  cat(cell_prefix(figure, axes), "x is ", quoted(*name),
                      "; no mark on this axes has that category."));
    }
  }
  return {};
}

}  // namespace lodra::resolve
