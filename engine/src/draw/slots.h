// Where box plots and violins stand on a category axis: the distributions of a category side by
// side in slots that share a fraction of the category's width, 2 points apart unless the gaps
// would be wider than the slots.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"

namespace lodra::draw {

// One slot, in axis coordinates of the category axis (0 to 1 across the plot).
struct Slot {
  double left = 0;
  double right = 0;

  double centre() const { return (left + right) / 2; }
  double width() const { return right - left; }
  friend bool operator==(const Slot&, const Slot&) = default;
};

class SlotLayout {
 public:
  // `members` distributions per category (at least 1 is assumed) sharing `fraction` of each of
  // `categories` categories, on a plot `plot_width` points wide.
  SlotLayout(std::size_t categories, std::size_t members, double fraction, double plot_width);

  // Slot `member` of the category at axis index `category`.
  Slot slot(std::size_t category, std::size_t member) const;

 private:
  double categories_;
  double share_;  // of the axis, per category
  double width_;  // of one slot
  double gap_;    // between slots
};

// Calls `visit(slot, stats, distribution)` for every statistics record of a box plot or violin
// whose category is on the category axis `x`: categories in the mark's order, the distributions
// of each category in order. Nothing on a continuous axis.
template <class Stats, class Visit>
void for_each_slot(const resolve::ResolvedAxis& x, const std::vector<std::string>& categories,
                   std::span<const resolve::ResolvedDistribution<Stats>> distributions,
                   double fraction, double plot_width, Visit&& visit) {
  const auto* scale = std::get_if<resolve::CategoryScale>(&x.scale);
  if (scale == nullptr || distributions.empty()) return;
  const SlotLayout layout(scale->categories().size(), distributions.size(), fraction,
                          plot_width);
  for (std::size_t c = 0; c < categories.size(); ++c) {
    const auto index = scale->index_of(categories[c]);
    if (!index) continue;
    for (std::size_t j = 0; j < distributions.size(); ++j) {
      const auto& distribution = distributions[j];
      if (c < distribution.stats.size() && distribution.stats[c]) {
        visit(layout.slot(*index, j), *distribution.stats[c], distribution);
      }
    }
  }
}

}  // namespace lodra::draw
