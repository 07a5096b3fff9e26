#include "arguments.h"

#include "error.h"

namespace lodra::python {

namespace {

std::nullptr_t raise_type_error(const std::string& message) {
  PyErr_SetString(PyExc_TypeError, message.c_str());
  return nullptr;
}

std::nullptr_t raise_wrong_type(const Arg& arg, std::string_view expected) {
  return raise_type_error(cat(arg.path(), " must be ", expected, ", not ", type_name(arg.object)));
}

std::string text_of(PyObject* text) {
  Py_ssize_t size = 0;
  const char* utf8 = PyUnicode_AsUTF8AndSize(text, &size);
  if (!utf8) {
    PyErr_Clear();
    return {};
  }
  return std::string(utf8, static_cast<std::size_t>(size));
}

}  // namespace

Arg Arg::item(Py_ssize_t index, PyObject* item_object) const {
  Arg inner = *this;
  inner.object = item_object;
  if (inner.depth < inner.items.size()) inner.items[inner.depth++] = index;
  return inner;
}

std::string Arg::path() const {
  std::string text = cat(function, "() argument '", name, "'");
  for (std::size_t i = 0; i < depth; ++i) text += cat("[", items[i], "]");
  return text;
}

std::string type_name(PyObject* object) {
  PyRef name(PyType_GetQualName(Py_TYPE(object)));
  std::string text = name ? text_of(name.get()) : std::string();
  if (!name) PyErr_Clear();
  return text.empty() ? "an unknown type" : text;
}

std::optional<std::int64_t> to_int64(const Arg& arg) {
  if (!PyIndex_Check(arg.object)) {
    raise_wrong_type(arg, "int");
    return std::nullopt;
  }
  PyRef index(PyNumber_Index(arg.object));
  if (!index) return std::nullopt;
  const long long value = PyLong_AsLongLong(index.get());
  if (value == -1 && PyErr_Occurred()) {
    if (PyErr_ExceptionMatches(PyExc_OverflowError)) {
      PyErr_Clear();
      PyErr_SetString(PyExc_OverflowError,
                      cat(arg.path(), " does not fit a 64-bit signed integer").c_str());
    }
    return std::nullopt;
  }
  return static_cast<std::int64_t>(value);
}

std::optional<double> to_double(const Arg& arg) {
  const double value = PyFloat_AsDouble(arg.object);
  if (value == -1.0 && PyErr_Occurred()) {
    if (PyErr_ExceptionMatches(PyExc_TypeError)) {
      PyErr_Clear();
      raise_wrong_type(arg, "float");
    }
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> to_text(const Arg& arg) {
  if (!PyUnicode_Check(arg.object)) {
    raise_wrong_type(arg, "str");
    return std::nullopt;
  }
  Py_ssize_t size = 0;
  const char* utf8 = PyUnicode_AsUTF8AndSize(arg.object, &size);
  if (!utf8) return std::nullopt;
  return std::string(utf8, static_cast<std::size_t>(size));
}

bool is_tuple_of(const Arg& arg, Py_ssize_t size, std::string_view shape) {
  if (PyTuple_Check(arg.object) && PyTuple_Size(arg.object) == size) return true;
  const std::string expected = cat("a tuple ", shape);
  if (PyTuple_Check(arg.object)) {
    raise_type_error(cat(arg.path(), " must be ", expected, ", not a tuple of ",
                         PyTuple_Size(arg.object), " items"));
  } else {
    raise_wrong_type(arg, expected);
  }
  return false;
}

std::optional<std::vector<PyRef>> sequence_items(const Arg& arg, std::string_view item_shape) {
  if (!PySequence_Check(arg.object) || PyUnicode_Check(arg.object)) {
    raise_wrong_type(arg, cat("a sequence of ", item_shape));
    return std::nullopt;
  }
  const Py_ssize_t size = PySequence_Size(arg.object);
  if (size < 0) return std::nullopt;
  std::vector<PyRef> items;  // not reserved: the size comes from the object's __len__
  for (Py_ssize_t i = 0; i < size; ++i) {
    PyRef item(PySequence_GetItem(arg.object, i));
    if (!item) return std::nullopt;
    items.push_back(std::move(item));
  }
  return items;
}

namespace detail {

bool parse_objects(PyObject* args, PyObject* kwargs, const char* function,
                   std::span<const char* const> names, std::span<PyObject*> objects) {
  const auto expected = static_cast<Py_ssize_t>(names.size());
  const Py_ssize_t given = PyTuple_Size(args);
  if (given > expected) {
    const std::string_view noun = expected == 1 ? " argument" : " arguments";
    raise_type_error(cat(function, "() takes ", expected, noun, " but ", given, " were given"));
    return false;
  }
  for (Py_ssize_t i = 0; i < given; ++i) {
    objects[static_cast<std::size_t>(i)] = PyTuple_GetItem(args, i);
  }

  PyObject* key = nullptr;
  PyObject* value = nullptr;
  for (Py_ssize_t position = 0; kwargs && PyDict_Next(kwargs, &position, &key, &value);) {
    std::size_t i = 0;
    while (i < names.size() && !(PyUnicode_Check(key) &&
                                 PyUnicode_CompareWithASCIIString(key, names[i]) == 0)) {
      ++i;
    }
    if (i == names.size()) {
      const std::string shown = PyUnicode_Check(key) ? text_of(key) : type_name(key);
      raise_type_error(cat(function, "() got an unexpected keyword argument '", shown, "'"));
      return false;
    }
    if (objects[i]) {
      raise_type_error(cat(function, "() got multiple values for argument '", names[i], "'"));
      return false;
    }
    objects[i] = value;
  }

  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!objects[i]) {
      raise_type_error(cat(function, "() missing required argument '", names[i], "' (pos ",
                           i + 1, ")"));
      return false;
    }
  }
  return true;
}

}  // namespace detail

}  // namespace lodra::python
