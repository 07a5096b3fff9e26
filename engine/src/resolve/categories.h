// The categories of a category axis, in order of first appearance over the marks of its share
// group, and the ticks that name them.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/marks.h"
#include "resolve/continuous_axis.h"

namespace lodra::resolve {

class CategoryScale {
 public:
  // Appends each name the first time it is seen.
  void extend(std::span<const std::string> names);
  static CategoryScale from_first_appearance(std::span<const std::string> names);

  const std::vector<std::string>& categories() const { return categories_; }
  std::optional<std::size_t> index_of(std::string_view name) const;

  friend bool operator==(const CategoryScale&, const CategoryScale&) = default;

 private:
  std::vector<std::string> categories_;
  std::map<std::string, std::size_t, std::less<>> index_;
};

// The names of positions on a category axis; empty for numbers.
std::span<const std::string> axis_names(const AxisData& data);

// One tick per category at the middle of its slot, named by the category.
std::vector<AxisTick> category_ticks(const CategoryScale& scale);

// The categories a mark puts on the x axis: those of bars, box plots and violins, and the x of
// lines, scatters, areas, steps, stems and error bars at x positions when x holds names. A
// vline adds none: it names one that must exist.
std::span<const std::string> mark_categories(const Mark& mark);

}  // namespace lodra::resolve
