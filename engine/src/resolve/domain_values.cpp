#include "resolve/domain_values.h"

#include <algorithm>
#include <cmath>

namespace lodra::resolve {

void DomainValues::add_all(std::vector<double> values) {
  if (computed_.empty()) {
    computed_ = std::move(values);
  } else {
    computed_.insert(computed_.end(), values.begin(), values.end());
  }
}

std::optional<DataRange> DomainValues::extent() const {
  std::optional<DataRange> out = resolve::extent(computed_);
  for (std::span<const double> list : lists_) out = combined(out, resolve::extent(list));
  return out;
}

std::optional<DataRange> combined(std::optional<DataRange> a, std::optional<DataRange> b) {
  if (!a) return b;
  if (!b) return a;
  return DataRange{std::min(a->low, b->low), std::max(a->high, b->high)};
}

std::optional<DataRange> extent(std::span<const double> values) {
  double low = INFINITY;
  double high = -INFINITY;
  bool any = false;
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    low = std::min(low, v);
    high = std::max(high, v);
    any = true;
  }
  if (!any) return std::nullopt;
  return DataRange{low, high};
}

}  // namespace lodra::resolve
