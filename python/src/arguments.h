// The binding layer's side of argument handling: parsing positional or keyword arguments and
// turning each into its plain C++ type, with messages that name the argument. Value checks
// come after, in values.h.
#pragma once

#include <Python.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "py_ref.h"

namespace lodra::python {

// One argument of an entry point, or an item inside it; its path names it in messages, such as
// "with_palette() argument 'colors'[3][0]".
struct Arg {
  PyObject* object;
  std::string_view function;
  std::string_view name;
  std::array<Py_ssize_t, 2> items{};
  std::size_t depth = 0;

  Arg item(Py_ssize_t index, PyObject* item_object) const;
  std::string path() const;
};

// The qualified name of the object's type, or "an unknown type".
std::string type_name(PyObject* object);

// Every failure below raises and returns nothing.
std::optional<std::int64_t> to_int64(const Arg& arg);
std::optional<double> to_double(const Arg& arg);
std::optional<std::string> to_text(const Arg& arg);
// A tuple of exactly `size` items; `shape` describes it in the message, such as
// "(int, int, float)".
bool is_tuple_of(const Arg& arg, Py_ssize_t size, std::string_view shape);
// The items of a sequence that is not a str; `item_shape` describes one item in the message.
std::optional<std::vector<PyRef>> sequence_items(const Arg& arg, std::string_view item_shape);

namespace detail {
bool parse_objects(PyObject* args, PyObject* kwargs, const char* function,
                   std::span<const char* const> names, std::span<PyObject*> objects);
}

// Parses required arguments given by position or keyword, in the order of `names`.
template <std::size_t N>
std::optional<std::array<Arg, N>> parse_arguments(PyObject* args, PyObject* kwargs,
                                                  const char* function,
                                                  const std::array<const char*, N>& names) {
  std::array<PyObject*, N> objects{};
  if (!detail::parse_objects(args, kwargs, function, names, objects)) return std::nullopt;
  std::array<Arg, N> parsed;
  for (std::size_t i = 0; i < N; ++i) parsed[i] = Arg{objects[i], function, names[i]};
  return parsed;
}

}  // namespace lodra::python
