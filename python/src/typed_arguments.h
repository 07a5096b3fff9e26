// The arguments of a method read as their Python types, in argument order, before any value is
// converted: ints, floats, str, bool, the tuples of colours, sizes and tick formats, and the
// sequences of series, distributions and sample groups.
#pragma once

#include <Python.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "arguments.h"
#include "error.h"
#include "mark_values.h"
#include "py_ref.h"
#include "values.h"

namespace lodra::python {

inline std::optional<bool> to_bool(const Arg& arg) {
  if (PyBool_Check(arg.object)) return arg.object == Py_True;
  PyErr_SetString(PyExc_TypeError,
                  cat(arg.path(), " must be bool, not ", type_name(arg.object)).c_str());
  return std::nullopt;
}

// A float, or None for "not given".
inline std::optional<std::optional<double>> to_optional_double(const Arg& arg) {
  if (arg.object == Py_None) return std::optional<double>{};
  auto value = to_double(arg);
  if (!value) return std::nullopt;
  return std::optional<double>{*value};
}

template <class T>
std::optional<T> read(const Arg& arg) {
  if constexpr (std::is_same_v<T, PyObject*>) {
    return arg.object;
  } else if constexpr (std::is_same_v<T, std::int64_t>) {
    return to_int64(arg);
  } else if constexpr (std::is_same_v<T, double>) {
    return to_double(arg);
  } else if constexpr (std::is_same_v<T, std::optional<double>>) {
    return to_optional_double(arg);
  } else if constexpr (std::is_same_v<T, bool>) {
    return to_bool(arg);
  } else if constexpr (std::is_same_v<T, std::string>) {
    return to_text(arg);
  } else if constexpr (std::is_same_v<T, ColorTuple>) {
    return color_tuple(arg);
  } else if constexpr (std::is_same_v<T, SizeTuple>) {
    return size_tuple(arg);
  } else if constexpr (std::is_same_v<T, TickFormatTuple>) {
    return tick_format_tuple(arg);
  } else if constexpr (std::is_same_v<T, std::vector<SeriesTuple>>) {
    return series_tuples(arg);
  } else if constexpr (std::is_same_v<T, std::vector<DistributionTuple>>) {
    return distribution_tuples(arg);
  } else {
    static_assert(std::is_same_v<T, std::vector<PyRef>>);
    return sequence_items(arg, "float64 buffers");
  }
}

// Reads the arguments from `first` on as the types T..., in order; the first failure raises.
template <class... T, std::size_t N, std::size_t... I>
std::optional<std::tuple<T...>> read_each(const std::array<Arg, N>& args, std::size_t first,
                                          std::index_sequence<I...>) {
  std::tuple<std::optional<T>...> values;
  bool read_all = ((std::get<I>(values) = read<T>(args[first + I])).has_value() && ...);
  if (!read_all) return std::nullopt;
  return std::tuple<T...>{std::move(*std::get<I>(values))...};
}

template <class... T, std::size_t N>
std::optional<std::tuple<T...>> read_arguments(const std::array<Arg, N>& args,
                                               std::size_t first) {
  return read_each<T...>(args, first, std::index_sequence_for<T...>{});
}

}  // namespace lodra::python
