// Entry points as the interpreter calls them: every one runs its body under `guarded`, so that
// no C++ exception reaches the interpreter.
#pragma once

#include <Python.h>

#include "errors.h"

namespace lodra::python {

using KeywordsBody = PyObject* (*)(PyObject* self, PyObject* args, PyObject* kwargs);
using NoArgsBody = PyObject* (*)(PyObject* self);

template <KeywordsBody body>
PyObject* keywords_entry(PyObject* self, PyObject* args, PyObject* kwargs) noexcept {
  return guarded([&] { return body(self, args, kwargs); });
}

template <NoArgsBody body>
PyObject* no_args_entry(PyObject* self, PyObject*) noexcept {
  return guarded([&] { return body(self); });
}

// A method table entry; `extra_flags` adds METH_STATIC and the like.
template <KeywordsBody body>
inline PyMethodDef keywords_method(const char* name, const char* doc, int extra_flags = 0) {
  return {name, reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&keywords_entry<body>)),
          METH_VARARGS | METH_KEYWORDS | extra_flags, doc};
}

template <NoArgsBody body>
inline PyMethodDef no_args_method(const char* name, const char* doc, int extra_flags = 0) {
  return {name, &no_args_entry<body>, METH_NOARGS | extra_flags, doc};
}

}  // namespace lodra::python
