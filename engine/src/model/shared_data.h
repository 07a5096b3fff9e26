// Mark data as the model stores it: written once when a mark is added, then shared read-only
// by every copy of the figure, so that copying a figure copies pointers, never values.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "model/range_scan.h"

namespace lodra {

// A shared list of floats with the extent of its values, found when the list was filled so
// that checking a long list against a range rarely needs another pass over it.
class SharedFloats {
 public:
  SharedFloats() = default;

  const std::vector<double>& operator*() const { return data_->values; }
  const std::vector<double>* operator->() const { return &data_->values; }
  const std::vector<double>* get() const { return data_ ? &data_->values : nullptr; }
  long use_count() const { return data_.use_count(); }
  const Extent& extent() const { return data_->extent; }

  // The same list, not merely equal values.
  friend bool operator==(const SharedFloats&, const SharedFloats&) = default;

 private:
  struct Data {
    std::vector<double> values;
    Extent extent;
  };
  explicit SharedFloats(std::vector<double> values, Extent extent)
      : data_(std::make_shared<const Data>(Data{std::move(values), extent})) {}

  friend SharedFloats share_floats(std::vector<double> values);
  friend SharedFloats copy_floats(std::span<const double> source);

  std::shared_ptr<const Data> data_;
};

// The list takes the values over, with one pass to find their extent.
SharedFloats share_floats(std::vector<double> values);
// A copy of `source`, made in pieces small enough to find the extent while each is in cache.
SharedFloats copy_floats(std::span<const double> source);

// An empty list with room for `count` values, to be filled once. Long lists ask the system for
// huge pages, which makes the first writes to them several times cheaper.
std::vector<double> reserve_floats(std::size_t count);

using SharedNames = std::shared_ptr<const std::vector<std::string>>;

inline SharedNames share_names(std::vector<std::string> names) {
  return std::make_shared<const std::vector<std::string>>(std::move(names));
}

// Positions along one axis: numbers, or category names on a category axis.
struct AxisData {
  std::variant<SharedFloats, SharedNames> values;

  bool holds_names() const { return std::holds_alternative<SharedNames>(values); }
  // Null when the data holds names.
  const SharedFloats* numbers() const { return std::get_if<SharedFloats>(&values); }
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
