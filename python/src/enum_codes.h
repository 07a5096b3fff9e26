// Enumerations as integer codes: reading a code, and the table of every bound enumeration.
#pragma once

#include <Python.h>

#include <cstdint>
#include <optional>

#include "enums.h"
#include "errors.h"
#include "py_ref.h"

namespace lodra::python {

// The member with this code; a code out of range is a defect of the calling package.
template <class E>
std::optional<E> enum_code(std::int64_t code) {
  if (auto member = enum_from_code<E>(code)) return member;
  raise_internal(PyExc_ValueError, cat(code, " is not a value of ", EnumInfo<E>::name));
  return std::nullopt;
}

namespace detail {

template <class E>
bool add_members(PyObject* table) {
  const auto& members = EnumInfo<E>::members;
  PyRef list(PyList_New(static_cast<Py_ssize_t>(members.size())));
  if (!list) return false;
  for (std::size_t code = 0; code < members.size(); ++code) {
    PyObject* member = Py_BuildValue("(s#n)", members[code].data(),
                                     static_cast<Py_ssize_t>(members[code].size()),
                                     static_cast<Py_ssize_t>(code));
    if (!member) return false;
    PyList_SetItem(list.get(), static_cast<Py_ssize_t>(code), member);  // steals
  }
  const auto& name = EnumInfo<E>::name;
  PyRef key(PyUnicode_FromStringAndSize(name.data(), static_cast<Py_ssize_t>(name.size())));
  return key && PyDict_SetItem(table, key.get(), list.get()) == 0;
}

template <class... E>
PyObject* member_table() {
  PyRef table(PyDict_New());
  if (!table || !(detail::add_members<E>(table.get()) && ...)) return nullptr;
  return table.release();
}

}  // namespace detail

// {enumeration name: [(member name, code), ...]} for every enumeration that crosses into
// Python, in this order.
inline PyObject* enum_members() {
  return detail::member_table<Dash, Marker, Font, LegendStyle, FillStyle, GridLines, SvgText,
                              Share, LegendMode, LegendPosition, Align, Step>();
}

}  // namespace lodra::python
