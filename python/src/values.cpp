#include "values.h"

#include <cstring>
#include <string_view>

#include "errors.h"
#include "model/shared_data.h"

namespace lodra::python {

namespace {

constexpr Py_ssize_t kFloat64Size = 8;

bool is_float64_format(const char* format) {
  const std::string_view text = format ? format : "B";
  return text == "d" || text == "=d" || text == "@d";
}

bool is_float64_vector(const Py_buffer& view) {
  if (view.ndim != 1 || view.itemsize != kFloat64Size || !is_float64_format(view.format)) {
    return false;
  }
  return view.strides == nullptr || view.strides[0] % kFloat64Size == 0;
}

}  // namespace

FloatBuffer::FloatBuffer(BufferView buffer)
    : buffer_(std::move(buffer)),
      size_(static_cast<std::size_t>(buffer_.view().shape ? buffer_.view().shape[0]
                                                          : buffer_.view().len / kFloat64Size)),
      stride_(buffer_.view().strides ? buffer_.view().strides[0] : kFloat64Size) {}

double FloatBuffer::operator[](std::size_t i) const {
  // The exporter may hand out memory that is not aligned for double.
  const auto* at =
      static_cast<const char*>(buffer_.view().buf) + static_cast<Py_ssize_t>(i) * stride_;
  double value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

std::optional<std::span<const double>> FloatBuffer::contiguous() const {
  const void* data = buffer_.view().buf;
  if (stride_ != kFloat64Size || reinterpret_cast<std::uintptr_t>(data) % alignof(double) != 0) {
    return std::nullopt;
  }
  return std::span<const double>(static_cast<const double*>(data), size_);
}

std::vector<double> FloatBuffer::copy() const {
  std::vector<double> values = reserve_floats(size_);
  if (auto block = contiguous()) {
    values.insert(values.end(), block->begin(), block->end());
    return values;
  }
  for (std::size_t i = 0; i < size_; ++i) values.push_back((*this)[i]);
  return values;
}

std::optional<FloatBuffer> float_buffer(PyObject* object) {
  Py_buffer view;
  if (PyObject_GetBuffer(object, &view, PyBUF_RECORDS_RO) != 0) {
    PyErr_Clear();
  } else {
    BufferView held(view);
    if (is_float64_vector(held.view())) return FloatBuffer(std::move(held));
  }
  raise_internal(PyExc_TypeError,
                 cat("expected a one-dimensional float64 buffer, got ", type_name(object)));
  return std::nullopt;
}

std::optional<std::vector<double>> floats(PyObject* object) {
  auto buffer = float_buffer(object);
  if (!buffer) return std::nullopt;
  return buffer->copy();
}

std::optional<std::vector<std::string>> names(PyObject* object) {
  if (!PyList_Check(object)) {
    raise_internal(PyExc_TypeError, cat("expected a list of str, got ", type_name(object)));
    return std::nullopt;
  }
  const Py_ssize_t size = PyList_Size(object);
  std::vector<std::string> result;
  result.reserve(static_cast<std::size_t>(size));
  for (Py_ssize_t i = 0; i < size; ++i) {
    PyObject* item = PyList_GetItem(object, i);
    if (!PyUnicode_Check(item)) {
      raise_internal(PyExc_TypeError,
                     cat("expected a list of str, got an item of ", type_name(item)));
      return std::nullopt;
    }
    Py_ssize_t length = 0;
    const char* utf8 = PyUnicode_AsUTF8AndSize(item, &length);
    if (!utf8) {
      PyErr_Clear();
      raise_internal(PyExc_TypeError, "a name is not valid UTF-8: it contains a lone surrogate");
      return std::nullopt;
    }
    result.emplace_back(utf8, static_cast<std::size_t>(length));
  }
  return result;
}

std::optional<ColorTuple> color_tuple(const Arg& arg) {
  if (!is_tuple_of(arg, 3, "(int, int, float)")) return std::nullopt;
  auto kind = to_int64(arg.item(0, PyTuple_GetItem(arg.object, 0)));
  if (!kind) return std::nullopt;
  auto value = to_int64(arg.item(1, PyTuple_GetItem(arg.object, 1)));
  if (!value) return std::nullopt;
  auto alpha = to_double(arg.item(2, PyTuple_GetItem(arg.object, 2)));
  if (!alpha) return std::nullopt;
  return ColorTuple{*kind, *value, *alpha};
}

std::optional<SizeTuple> size_tuple(const Arg& arg) {
  if (!is_tuple_of(arg, 2, "(int, float)")) return std::nullopt;
  auto kind = to_int64(arg.item(0, PyTuple_GetItem(arg.object, 0)));
  if (!kind) return std::nullopt;
  auto value = to_double(arg.item(1, PyTuple_GetItem(arg.object, 1)));
  if (!value) return std::nullopt;
  return SizeTuple{*kind, *value};
}

std::optional<TickFormatTuple> tick_format_tuple(const Arg& arg) {
  if (!is_tuple_of(arg, 4, "(int, int, str, str)")) return std::nullopt;
  auto kind = to_int64(arg.item(0, PyTuple_GetItem(arg.object, 0)));
  if (!kind) return std::nullopt;
  auto decimals = to_int64(arg.item(1, PyTuple_GetItem(arg.object, 1)));
  if (!decimals) return std::nullopt;
  auto prefix = to_text(arg.item(2, PyTuple_GetItem(arg.object, 2)));
  if (!prefix) return std::nullopt;
  auto suffix = to_text(arg.item(3, PyTuple_GetItem(arg.object, 3)));
  if (!suffix) return std::nullopt;
  return TickFormatTuple{*kind, *decimals, std::move(*prefix), std::move(*suffix)};
}

std::optional<std::uint32_t> packed_color(std::int64_t value) {
  if (value < 0 || value > 0xFFFFFFFF) {
    raise_internal(PyExc_ValueError, cat(value, " is not a color packed as 0xRRGGBBAA"));
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::optional<ColorSpec> color_spec(const ColorTuple& color) {
  if (color.kind == 2) {
    auto packed = packed_color(color.value);
    if (!packed) return std::nullopt;
    return ColorSpec::exact(Rgba::unpacked(*packed));
  }
  if (color.kind != 0 && color.kind != 1) {
    raise_internal(PyExc_ValueError, cat(color.kind, " is not a color kind"));
    return std::nullopt;
  }
  auto alpha = value_or_raise(Alpha::make(color.alpha));
  if (!alpha) return std::nullopt;
  if (color.kind == 0) return ColorSpec::automatic(*alpha);
  return value_or_raise(ColorSpec::palette(color.value, *alpha));
}

std::optional<SizeSpec> size_spec(const SizeTuple& size) {
  switch (size.kind) {
    case 0: return SizeSpec::automatic();
    case 1: return value_or_raise(SizeSpec::times(size.value));
    case 2: return value_or_raise(SizeSpec::pt(size.value));
    default: break;
  }
  raise_internal(PyExc_ValueError, cat(size.kind, " is not a size kind"));
  return std::nullopt;
}

std::optional<TickFormat> tick_format(TickFormatTuple format) {
  std::optional<TickFormat> plain;
  switch (format.kind) {
    case 0: plain = TickFormat{}; break;
    case 1: plain = value_or_raise(TickFormat::fixed(format.decimals)); break;
    case 2: plain = value_or_raise(TickFormat::percent(format.decimals)); break;
    case 3: plain = TickFormat::scientific(); break;
    default:
      raise_internal(PyExc_ValueError, cat(format.kind, " is not a tick format kind"));
      return std::nullopt;
  }
  if (!plain) return std::nullopt;
  return value_or_raise(
      TickFormat::affix(std::move(*plain), std::move(format.prefix), std::move(format.suffix)));
}

std::optional<CellIndex> cell_index(std::int64_t kind, std::int64_t index) {
  if (kind == 0) return CellIndex{};
  if (kind == 1) return CellIndex{index};
  raise_internal(PyExc_ValueError, cat(kind, " is not a grid index kind"));
  return std::nullopt;
}

}  // namespace lodra::python
