// The rendering methods of Figure, as method table entries (without the closing entry).
#pragma once

#include <Python.h>

#include <span>

namespace lodra::python {

// to_png, png_for_file, to_svg and svg_for_file.
std::span<const PyMethodDef> render_methods();

}  // namespace lodra::python
