// Bars on a category x axis: single bars, and bars grouped side by side per category. Each bar
// is one `Fill` item, rising from the y baseline with its tip corners rounded by the theme.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "resolve/categories.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw::bar {

struct CategoryIndex {
  std::size_t axis_index = 0;
  std::size_t mark_index = 0;
  friend bool operator==(const CategoryIndex&, const CategoryIndex&) = default;
};

// Every category of the mark that is on the axis, with its index on the axis and in the mark,
// sorted by axis index: the order in which bars are drawn.
std::vector<CategoryIndex> in_axis_order(std::span<const std::string> categories,
                                         const resolve::CategoryScale& axis);

// Nothing is drawn unless x is a category axis and y a continuous one.
void bar_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
               const resolve::Bar& mark, std::vector<scene::Item>& items);

// The series of each category side by side in series order, 2 points apart unless the gaps
// would be wider than the bars.
void grouped_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                   const resolve::GroupedBar& mark, std::vector<scene::Item>& items);

}  // namespace lodra::draw::bar
