#include "draw/mapping.h"

#include <cmath>
#include <limits>

#include "scale/log_math.h"

namespace lodra::draw::mapping {

std::vector<double> continuous_values(std::span<const double> values,
                                      const ContinuousScale& scale) {
  if (!scale.is_log()) return {values.begin(), values.end()};
  std::vector<double> mapped;
  mapped.reserve(values.size());
  for (double v : values) {
    mapped.push_back(v > 0 ? log_offset(v, scale.low) : std::numeric_limits<double>::quiet_NaN());
  }
  return mapped;
}

}  // namespace lodra::draw::mapping
