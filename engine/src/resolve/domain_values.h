// The numbers a mark contributes to the extent of one axis: its stored data lists, whose
// extents are known once they are filled, and a few computed values (stack ends, statistics,
// bin edges). Only the finite values count; they are folded into one range as they come.
#pragma once

#include <optional>
#include <span>

#include "model/shared_data.h"
#include "scale/continuous_scale.h"

namespace lodra::resolve {

class DomainValues {
 public:
  void add(const SharedFloats& list);
  void add(std::span<const double> values);
  void add(double value);

  // The smallest and largest finite value; none without a finite value.
  const std::optional<DataRange>& extent() const { return range_; }

 private:
  std::optional<DataRange> range_;
};

// The smallest range holding both; either may be absent.
std::optional<DataRange> combined(std::optional<DataRange> a, std::optional<DataRange> b);

// The extent of the finite values; none when there is none.
std::optional<DataRange> extent(std::span<const double> values);

}  // namespace lodra::resolve
