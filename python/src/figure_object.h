// The Python class Figure: owns one engine figure, builds it through a flat list of methods
// (per-panel methods take the panel's row and column first), and guards it with a borrow flag.
#pragma once

#include <Python.h>

namespace lodra::python {

// The class, created on first use and kept for the life of the process (a borrowed reference;
// null after raising).
PyObject* figure_type();

}  // namespace lodra::python
