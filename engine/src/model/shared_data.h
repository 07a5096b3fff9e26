// Mark data as the model stores it: written once when a mark is added, then shared read-only
// by every copy of the figure, so that copying a figure copies pointers, never values.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace lodra {

using SharedFloats = std::shared_ptr<const std::vector<double>>;
using SharedNames = std::shared_ptr<const std::vector<std::string>>;

inline SharedFloats share_floats(std::vector<double> values) {
  return std::make_shared<const std::vector<double>>(std::move(values));
}
inline SharedNames share_names(std::vector<std::string> names) {
  return std::make_shared<const std::vector<std::string>>(std::move(names));
}

// Positions along one axis: numbers, or category names on a category axis.
struct AxisData {
  std::variant<SharedFloats, SharedNames> values;

  bool holds_names() const { return std::holds_alternative<SharedNames>(values); }
  // Null when the data holds names.
  const std::vector<double>* numbers() const {
    auto* floats = std::get_if<SharedFloats>(&values);
    return floats ? floats->get() : nullptr;
  }
  std::size_t size() const {
    return std::visit([](const auto& list) { return list->size(); }, values);
  }

  friend bool operator==(const AxisData&, const AxisData&) = default;
};

// The samples of a box plot or violin: one list per category.
using SampleGroups = std::vector<SharedFloats>;

// One position along an axis: a number, or a category name.
using AxisValue = std::variant<double, std::string>;

}  // namespace lodra
