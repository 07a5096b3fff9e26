#include "draw/axis_numbers.h"

#include <limits>
#include <variant>

#include "draw/mapping.h"

namespace lodra::draw {

std::vector<double> axis_numbers(const resolve::ResolvedAxis& axis,
                                 std::span<const double> values) {
  if (const auto* scale = std::get_if<ContinuousScale>(&axis.scale)) {
    return mapping::continuous_values(values, *scale);
  }
  return std::vector<double>(values.size(), std::numeric_limits<double>::quiet_NaN());
}

double axis_number(const resolve::ResolvedAxis& axis, double value) {
  return axis_numbers(axis, std::span(&value, 1)).front();
}

}  // namespace lodra::draw
