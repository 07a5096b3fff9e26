// The module object: multi-phase initialisation and the exported names, in order.
#include <Python.h>

namespace {

constexpr const char* kVersion = "0.2.0";
constexpr long kMaxBins = 10000;

int exec_module(PyObject* module) {
  if (PyModule_AddStringConstant(module, "__version__", kVersion) < 0) return -1;
  if (PyModule_AddIntConstant(module, "MAX_BINS", kMaxBins) < 0) return -1;
  return 0;
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
