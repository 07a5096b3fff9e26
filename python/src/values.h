// Conversion of the plain values the package passes into engine values: float buffers, names,
// colours, sizes, tick formats and optional cell indexes. Each converter raises and returns
// nothing on failure: an internal error for a value the package should never pass, the
// engine's own error otherwise.
#pragma once

#include <Python.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "arguments.h"
#include "color.h"
#include "py_ref.h"
#include "size.h"
#include "tick_format.h"

namespace lodra::python {

// A one-dimensional buffer of float64 values, read element by element at its stride.
class FloatBuffer {
 public:
  explicit FloatBuffer(BufferView buffer);
  std::size_t size() const { return size_; }
  double operator[](std::size_t i) const;
  // The values in place, when they are contiguous and aligned.
  std::optional<std::span<const double>> contiguous() const;
  std::vector<double> copy() const;

 private:
  BufferView buffer_;
  std::size_t size_;
  Py_ssize_t stride_;
};

std::optional<FloatBuffer> float_buffer(PyObject* object);
std::optional<std::vector<double>> floats(PyObject* object);
// A list of str.
std::optional<std::vector<std::string>> names(PyObject* object);

// The tuples as the binding layer reads them, before their values are checked.
struct ColorTuple {
  std::int64_t kind = 0;  // 0 automatic, 1 palette entry, 2 packed 0xRRGGBBAA
  std::int64_t value = 0;
  double alpha = 1.0;  // the opacity of kinds 0 and 1
};
struct SizeTuple {
  std::int64_t kind = 0;  // 0 automatic, 1 times the theme's, 2 points
  double value = 0.0;
};
struct TickFormatTuple {
  std::int64_t kind = 0;  // 0 automatic, 1 fixed, 2 percent, 3 scientific
  std::int64_t decimals = 0;
  std::string prefix;
  std::string suffix;
};

std::optional<ColorTuple> color_tuple(const Arg& arg);
std::optional<SizeTuple> size_tuple(const Arg& arg);
std::optional<TickFormatTuple> tick_format_tuple(const Arg& arg);

std::optional<std::uint32_t> packed_color(std::int64_t value);
std::optional<ColorSpec> color_spec(const ColorTuple& color);
std::optional<SizeSpec> size_spec(const SizeTuple& size);
std::optional<TickFormat> tick_format(TickFormatTuple format);

// A row or column as the caller gives it.
struct CellIndex {
  std::optional<std::int64_t> given;  // absent: AUTO
};
// Kind 0 is AUTO (the index is ignored), kind 1 the given index.
std::optional<CellIndex> cell_index(std::int64_t kind, std::int64_t index);

}  // namespace lodra::python
