#include "resolve/domain_values.h"

#include <algorithm>
#include <cmath>

namespace lodra::resolve {

void DomainValues::add(const SharedFloats& list) {
  const Extent& known = list.extent();
  if (known.lowest > known.highest) return;  // nothing but NaN
  // The stored extent skips only NaN: with an infinity in the list, the finite values are
  // found by a scan.
  if (std::isfinite(known.lowest) && std::isfinite(known.highest)) {
    range_ = combined(range_, DataRange{known.lowest, known.highest});
  } else {
    add(std::span<const double>(*list));
  }
}

void DomainValues::add(std::span<const double> values) {
  range_ = combined(range_, resolve::extent(values));
}

void DomainValues::add(double value) {
  if (std::isfinite(value)) range_ = combined(range_, DataRange{value, value});
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
