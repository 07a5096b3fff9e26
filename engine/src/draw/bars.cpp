#include "draw/bars.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <variant>

#include "draw/bar_frame.h"

namespace lodra::draw::bar {

namespace {

// The value at `index`, NaN (no bar) beyond the list.
double value_at(const SharedFloats& values, std::size_t index) {
  const std::vector<double>* list = values.get();
  return list && index < list->size() ? (*list)[index]
                                      : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

std::vector<CategoryIndex> in_axis_order(std::span<const std::string> categories,
                                         const resolve::CategoryScale& axis) {
  std::vector<CategoryIndex> order;
  order.reserve(categories.size());
  for (std::size_t i = 0; i < categories.size(); ++i) {
    if (const auto axis_index = axis.index_of(categories[i])) order.push_back({*axis_index, i});
  }
  std::sort(order.begin(), order.end(), [](const CategoryIndex& a, const CategoryIndex& b) {
    return a.axis_index < b.axis_index;
  });
  return order;
}

void bar_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
               const resolve::Bar& mark, std::vector<scene::Item>& items) {
  const auto* categories = std::get_if<resolve::CategoryScale>(&axes.x.scale);
  if (!categories) return;
  const std::size_t count = categories->categories().size();
  const auto frame = BarFrame::make(clip, axes.y, theme.bar_corner_radius, group_width(count));
  if (!frame) return;
  for (const CategoryIndex& c : in_axis_order(*mark.categories, *categories)) {
    const Group group = category_group(c.axis_index, count);
    frame->push_value(group.left, group.left + group.width, value_at(mark.heights, c.mark_index),
                      mark.color, items);
  }
}

void grouped_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                   const resolve::GroupedBar& mark, std::vector<scene::Item>& items) {
  const auto* categories = std::get_if<resolve::CategoryScale>(&axes.x.scale);
  if (!categories || mark.series.empty()) return;
  const std::size_t count = categories->categories().size();
  const auto k = static_cast<double>(mark.series.size());
  const double group = group_width(count);
  double gap = points_as_units(clip.x, 2);
  double width = (group - (k - 1) * gap) / k;
  if (gap > width) {  // too narrow for gaps: the bars touch
    width = group / k;
    gap = 0;
  }
  const auto frame = BarFrame::make(clip, axes.y, theme.bar_corner_radius, width);
  if (!frame) return;
  for (const CategoryIndex& c : in_axis_order(*mark.categories, *categories)) {
    const double left = category_group(c.axis_index, count).left;
    for (std::size_t j = 0; j < mark.series.size(); ++j) {
      const resolve::ResolvedSeries& series = mark.series[j];
      const double bar_left = left + static_cast<double>(j) * (width + gap);
      frame->push_value(bar_left, bar_left + width, value_at(series.values, c.mark_index),
                        series.color, items);
    }
  }
}

}  // namespace lodra::draw::bar
