#include "resolve/categories.h"

namespace lodra::resolve {

void CategoryScale::extend(std::span<const std::string> names) {
  for (const std::string& name : names) {
    if (index_.try_emplace(name, categories_.size()).second) categories_.push_back(name);
  }
}

CategoryScale CategoryScale::from_first_appearance(std::span<const std::string> names) {
  CategoryScale scale;
  scale.extend(names);
  return scale;
}

std::optional<std::size_t> CategoryScale::index_of(std::string_view name) const {
  auto at = index_.find(name);
  if (at == index_.end()) return std::nullopt;
  return at->second;
}

std::span<const std::string> axis_names(const AxisData& data) {
  if (data.holds_names()) return *std::get<SharedNames>(data.values);
  return {};
}

std::vector<AxisTick> category_ticks(const CategoryScale& scale) {
  const std::vector<std::string>& names = scale.categories();
  std::vector<AxisTick> ticks;
  ticks.reserve(names.size());
  double n = static_cast<double>(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    ticks.push_back({names[i], (static_cast<double>(i) + 0.5) / n});
  }
  return ticks;
}

std::span<const std::string> mark_categories(const Mark& mark) {
  return std::visit(
      [](const auto& m) -> std::span<const std::string> {
        if constexpr (requires { m.categories; }) {
          return *m.categories;
        } else if constexpr (requires { m.series.x; }) {
          return axis_names(m.series.x);
        } else if constexpr (requires { m.positions; }) {
          return m.orientation == ErrorBarDirection::AlongY ? axis_names(m.positions)
                                                            : std::span<const std::string>();
        } else {
          return {};
        }
      },
      mark);
}

}  // namespace lodra::resolve
