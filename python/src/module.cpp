// The module object: multi-phase initialisation and the exported names, in order.
#include <Python.h>

#include "errors.h"
#include "figure_object.h"
#include "functions.h"
#include "theme_object.h"

namespace {

using namespace lodra::python;

constexpr const char* kVersion = "0.2.0";
constexpr long kMaxBins = 10000;

int add_version(PyObject* module) {
  return PyModule_AddStringConstant(module, "__version__", kVersion);
}

int add_max_bins(PyObject* module) { return PyModule_AddIntConstant(module, "MAX_BINS", kMaxBins); }

int add_theme(PyObject* module) {
  PyObject* type = theme_type();
  return type ? PyModule_AddType(module, reinterpret_cast<PyTypeObject*>(type)) : -1;
}

int add_figure(PyObject* module) {
  PyObject* type = figure_type();
  return type ? PyModule_AddType(module, reinterpret_cast<PyTypeObject*>(type)) : -1;
}

int add_functions(PyObject* module) { return PyModule_AddFunctions(module, module_functions()); }

// The exported names are added in this order; the first failure aborts initialisation.
constexpr int (*kExports[])(PyObject* module) = {
    add_version,
    add_max_bins,
    add_theme,
    add_figure,
    add_functions,
};

int exec_module(PyObject* module) noexcept {
  return guarded([module] {
    for (auto add : kExports) {
      if (add(module) < 0) return -1;
    }
    return 0;
  });
}

PyModuleDef_Slot slots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(exec_module)},
    {0, nullptr},
};

PyModuleDef module_def = {
    PyModuleDef_HEAD_INIT,
    "_lodra",
    "Native extension module behind the `lodra` Python package. Private: use `lodra` instead.",
    0,
    nullptr,
    slots,
    nullptr,
    nullptr,
    nullptr,
};

}  // namespace

PyMODINIT_FUNC PyInit__lodra() { return PyModuleDef_Init(&module_def); }
