// The shape shared by every per-panel method of Figure: take the figure to change it, read row
// and col, read and convert the other arguments into an edit, find the axes, apply the edit.
#pragma once

#include <Python.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "errors.h"
#include "figure_borrow.h"
#include "model/axes_mut.h"
#include "typed_arguments.h"

namespace lodra::python {

// True, or false after raising the error.
inline bool succeeded(const Status& status) {
  if (status) return true;
  raise_error(status.error());
  return false;
}

inline PyObject* none_or_raise(const Status& status) {
  if (!succeeded(status)) return nullptr;
  Py_RETURN_NONE;
}

// A change to one axes, applied once the axes is found.
using Edit = std::function<Status(AxesMut&)>;
template <std::size_t N>
using Parsed = std::array<Arg, N>;

// Takes the figure to change it, reads row and col, lets `convert` read and convert the other
// arguments (their Python types first, then their values) into an edit, finds the axes and
// applies the edit.
template <std::size_t N, class Convert>
PyObject* edit_panel(PyObject* self, PyObject* args, PyObject* kwargs, const char* function,
                     const std::array<const char*, N>& names, Convert convert) {
  FigureBorrow borrow(self, FigureBorrow::Mode::Change);
  if (!borrow) return nullptr;
  auto parsed = parse_arguments(args, kwargs, function, names);
  if (!parsed) return nullptr;
  auto cell = read_arguments<std::int64_t, std::int64_t>(*parsed, 0);
  if (!cell) return nullptr;
  std::optional<Edit> edit = convert(*parsed);
  if (!edit) return nullptr;
  auto axes = value_or_raise(borrow.figure().axes_at_mut(std::get<0>(*cell), std::get<1>(*cell)));
  if (!axes) return nullptr;
  return none_or_raise((*edit)(*axes));
}

// The methods of one family differ only in the operation they run.
template <class Operation>
struct PanelMethod {
  const char* name;
  Operation operation;
};

}  // namespace lodra::python
