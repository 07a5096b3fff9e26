// The per-panel methods of Figure, as method table entries (without the closing entry).
#pragma once

#include <Python.h>

#include <span>

namespace lodra::python {

// Titles, labels, limits, ticks, tick formats and legends.
std::span<const PyMethodDef> panel_setting_methods();
// Every kind of mark.
std::span<const PyMethodDef> panel_mark_methods();

}  // namespace lodra::python
