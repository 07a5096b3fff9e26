// The Python class Theme: an immutable engine theme with presets, setters that return a new
// theme, and equality.
#pragma once

#include <Python.h>

#include "arguments.h"
#include "theme.h"

namespace lodra::python {

// The class, created on first use and kept for the life of the process (a borrowed reference;
// null after raising).
PyObject* theme_type();

// A new Theme object owning `theme`.
PyObject* new_theme(Theme theme);

// The engine theme of an argument that must be a Theme; null after raising a TypeError.
const Theme* theme_of(const Arg& arg);

}  // namespace lodra::python
