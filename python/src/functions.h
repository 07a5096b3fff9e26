// The module functions: validators for the package's value types, colour and grid helpers, the
// enumeration table and the statistics entry points.
#pragma once

#include <Python.h>

namespace lodra::python {

// The function table, in export order, ending with an empty entry.
PyMethodDef* module_functions();

}  // namespace lodra::python
