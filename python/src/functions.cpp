#include "functions.h"

#include <array>
#include <optional>
#include <vector>

#include "entry_points.h"
#include "enum_codes.h"
#include "errors.h"
#include "model/grid.h"
#include "py_ref.h"
#include "resolve/statistics.h"
#include "scale/log_base.h"
#include "values.h"

namespace lodra::python {

namespace {

constexpr std::size_t kDensityPoints = 128;

template <class T>
PyObject* none_or_raise(Result<T>&& result) {
  if (!result) return raise_error(result.error());
  Py_RETURN_NONE;
}

PyObject* packed_or_raise(Result<Rgba>&& result) {
  if (!result) return raise_error(result.error());
  return PyLong_FromUnsignedLong(result->packed());
}

// One float argument checked by an engine constructor, such as check_alpha(a).
template <class T>
using Check = Result<T> (*)(double);

template <const char* name, const char* argument, class T, Check<T> check>
PyObject* check_float(PyObject*, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, name, std::array{argument});
  if (!parsed) return nullptr;
  auto value = to_double((*parsed)[0]);
  if (!value) return nullptr;
  return none_or_raise(check(*value));
}

PyObject* enum_members_body(PyObject*) { return enum_members(); }

// The int arguments, all read before any value is checked.
template <std::size_t N>
std::optional<std::array<std::int64_t, N>> int_arguments(const std::array<Arg, N>& parsed) {
  std::array<std::int64_t, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    auto value = to_int64(parsed[i]);
    if (!value) return std::nullopt;
    values[i] = *value;
  }
  return values;
}

PyObject* grid_auto_size(PyObject*, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, "grid_auto_size", std::array{"rows", "cols"});
  if (!parsed) return nullptr;
  auto ints = int_arguments(*parsed);
  if (!ints) return nullptr;
  auto grid = value_or_raise(Grid::make((*ints)[0], (*ints)[1]));
  if (!grid) return nullptr;
  return Py_BuildValue("(dd)", 6.0 * grid->cols, 4.0 * grid->rows);
}

PyObject* grid_cells(PyObject*, PyObject* args, PyObject* kwargs) {
  auto parsed =
      parse_arguments(args, kwargs, "grid_cells", std::array{"rows", "cols", "count"});
  if (!parsed) return nullptr;
  auto ints = int_arguments(*parsed);
  if (!ints) return nullptr;
  const auto [rows, cols, count] = *ints;
  auto grid = value_or_raise(Grid::make(rows, cols));
  if (!grid) return nullptr;
  auto cells = value_or_raise(grid->cells(count));
  if (!cells) return nullptr;
  PyRef list(PyList_New(static_cast<Py_ssize_t>(cells->size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < cells->size(); ++i) {
    PyObject* cell = Py_BuildValue("(II)", (*cells)[i].row, (*cells)[i].col);
    if (!cell) return nullptr;
    PyList_SetItem(list.get(), static_cast<Py_ssize_t>(i), cell);  // steals
  }
  return list.release();
}

PyObject* named_colors(PyObject*) {
  PyRef list(PyList_New(static_cast<Py_ssize_t>(kNamedColors.size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < kNamedColors.size(); ++i) {
    const auto& [name, rgba] = kNamedColors[i];
    PyObject* pair = Py_BuildValue("(s#k)", name.data(), static_cast<Py_ssize_t>(name.size()),
                                   static_cast<unsigned long>(rgba.packed()));
    if (!pair) return nullptr;
    PyList_SetItem(list.get(), static_cast<Py_ssize_t>(i), pair);  // steals
  }
  return list.release();
}

PyObject* color_hex(PyObject*, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, "color_hex", std::array{"code"});
  if (!parsed) return nullptr;
  auto code = to_text((*parsed)[0]);
  if (!code) return nullptr;
  return packed_or_raise(Rgba::hex(*code));
}

PyObject* color_rgb(PyObject*, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, "color_rgb", std::array{"r", "g", "b"});
  if (!parsed) return nullptr;
  auto channels = int_arguments(*parsed);
  if (!channels) return nullptr;
  const auto [r, g, b] = *channels;
  return packed_or_raise(Rgba::from_ints(r, g, b));
}

PyObject* color_with_alpha(PyObject*, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, "color_with_alpha", std::array{"rgba", "a"});
  if (!parsed) return nullptr;
  auto rgba = to_int64((*parsed)[0]);
  if (!rgba) return nullptr;
  auto a = to_double((*parsed)[1]);
  if (!a) return nullptr;
  auto packed = packed_color(*rgba);
  if (!packed) return nullptr;
  auto alpha = value_or_raise(Alpha::make(*a));
  if (!alpha) return nullptr;
  return PyLong_FromUnsignedLong(Rgba::unpacked(*packed).with_alpha(alpha->value).packed());
}

PyObject* check_palette_index(PyObject*, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, "check_palette_index", std::array{"index"});
  if (!parsed) return nullptr;
  auto index = to_int64((*parsed)[0]);
  if (!index) return nullptr;
  return none_or_raise(ColorSpec::palette(*index, Alpha{}));
}

PyObject* check_tick_format(PyObject*, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, "check_tick_format", std::array{"format"});
  if (!parsed) return nullptr;
  auto tuple = tick_format_tuple((*parsed)[0]);
  if (!tuple) return nullptr;
  if (!tick_format(std::move(*tuple))) return nullptr;
  Py_RETURN_NONE;
}

// The values of the statistics entry points, copied out of their buffer.
std::optional<std::vector<double>> values_argument(const char* function, PyObject* args,
                                                   PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, function, std::array{"values"});
  if (!parsed) return std::nullopt;
  return floats((*parsed)[0].object);
}

PyObject* float_list(const std::vector<double>& values) {
  PyRef list(PyList_New(static_cast<Py_ssize_t>(values.size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < values.size(); ++i) {
    PyObject* value = PyFloat_FromDouble(values[i]);
    if (!value) return nullptr;
    PyList_SetItem(list.get(), static_cast<Py_ssize_t>(i), value);  // steals
  }
  return list.release();
}

PyObject* box_stats(PyObject*, PyObject* args, PyObject* kwargs) {
  auto values = values_argument("box_stats", args, kwargs);
  if (!values) return nullptr;
  auto box = stats::box_stats(*values);
  if (!box) Py_RETURN_NONE;
  PyRef outliers(float_list(box->outliers));
  if (!outliers) return nullptr;
  return Py_BuildValue("(dddddO)", box->q1, box->median, box->q3, box->whisker_low,
                       box->whisker_high, outliers.get());
}

PyObject* kde_scott(PyObject*, PyObject* args, PyObject* kwargs) {
  auto values = values_argument("kde_scott", args, kwargs);
  if (!values) return nullptr;
  auto curve = stats::kde_scott(*values, kDensityPoints);
  if (!curve) Py_RETURN_NONE;
  PyRef list(PyList_New(static_cast<Py_ssize_t>(curve->size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < curve->size(); ++i) {
    PyObject* point = Py_BuildValue("(dd)", (*curve)[i].x, (*curve)[i].density);
    if (!point) return nullptr;
    PyList_SetItem(list.get(), static_cast<Py_ssize_t>(i), point);  // steals
  }
  return list.release();
}

constexpr char kCheckAlpha[] = "check_alpha";
constexpr char kCheckLogBase[] = "check_log_base";
constexpr char kCheckSizeTimes[] = "check_size_times";
constexpr char kCheckSizePoints[] = "check_size_points";
constexpr char kA[] = "a";
constexpr char kBase[] = "base";
constexpr char kFactor[] = "factor";
constexpr char kPoints[] = "points";

PyMethodDef functions[] = {
    no_args_method<enum_members_body>(
        "enum_members",
        "enum_members()\n--\n\nThe member tables of every bound enum, keyed by the Python enum "
        "name."),
    keywords_method<grid_auto_size>(
        "grid_auto_size",
        "grid_auto_size(rows, cols)\n--\n\nThe figure size in inches that fits a `rows × cols` "
        "grid when no size is given."),
    keywords_method<grid_cells>(
        "grid_cells",
        "grid_cells(rows, cols, count)\n--\n\nThe first `count` cells of a `rows × cols` grid in "
        "row-major order, as `(row, col)`."),
    no_args_method<named_colors>(
        "named_colors", "named_colors()\n--\n\nThe named colors as `(name, 0xRRGGBBAA)` pairs."),
    keywords_method<color_hex>(
        "color_hex",
        "color_hex(code)\n--\n\nParses `#RRGGBB` or `#RRGGBBAA` into `0xRRGGBBAA`."),
    keywords_method<color_rgb>(
        "color_rgb",
        "color_rgb(r, g, b)\n--\n\nAn opaque color from three channels in `0..=255`, as "
        "`0xRRGGBBAA`."),
    keywords_method<color_with_alpha>(
        "color_with_alpha",
        "color_with_alpha(rgba, a)\n--\n\nThe color `rgba` with its alpha replaced by `a`, as "
        "`0xRRGGBBAA`."),
    keywords_method<check_float<kCheckAlpha, kA, Alpha, &Alpha::make>>(
        "check_alpha", "check_alpha(a)\n--\n\nChecks an opacity for `Color.alpha()`."),
    keywords_method<check_palette_index>(
        "check_palette_index",
        "check_palette_index(index)\n--\n\nChecks a palette index for `Color.palette()`."),
    keywords_method<check_float<kCheckLogBase, kBase, LogBase, &LogBase::make>>(
        "check_log_base", "check_log_base(base)\n--\n\nChecks a logarithm base for `Scale.log()`."),
    keywords_method<check_float<kCheckSizeTimes, kFactor, SizeSpec, &SizeSpec::times>>(
        "check_size_times", "check_size_times(factor)\n--\n\nChecks a factor for `Size.times()`."),
    keywords_method<check_float<kCheckSizePoints, kPoints, SizeSpec, &SizeSpec::pt>>(
        "check_size_points",
        "check_size_points(points)\n--\n\nChecks a size in points for `Size.pt()`."),
    keywords_method<check_tick_format>(
        "check_tick_format",
        "check_tick_format(format)\n--\n\nChecks a tick format argument without using it: the "
        "decimals of `TickFormat.fixed()` and\n`TickFormat.percent()`, and the text of "
        "`TickFormat.affix()`."),
    keywords_method<box_stats>(
        "box_stats",
        "box_stats(values)\n--\n\nComputes box statistics from a float64 buffer for tests, not "
        "the public Python API."),
    keywords_method<kde_scott>(
        "kde_scott",
        "kde_scott(values)\n--\n\nComputes Scott kernel density from a float64 buffer for tests, "
        "not the public Python API."),
    {nullptr, nullptr, 0, nullptr},
};

}  // namespace

PyMethodDef* module_functions() { return functions; }

}  // namespace lodra::python
