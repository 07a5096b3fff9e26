// The numbers a mark contributes to the extent of one axis: views of its stored data lists
// and a few computed values (stack ends, statistics, bin edges).
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "scale/continuous_scale.h"

namespace lodra::resolve {

class DomainValues {
 public:
  // A view of a list that outlives these values.
  void add(std::span<const double> list) { lists_.push_back(list); }
  void add(double value) { computed_.push_back(value); }
  void add_all(std::vector<double> values);

  // The smallest and largest finite value; none without a finite value.
  std::optional<DataRange> extent() const;

 private:
  std::vector<std::span<const double>> lists_;
  std::vector<double> computed_;
};

// The smallest range holding both; either may be absent.
std::optional<DataRange> combined(std::optional<DataRange> a, std::optional<DataRange> b);

// The extent of the finite values; none when there is none.
std::optional<DataRange> extent(std::span<const double> values);

}  // namespace lodra::resolve
