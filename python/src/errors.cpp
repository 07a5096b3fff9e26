#include "errors.h"

#include <exception>
#include <new>
#include <string>

#include "py_ref.h"

namespace lodra::python {

namespace {

PyObject* text_or_none(std::string_view text) {
  if (text.empty()) return Py_NewRef(Py_None);
  return PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
}

std::nullptr_t raise_os_error(const Error& error) {
  // With an error code, OSError picks its subclass (FileNotFoundError and the like) from it.
  PyRef exception(error.os_code != 0
                      ? PyObject_CallFunction(PyExc_OSError, "is#", error.os_code,
                                              error.problem.data(),
                                              static_cast<Py_ssize_t>(error.problem.size()))
                      : PyObject_CallFunction(PyExc_OSError, "s#", error.problem.data(),
                                              static_cast<Py_ssize_t>(error.problem.size())));
  if (exception) PyErr_SetObject(PyExceptionInstance_Class(exception.get()), exception.get());
  return nullptr;
}

const char* class_name(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Data: return "DataError";
    case ErrorKind::Style: return "StyleError";
    default: return "UsageError";
  }
}

bool set_text_attribute(PyObject* object, const char* name, std::string_view text) {
  PyRef value(text_or_none(text));
  return value && PyObject_SetAttrString(object, name, value.get()) == 0;
}

}  // namespace

std::nullptr_t raise_error(const Error& error) {
  if (error.kind == ErrorKind::Io) return raise_os_error(error);
  const std::string message = error.display();
  PyRef text(PyUnicode_FromStringAndSize(message.data(), static_cast<Py_ssize_t>(message.size())));
  if (!text) return nullptr;
  // Imported at raise time, so that the module loads without the package around it.
  PyRef errors(PyImport_ImportModule("lodra._errors"));
  if (!errors) return nullptr;
  PyRef type(PyObject_GetAttrString(errors.get(), class_name(error.kind)));
  if (!type) return nullptr;
  PyRef exception(PyObject_CallFunctionObjArgs(type.get(), text.get(), nullptr));
  if (!exception) return nullptr;
  if (!set_text_attribute(exception.get(), "_lodra_parameter", error.parameter)) return nullptr;
  if (!set_text_attribute(exception.get(), "_lodra_hint", error.hint)) return nullptr;
  PyErr_SetObject(PyExceptionInstance_Class(exception.get()), exception.get());
  return nullptr;
}

std::nullptr_t raise_internal(PyObject* type, std::string_view detail) {
  const std::string message = cat("internal error: ", detail);
  PyRef text(PyUnicode_FromStringAndSize(message.data(), static_cast<Py_ssize_t>(message.size())));
  if (text) PyErr_SetObject(type, text.get());
  return nullptr;
}

void raise_current_exception() noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
  } catch (const std::exception& exception) {
    PyErr_Format(PyExc_RuntimeError, "internal error: %s", exception.what());
  } catch (...) {
    PyErr_SetString(PyExc_RuntimeError, "internal error: an unknown C++ exception");
  }
}

}  // namespace lodra::python
