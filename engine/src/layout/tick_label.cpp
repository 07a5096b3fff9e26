#include "layout/tick_label.h"

namespace lodra::layout {

const TickLabel* widest(std::span<const TickLabel> labels) {
  const TickLabel* found = nullptr;
  for (const TickLabel& label : labels) {
    if (!found || label.label.width() > found->label.width()) found = &label;
  }
  return found;
}

std::vector<TickLabelExtent> extents(std::span<const TickLabel> labels) {
  std::vector<TickLabelExtent> result;
  result.reserve(labels.size());
  for (const TickLabel& label : labels) {
    result.push_back({label.position, label.label.width() / 2});
  }
  return result;
}

}  // namespace lodra::layout
