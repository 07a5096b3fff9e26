#include "draw/mapping.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <variant>

#include "scale/log_math.h"

namespace lodra::draw::mapping {

namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

std::vector<double> category_values(const std::vector<std::string>& names,
                                    const resolve::CategoryScale& scale) {
  const auto count = static_cast<double>(scale.categories().size());
  std::vector<double> mapped;
  mapped.reserve(names.size());
  for (const std::string& name : names) {
    const auto index = scale.index_of(name);
    mapped.push_back(index ? (static_cast<double>(*index) + 0.5) / count : kMissing);
  }
  return mapped;
}

}  // namespace

std::vector<double> continuous_values(std::span<const double> values,
                                      const ContinuousScale& scale) {
  if (!scale.is_log()) return {values.begin(), values.end()};
  std::vector<double> mapped;
  mapped.reserve(values.size());
  for (double v : values) {
    mapped.push_back(v > 0 ? log_offset(v, scale.low) : kMissing);
  }
  return mapped;
}

std::vector<double> axis_x(const resolve::ResolvedAxis& axis, const AxisData& x) {
  if (const auto* scale = std::get_if<ContinuousScale>(&axis.scale)) {
    if (const auto* numbers = x.numbers()) return continuous_values(**numbers, *scale);
  } else if (x.holds_names()) {
    return category_values(*std::get<SharedNames>(x.values),
                           std::get<resolve::CategoryScale>(axis.scale));
  }
  return std::vector<double>(x.size(), kMissing);
}

}  // namespace lodra::draw::mapping
