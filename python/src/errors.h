// How failures leave the module: engine errors as the package's exception classes, defects of
// the calling package as internal errors, and C++ exceptions caught at every entry point.
#pragma once

#include <Python.h>

#include <cstddef>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "error.h"

namespace lodra::python {

// Raises `error` as DataError, StyleError or UsageError from "lodra._errors" (or OSError),
// carrying its parameter and hint. Returns null, for `return raise_error(error);`.
std::nullptr_t raise_error(const Error& error);

// The result's value, or nothing after raising its error.
template <class T>
std::optional<T> value_or_raise(Result<T>&& result) {
  if (!result) {
    raise_error(result.error());
    return std::nullopt;
  }
  return std::move(*result);
}

// Raises `type` with "internal error: " and the detail: a value the package should never pass.
std::nullptr_t raise_internal(PyObject* type, std::string_view detail);

// Raises the C++ exception being handled as a Python exception.
void raise_current_exception() noexcept;

// Runs the body of an entry point; a C++ exception becomes a Python exception and the entry
// point's failure value (null, or -1 for int results).
template <class Body>
auto guarded(Body&& body) noexcept -> decltype(body()) {
  using Returned = decltype(body());
  static_assert(std::is_pointer_v<Returned> || std::is_same_v<Returned, int>);
  try {
    return body();
  } catch (...) {
    raise_current_exception();
    if constexpr (std::is_pointer_v<Returned>) {
      return nullptr;
    } else {
      return -1;
    }
  }
}

}  // namespace lodra::python
