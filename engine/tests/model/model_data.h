// Small builders for the data lists marks take.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/series.h"
#include "model/shared_data.h"

namespace lodra::testing {

inline SharedFloats floats(std::initializer_list<double> values) {
  return share_floats(std::vector<double>(values));
}
inline SharedNames names(std::initializer_list<const char*> values) {
  return share_names(std::vector<std::string>(values.begin(), values.end()));
}
inline AxisData numbers_at(std::initializer_list<double> values) { return {floats(values)}; }
inline AxisData names_at(std::initializer_list<const char*> values) { return {names(values)}; }
inline Series series(std::initializer_list<double> values) { return {"", floats(values), {}}; }

}  // namespace lodra::testing
