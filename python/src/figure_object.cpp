#include "figure_object.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "entry_points.h"
#include "enum_codes.h"
#include "errors.h"
#include "figure_borrow.h"
#include "mark_values.h"
#include "model/axes_mut.h"
#include "theme_object.h"
#include "values.h"

namespace lodra::python {

namespace {

using Mode = FigureBorrow::Mode;

// ---- Arguments as the binding layer reads them, before their values are converted.

std::optional<bool> to_bool(const Arg& arg) {
  if (PyBool_Check(arg.object)) return arg.object == Py_True;
  PyErr_SetString(PyExc_TypeError,
                  cat(arg.path(), " must be bool, not ", type_name(arg.object)).c_str());
  return std::nullopt;
}

// A float, or None for "not given".
std::optional<std::optional<double>> to_optional_double(const Arg& arg) {
  if (arg.object == Py_None) return std::optional<double>{};
  auto value = to_double(arg);
  if (!value) return std::nullopt;
  return std::optional<double>{*value};
}

template <class T>
std::optional<T> read(const Arg& arg) {
  if constexpr (std::is_same_v<T, PyObject*>) {
    return arg.object;
  } else if constexpr (std::is_same_v<T, std::int64_t>) {
    return to_int64(arg);
  } else if constexpr (std::is_same_v<T, double>) {
    return to_double(arg);
  } else if constexpr (std::is_same_v<T, std::optional<double>>) {
    return to_optional_double(arg);
  } else if constexpr (std::is_same_v<T, bool>) {
    return to_bool(arg);
  } else if constexpr (std::is_same_v<T, std::string>) {
    return to_text(arg);
  } else if constexpr (std::is_same_v<T, ColorTuple>) {
    return color_tuple(arg);
  } else if constexpr (std::is_same_v<T, SizeTuple>) {
    return size_tuple(arg);
  } else if constexpr (std::is_same_v<T, TickFormatTuple>) {
    return tick_format_tuple(arg);
  } else if constexpr (std::is_same_v<T, std::vector<SeriesTuple>>) {
    return series_tuples(arg);
  } else if constexpr (std::is_same_v<T, std::vector<DistributionTuple>>) {
    return distribution_tuples(arg);
  } else {
    static_assert(std::is_same_v<T, std::vector<PyRef>>);
    return sequence_items(arg, "float64 buffers");
  }
}

// Reads the arguments from `first` on as the types T..., in order; the first failure raises.
template <class... T, std::size_t N, std::size_t... I>
std::optional<std::tuple<T...>> read_each(const std::array<Arg, N>& args, std::size_t first,
                                          std::index_sequence<I...>) {
  std::tuple<std::optional<T>...> values;
  bool read_all = ((std::get<I>(values) = read<T>(args[first + I])).has_value() && ...);
  if (!read_all) return std::nullopt;
  return std::tuple<T...>{std::move(*std::get<I>(values))...};
}

template <class... T, std::size_t N>
std::optional<std::tuple<T...>> read_arguments(const std::array<Arg, N>& args,
                                               std::size_t first) {
  return read_each<T...>(args, first, std::index_sequence_for<T...>{});
}

// ---- Results.

// True, or false after raising the error.
bool succeeded(const Status& status) {
  if (status) return true;
  raise_error(status.error());
  return false;
}

PyObject* none_or_raise(const Status& status) {
  if (!succeeded(status)) return nullptr;
  Py_RETURN_NONE;
}

PyObject* cell_tuple(const Axes& axes) {
  return Py_BuildValue("(II)", axes.range.row, axes.range.col);
}

PyObject* new_figure(PyTypeObject* type, Figure figure) {
  auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
  PyRef object(alloc(type, 0));
  if (!object) return nullptr;
  auto* held = reinterpret_cast<FigureObject*>(object.get());
  held->figure = new Figure(std::move(figure));
  held->borrows = 0;
  return object.release();
}

// ---- Values shared by several methods.

std::optional<LineStyle> line_style(std::string label, const ColorTuple& color, std::int64_t dash,
                                    const SizeTuple& width) {
  auto spec = color_spec(color);
  if (!spec) return std::nullopt;
  auto pattern = enum_code<Dash>(dash);
  if (!pattern) return std::nullopt;
  auto size = size_spec(width);
  if (!size) return std::nullopt;
  return LineStyle{std::move(label), *spec, *pattern, *size};
}

std::optional<FilledStyle> filled_style(std::string label, const ColorTuple& color) {
  auto spec = color_spec(color);
  if (!spec) return std::nullopt;
  return FilledStyle{std::move(label), *spec};
}

// ---- Per-panel methods.

// A change to one axes, applied once the axes is found.
using Edit = std::function<Status(AxesMut&)>;
template <std::size_t N>
using Parsed = std::array<Arg, N>;

// Takes the figure to change it, reads row and col, lets `convert` read and convert the other
// arguments (their Python types first, then their values) into an edit, finds the axes and
// applies the edit.
template <std::size_t N, class Convert>
PyObject* edit_panel(PyObject* self, PyObject* args, PyObject* kwargs, const char* function,
                     const std::array<const char*, N>& names, Convert convert) {
  FigureBorrow borrow(self, Mode::Change);
  if (!borrow) return nullptr;
  auto parsed = parse_arguments(args, kwargs, function, names);
  if (!parsed) return nullptr;
  auto cell = read_arguments<std::int64_t, std::int64_t>(*parsed, 0);
  if (!cell) return nullptr;
  std::optional<Edit> edit = convert(*parsed);
  if (!edit) return nullptr;
  auto axes = value_or_raise(borrow.figure().axes_at_mut(std::get<0>(*cell), std::get<1>(*cell)));
  if (!axes) return nullptr;
  return none_or_raise((*edit)(*axes));
}

// The methods of one family differ only in the operation they run.
template <class Operation>
struct PanelMethod {
  const char* name;
  Operation operation;
};

using TextOperation = void (AxesMut::*)(std::string);
template <const PanelMethod<TextOperation>& method>
PyObject* set_text(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, method.name, std::array{"row", "col", "text"},
                    [](const Parsed<3>& a) -> std::optional<Edit> {
                      auto in = read_arguments<std::string>(a, 2);
                      if (!in) return std::nullopt;
                      return [text = std::get<0>(*in)](AxesMut& axes) {
                        (axes.*method.operation)(text);
                        return Status{};
                      };
                    });
}

using LimitsOperation = Status (AxesMut::*)(double, double);
template <const PanelMethod<LimitsOperation>& method>
PyObject* set_limits(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, method.name, std::array{"row", "col", "low", "high"},
                    [](const Parsed<4>& a) -> std::optional<Edit> {
                      auto in = read_arguments<double, double>(a, 2);
                      if (!in) return std::nullopt;
                      auto [low, high] = *in;
                      return [=](AxesMut& axes) { return (axes.*method.operation)(low, high); };
                    });
}

using TicksOperation = Status (AxesMut::*)(std::vector<double>);
template <const PanelMethod<TicksOperation>& method>
PyObject* set_ticks(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, method.name, std::array{"row", "col", "positions"},
                    [](const Parsed<3>& a) -> std::optional<Edit> {
                      auto positions = floats(a[2].object);
                      if (!positions) return std::nullopt;
                      return [p = std::move(*positions)](AxesMut& axes) {
                        return (axes.*method.operation)(p);
                      };
                    });
}

using LabeledTicksOperation = Status (AxesMut::*)(std::vector<double>, std::vector<std::string>);
template <const PanelMethod<LabeledTicksOperation>& method>
PyObject* set_labeled_ticks(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, method.name,
                    std::array{"row", "col", "positions", "labels"},
                    [](const Parsed<4>& a) -> std::optional<Edit> {
                      auto positions = floats(a[2].object);
                      if (!positions) return std::nullopt;
                      auto labels = names(a[3].object);
                      if (!labels) return std::nullopt;
                      return [p = std::move(*positions), l = std::move(*labels)](AxesMut& axes) {
                        return (axes.*method.operation)(p, l);
                      };
                    });
}

using FormatOperation = Status (AxesMut::*)(TickFormat);
template <const PanelMethod<FormatOperation>& method>
PyObject* set_tick_format(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, method.name, std::array{"row", "col", "format"},
                    [](const Parsed<3>& a) -> std::optional<Edit> {
                      auto in = read_arguments<TickFormatTuple>(a, 2);
                      if (!in) return std::nullopt;
                      auto format = tick_format(std::get<0>(std::move(*in)));
                      if (!format) return std::nullopt;
                      return [f = std::move(*format)](AxesMut& axes) {
                        return (axes.*method.operation)(f);
                      };
                    });
}

PyObject* legend(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, "legend", std::array{"row", "col", "style"},
                    [](const Parsed<3>& a) -> std::optional<Edit> {
                      auto in = read_arguments<std::int64_t>(a, 2);
                      if (!in) return std::nullopt;
                      auto style = enum_code<LegendStyle>(std::get<0>(*in));
                      if (!style) return std::nullopt;
                      return [s = *style](AxesMut& axes) {
                        axes.legend(s);
                        return Status{};
                      };
                    });
}

PyObject* legend_at(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, "legend_at", std::array{"row", "col", "style", "position"},
                    [](const Parsed<4>& a) -> std::optional<Edit> {
                      auto in = read_arguments<std::int64_t, std::int64_t>(a, 2);
                      if (!in) return std::nullopt;
                      auto style = enum_code<LegendStyle>(std::get<0>(*in));
                      if (!style) return std::nullopt;
                      auto position = enum_code<LegendPosition>(std::get<1>(*in));
                      if (!position) return std::nullopt;
                      return [s = *style, p = *position](AxesMut& axes) {
                        return axes.legend_at(s, p);
                      };
                    });
}

using LineOperation = Status (AxesMut::*)(AxisData, SharedFloats, LineStyle);
template <const PanelMethod<LineOperation>& method>
PyObject* add_line(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, method.name,
      std::array{"row", "col", "x", "y", "label", "color", "dash", "width"},
      [](const Parsed<8>& a) -> std::optional<Edit> {
        auto in = read_arguments<PyObject*, PyObject*, std::string, ColorTuple, std::int64_t,
                                 SizeTuple>(a, 2);
        if (!in) return std::nullopt;
        auto& [x, y, label, color, dash, width] = *in;
        auto xs = axis_data(x);
        if (!xs) return std::nullopt;
        auto ys = shared_floats(y);
        if (!ys) return std::nullopt;
        auto style = line_style(std::move(label), color, dash, width);
        if (!style) return std::nullopt;
        return [x = std::move(*xs), y = std::move(*ys), s = std::move(*style)](AxesMut& axes) {
          return (axes.*method.operation)(x, y, s);
        };
      });
}

using PointOperation = Status (AxesMut::*)(AxisData, SharedFloats, PointStyle);
template <const PanelMethod<PointOperation>& method>
PyObject* add_points(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, method.name,
      std::array{"row", "col", "x", "y", "label", "color", "marker", "size"},
      [](const Parsed<8>& a) -> std::optional<Edit> {
        auto in = read_arguments<PyObject*, PyObject*, std::string, ColorTuple, std::int64_t,
                                 SizeTuple>(a, 2);
        if (!in) return std::nullopt;
        auto& [x, y, label, color, marker, size] = *in;
        auto xs = axis_data(x);
        if (!xs) return std::nullopt;
        auto ys = shared_floats(y);
        if (!ys) return std::nullopt;
        auto spec = color_spec(color);
        if (!spec) return std::nullopt;
        auto shape = enum_code<Marker>(marker);
        if (!shape) return std::nullopt;
        auto points = size_spec(size);
        if (!points) return std::nullopt;
        PointStyle style{std::move(label), *spec, *shape, *points};
        return [x = std::move(*xs), y = std::move(*ys), style](AxesMut& axes) {
          return (axes.*method.operation)(x, y, style);
        };
      });
}

PyObject* step(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, "step",
      std::array{"row", "col", "x", "y", "position", "label", "color", "dash", "width"},
      [](const Parsed<9>& a) -> std::optional<Edit> {
        auto in = read_arguments<PyObject*, PyObject*, std::int64_t, std::string, ColorTuple,
                                 std::int64_t, SizeTuple>(a, 2);
        if (!in) return std::nullopt;
        auto& [x, y, position, label, color, dash, width] = *in;
        auto xs = axis_data(x);
        if (!xs) return std::nullopt;
        auto ys = shared_floats(y);
        if (!ys) return std::nullopt;
        auto where = enum_code<Step>(position);
        if (!where) return std::nullopt;
        auto style = line_style(std::move(label), color, dash, width);
        if (!style) return std::nullopt;
        return [x = std::move(*xs), y = std::move(*ys), p = *where,
                s = std::move(*style)](AxesMut& axes) { return axes.step_shared(x, y, p, s); };
      });
}

PyObject* bubbles(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, "bubbles",
      std::array{"row", "col", "x", "y", "sizes", "label", "color", "marker"},
      [](const Parsed<8>& a) -> std::optional<Edit> {
        auto in = read_arguments<PyObject*, PyObject*, PyObject*, std::string, ColorTuple,
                                 std::int64_t>(a, 2);
        if (!in) return std::nullopt;
        auto& [x, y, sizes, label, color, marker] = *in;
        auto xs = shared_floats(x);
        if (!xs) return std::nullopt;
        auto ys = shared_floats(y);
        if (!ys) return std::nullopt;
        auto areas = shared_floats(sizes);
        if (!areas) return std::nullopt;
        auto spec = color_spec(color);
        if (!spec) return std::nullopt;
        auto shape = enum_code<Marker>(marker);
        if (!shape) return std::nullopt;
        return [x = std::move(*xs), y = std::move(*ys), s = std::move(*areas),
                l = std::move(label), c = *spec, m = *shape](AxesMut& axes) {
          return axes.bubbles_shared(x, y, s, l, c, m);
        };
      });
}

PyObject* bar(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, "bar",
                    std::array{"row", "col", "categories", "heights", "label", "color"},
                    [](const Parsed<6>& a) -> std::optional<Edit> {
                      auto in = read_arguments<PyObject*, PyObject*, std::string, ColorTuple>(a, 2);
                      if (!in) return std::nullopt;
                      auto& [categories, heights, label, color] = *in;
                      auto names_list = names(categories);
                      if (!names_list) return std::nullopt;
                      auto values = shared_floats(heights);
                      if (!values) return std::nullopt;
                      auto style = filled_style(std::move(label), color);
                      if (!style) return std::nullopt;
                      return [c = share_names(std::move(*names_list)), h = std::move(*values),
                              s = std::move(*style)](AxesMut& axes) {
                        return axes.bar_shared(c, h, s);
                      };
                    });
}

using BarGroupOperation = Status (AxesMut::*)(SharedNames, std::vector<Series>);
template <const PanelMethod<BarGroupOperation>& method>
PyObject* add_bar_group(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, method.name,
                    std::array{"row", "col", "categories", "series"},
                    [](const Parsed<4>& a) -> std::optional<Edit> {
                      auto in = read_arguments<PyObject*, std::vector<SeriesTuple>>(a, 2);
                      if (!in) return std::nullopt;
                      auto names_list = names(std::get<0>(*in));
                      if (!names_list) return std::nullopt;
                      auto series = series_values(std::get<1>(*in));
                      if (!series) return std::nullopt;
                      return [c = share_names(std::move(*names_list)),
                              s = std::move(*series)](AxesMut& axes) {
                        return (axes.*method.operation)(c, s);
                      };
                    });
}

PyObject* stacked_area(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, "stacked_area", std::array{"row", "col", "x", "series"},
                    [](const Parsed<4>& a) -> std::optional<Edit> {
                      auto in = read_arguments<PyObject*, std::vector<SeriesTuple>>(a, 2);
                      if (!in) return std::nullopt;
                      auto xs = shared_floats(std::get<0>(*in));
                      if (!xs) return std::nullopt;
                      auto series = series_values(std::get<1>(*in));
                      if (!series) return std::nullopt;
                      return [x = std::move(*xs), s = std::move(*series)](AxesMut& axes) {
                        return axes.stacked_area_shared(x, s);
                      };
                    });
}

using BoxOperation = Status (AxesMut::*)(SharedNames, SampleGroups, FilledStyle);
template <const PanelMethod<BoxOperation>& method>
PyObject* add_boxes(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, method.name,
      std::array{"row", "col", "categories", "groups", "label", "color"},
      [](const Parsed<6>& a) -> std::optional<Edit> {
        auto in = read_arguments<PyObject*, std::vector<PyRef>, std::string, ColorTuple>(a, 2);
        if (!in) return std::nullopt;
        auto& [categories, groups, label, color] = *in;
        auto names_list = names(categories);
        if (!names_list) return std::nullopt;
        auto samples = sample_groups(groups);
        if (!samples) return std::nullopt;
        auto style = filled_style(std::move(label), color);
        if (!style) return std::nullopt;
        return [c = share_names(std::move(*names_list)), g = std::move(*samples),
                s = std::move(*style)](AxesMut& axes) { return (axes.*method.operation)(c, g, s); };
      });
}

using BoxGroupOperation = Status (AxesMut::*)(SharedNames, std::vector<Distribution>);
template <const PanelMethod<BoxGroupOperation>& method>
PyObject* add_box_group(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, method.name,
                    std::array{"row", "col", "categories", "distributions"},
                    [](const Parsed<4>& a) -> std::optional<Edit> {
                      auto in = read_arguments<PyObject*, std::vector<DistributionTuple>>(a, 2);
                      if (!in) return std::nullopt;
                      auto names_list = names(std::get<0>(*in));
                      if (!names_list) return std::nullopt;
                      auto distributions = distribution_values(std::get<1>(*in));
                      if (!distributions) return std::nullopt;
                      return [c = share_names(std::move(*names_list)),
                              d = std::move(*distributions)](AxesMut& axes) {
                        return (axes.*method.operation)(c, d);
                      };
                    });
}

PyObject* hist(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, "hist",
                    std::array{"row", "col", "values", "bins", "label", "color"},
                    [](const Parsed<6>& a) -> std::optional<Edit> {
                      auto in = read_arguments<PyObject*, std::int64_t, std::string, ColorTuple>(
                          a, 2);
                      if (!in) return std::nullopt;
                      auto& [values, bins, label, color] = *in;
                      auto samples = shared_floats(values);
                      if (!samples) return std::nullopt;
                      auto style = filled_style(std::move(label), color);
                      if (!style) return std::nullopt;
                      return [v = std::move(*samples), b = bins,
                              s = std::move(*style)](AxesMut& axes) {
                        return axes.hist_shared(v, b, s);
                      };
                    });
}

PyObject* band(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, "band", std::array{"row", "col", "x", "low", "high", "label", "color"},
      [](const Parsed<7>& a) -> std::optional<Edit> {
        auto in = read_arguments<PyObject*, PyObject*, PyObject*, std::string, ColorTuple>(a, 2);
        if (!in) return std::nullopt;
        auto& [x, low, high, label, color] = *in;
        auto xs = shared_floats(x);
        if (!xs) return std::nullopt;
        auto lows = shared_floats(low);
        if (!lows) return std::nullopt;
        auto highs = shared_floats(high);
        if (!highs) return std::nullopt;
        auto style = filled_style(std::move(label), color);
        if (!style) return std::nullopt;
        return [x = std::move(*xs), l = std::move(*lows), h = std::move(*highs),
                s = std::move(*style)](AxesMut& axes) { return axes.band_shared(x, l, h, s); };
      });
}

// Error bars: the positions, their limits and the bars' looks, before the positions' kind is
// known to the operation.
struct ErrorBarValues {
  SharedFloats low, high;
  ColorSpec color;
  SizeSpec width;
};

std::optional<ErrorBarValues> error_bar_values(PyObject* low, PyObject* high,
                                               const ColorTuple& color, const SizeTuple& width) {
  auto lows = shared_floats(low);
  if (!lows) return std::nullopt;
  auto highs = shared_floats(high);
  if (!highs) return std::nullopt;
  auto spec = color_spec(color);
  if (!spec) return std::nullopt;
  auto size = size_spec(width);
  if (!size) return std::nullopt;
  return ErrorBarValues{std::move(*lows), std::move(*highs), *spec, *size};
}

using ErrorBarArguments =
    std::tuple<PyObject*, PyObject*, PyObject*, std::string, ColorTuple, SizeTuple, bool>;

template <std::size_t N>
std::optional<ErrorBarArguments> read_error_bars(const Parsed<N>& a) {
  return read_arguments<PyObject*, PyObject*, PyObject*, std::string, ColorTuple, SizeTuple,
                        bool>(a, 2);
}

PyObject* y_error_bars(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, "y_error_bars",
      std::array{"row", "col", "x", "low", "high", "label", "color", "width", "caps"},
      [](const Parsed<9>& a) -> std::optional<Edit> {
        auto in = read_error_bars(a);
        if (!in) return std::nullopt;
        auto& [x, low, high, label, color, width, caps] = *in;
        auto xs = axis_data(x);
        if (!xs) return std::nullopt;
        auto bars = error_bar_values(low, high, color, width);
        if (!bars) return std::nullopt;
        return [x = std::move(*xs), b = std::move(*bars), l = std::move(label),
                c = caps](AxesMut& axes) {
          return axes.y_error_bars_shared(x, b.low, b.high, l, b.color, b.width, c);
        };
      });
}

PyObject* x_error_bars(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, "x_error_bars",
      std::array{"row", "col", "y", "low", "high", "label", "color", "width", "caps"},
      [](const Parsed<9>& a) -> std::optional<Edit> {
        auto in = read_error_bars(a);
        if (!in) return std::nullopt;
        auto& [y, low, high, label, color, width, caps] = *in;
        auto ys = floats(y);
        if (!ys) return std::nullopt;
        auto bars = error_bar_values(low, high, color, width);
        if (!bars) return std::nullopt;
        return [y = share_floats(std::move(*ys)), b = std::move(*bars), l = std::move(label),
                c = caps](AxesMut& axes) {
          return axes.x_error_bars_shared(y, b.low, b.high, l, b.color, b.width, c);
        };
      });
}

PyObject* hline(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, "hline",
      std::array{"row", "col", "y", "label", "color", "dash", "width"},
      [](const Parsed<7>& a) -> std::optional<Edit> {
        auto in = read_arguments<double, std::string, ColorTuple, std::int64_t, SizeTuple>(a, 2);
        if (!in) return std::nullopt;
        auto& [y, label, color, dash, width] = *in;
        auto style = line_style(std::move(label), color, dash, width);
        if (!style) return std::nullopt;
        return [y = y, s = std::move(*style)](AxesMut& axes) { return axes.hline(y, s); };
      });
}

PyObject* vline(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(
      self, args, kwargs, "vline",
      std::array{"row", "col", "x", "label", "color", "dash", "width"},
      [](const Parsed<7>& a) -> std::optional<Edit> {
        auto in =
            read_arguments<PyObject*, std::string, ColorTuple, std::int64_t, SizeTuple>(a, 2);
        if (!in) return std::nullopt;
        auto& [x, label, color, dash, width] = *in;
        auto value = axis_value(x);
        if (!value) return std::nullopt;
        auto style = line_style(std::move(label), color, dash, width);
        if (!style) return std::nullopt;
        return [x = std::move(*value), s = std::move(*style)](AxesMut& axes) {
          return axes.vline(x, s);
        };
      });
}

using SpanOperation = Status (AxesMut::*)(double, double, FilledStyle);
template <const PanelMethod<SpanOperation>& method>
PyObject* add_span(PyObject* self, PyObject* args, PyObject* kwargs) {
  return edit_panel(self, args, kwargs, method.name,
                    std::array{"row", "col", "low", "high", "label", "color"},
                    [](const Parsed<6>& a) -> std::optional<Edit> {
                      auto in = read_arguments<double, double, std::string, ColorTuple>(a, 2);
                      if (!in) return std::nullopt;
                      auto& [low, high, label, color] = *in;
                      auto style = filled_style(std::move(label), color);
                      if (!style) return std::nullopt;
                      return [low = low, high = high, s = std::move(*style)](AxesMut& axes) {
                        return (axes.*method.operation)(low, high, s);
                      };
                    });
}

constexpr PanelMethod<TextOperation> kTitle{"title", &AxesMut::title};
constexpr PanelMethod<TextOperation> kSubtitle{"subtitle", &AxesMut::subtitle};
constexpr PanelMethod<TextOperation> kXLabel{"xlabel", &AxesMut::xlabel};
constexpr PanelMethod<TextOperation> kYLabel{"ylabel", &AxesMut::ylabel};
constexpr PanelMethod<LimitsOperation> kXLim{"xlim", &AxesMut::xlim};
constexpr PanelMethod<LimitsOperation> kYLim{"ylim", &AxesMut::ylim};
constexpr PanelMethod<TicksOperation> kXTicks{"xticks", &AxesMut::xticks};
constexpr PanelMethod<TicksOperation> kYTicks{"yticks", &AxesMut::yticks};
constexpr PanelMethod<LabeledTicksOperation> kXTicksLabeled{"xticks_labeled",
                                                            &AxesMut::xticks_labeled};
constexpr PanelMethod<LabeledTicksOperation> kYTicksLabeled{"yticks_labeled",
                                                            &AxesMut::yticks_labeled};
constexpr PanelMethod<FormatOperation> kXTickFormat{"xtick_format", &AxesMut::xtick_format};
constexpr PanelMethod<FormatOperation> kYTickFormat{"ytick_format", &AxesMut::ytick_format};
constexpr PanelMethod<LineOperation> kLine{"line", &AxesMut::line_shared};
constexpr PanelMethod<LineOperation> kArea{"area", &AxesMut::area_shared};
constexpr PanelMethod<PointOperation> kScatter{"scatter", &AxesMut::scatter_shared};
constexpr PanelMethod<PointOperation> kStem{"stem", &AxesMut::stem_shared};
constexpr PanelMethod<BarGroupOperation> kGroupedBar{"grouped_bar", &AxesMut::grouped_bar};
constexpr PanelMethod<BarGroupOperation> kStackedBar{"stacked_bar", &AxesMut::stacked_bar};
constexpr PanelMethod<BoxOperation> kBoxPlot{"box_plot", &AxesMut::box_plot};
constexpr PanelMethod<BoxOperation> kViolin{"violin", &AxesMut::violin};
constexpr PanelMethod<BoxGroupOperation> kGroupedBoxPlot{"grouped_box_plot",
                                                         &AxesMut::grouped_box_plot};
constexpr PanelMethod<BoxGroupOperation> kGroupedViolin{"grouped_violin",
                                                        &AxesMut::grouped_violin};
constexpr PanelMethod<SpanOperation> kHSpan{"hspan", &AxesMut::hspan};
constexpr PanelMethod<SpanOperation> kVSpan{"vspan", &AxesMut::vspan};

// ---- Whole-figure methods.

PyObject* create(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(
      args, kwargs, "Figure",
      std::array{"width", "height", "theme", "rows", "cols", "share_x", "share_y", "legend"});
  if (!parsed) return nullptr;
  auto size = read_arguments<std::optional<double>, std::optional<double>>(*parsed, 0);
  if (!size) return nullptr;
  const Theme* theme = theme_of((*parsed)[2]);
  if (!theme) return nullptr;
  auto codes = read_arguments<std::int64_t, std::int64_t, std::int64_t, std::int64_t,
                              std::int64_t>(*parsed, 3);
  if (!codes) return nullptr;
  auto [width, height] = *size;
  auto [rows, cols, share_x, share_y, legend_code] = *codes;
  // The page size is checked before the grid, with the sizes of a one-cell figure.
  if (!value_or_raise(Figure::make(*theme, width.value_or(6.0), height.value_or(4.0)))) {
    return nullptr;
  }
  auto grid = value_or_raise(Grid::make(rows, cols));
  if (!grid) return nullptr;
  auto x_share = enum_code<Share>(share_x);
  if (!x_share) return nullptr;
  auto y_share = enum_code<Share>(share_y);
  if (!y_share) return nullptr;
  auto legend_mode = enum_code<LegendMode>(legend_code);
  if (!legend_mode) return nullptr;
  grid->share_x = *x_share;
  grid->share_y = *y_share;
  grid->legend = *legend_mode;
  auto figure = value_or_raise(Figure::with_grid(*theme, *grid, width.value_or(6.0 * grid->cols),
                                                 height.value_or(4.0 * grid->rows)));
  if (!figure) return nullptr;
  return new_figure(type, std::move(*figure));
}

PyObject* clone(PyObject* self) {
  FigureBorrow borrow(self, Mode::Read);
  if (!borrow) return nullptr;
  return new_figure(Py_TYPE(self), borrow.figure());
}

// The cell and scale arguments shared by add_axes and axes_at, converted in argument order.
struct AxesQuery {
  CellIndex row, col;
  Scale x, y;
};

std::optional<AxesQuery> axes_query(std::int64_t row_kind, std::int64_t row,
                                    std::int64_t col_kind, std::int64_t col, std::int64_t x_kind,
                                    double x_base, std::int64_t y_kind, double y_base) {
  auto row_index = cell_index(row_kind, row);
  if (!row_index) return std::nullopt;
  auto col_index = cell_index(col_kind, col);
  if (!col_index) return std::nullopt;
  auto x_scale = scale_kind(x_kind, x_base);
  if (!x_scale) return std::nullopt;
  auto y_scale = scale_kind(y_kind, y_base);
  if (!y_scale) return std::nullopt;
  return AxesQuery{*row_index, *col_index, *x_scale, *y_scale};
}

PyObject* add_axes(PyObject* self, PyObject* args, PyObject* kwargs) {
  FigureBorrow borrow(self, Mode::Change);
  if (!borrow) return nullptr;
  auto parsed = parse_arguments(args, kwargs, "add_axes",
                                std::array{"row_kind", "row", "col_kind", "col", "row_span",
                                           "col_span", "x_kind", "x_base", "y_kind", "y_base"});
  if (!parsed) return nullptr;
  auto in = read_arguments<std::int64_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t,
                           std::int64_t, std::int64_t, double, std::int64_t, double>(*parsed, 0);
  if (!in) return nullptr;
  auto [row_kind, row, col_kind, col, row_span, col_span, x_kind, x_base, y_kind, y_base] = *in;
  auto query = axes_query(row_kind, row, col_kind, col, x_kind, x_base, y_kind, y_base);
  if (!query) return nullptr;
  Figure& figure = borrow.figure();
  auto index = value_or_raise(figure.add_axes_at(
      {query->row.given, query->col.given, row_span, col_span}, query->x, query->y));
  if (!index) return nullptr;
  return cell_tuple(figure.axes()[*index]);
}

PyObject* axes_at(PyObject* self, PyObject* args, PyObject* kwargs) {
  FigureBorrow borrow(self, Mode::Read);
  if (!borrow) return nullptr;
  auto parsed = parse_arguments(args, kwargs, "axes_at",
                                std::array{"row_kind", "row", "col_kind", "col", "x_kind",
                                           "x_base", "y_kind", "y_base"});
  if (!parsed) return nullptr;
  auto in = read_arguments<std::int64_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t,
                           double, std::int64_t, double>(*parsed, 0);
  if (!in) return nullptr;
  auto [row_kind, row, col_kind, col, x_kind, x_base, y_kind, y_base] = *in;
  auto query = axes_query(row_kind, row, col_kind, col, x_kind, x_base, y_kind, y_base);
  if (!query) return nullptr;
  auto axes = value_or_raise(borrow.figure().axes_at(query->row.given, query->col.given));
  if (!axes) return nullptr;
  if (!succeeded((*axes)->check_scales(query->x, query->y))) return nullptr;
  return cell_tuple(**axes);
}

using FigureTextOperation = void (Figure::*)(std::string);
template <const PanelMethod<FigureTextOperation>& method>
PyObject* set_figure_text(PyObject* self, PyObject* args, PyObject* kwargs) {
  FigureBorrow borrow(self, Mode::Change);
  if (!borrow) return nullptr;
  auto parsed = parse_arguments(args, kwargs, method.name, std::array{"text"});
  if (!parsed) return nullptr;
  auto text = to_text((*parsed)[0]);
  if (!text) return nullptr;
  (borrow.figure().*method.operation)(std::move(*text));
  Py_RETURN_NONE;
}

constexpr PanelMethod<FigureTextOperation> kFigureTitle{"figure_title", &Figure::title};
constexpr PanelMethod<FigureTextOperation> kFigureSubtitle{"figure_subtitle", &Figure::subtitle};

PyMethodDef methods[] = {
    no_args_method<clone>("clone",
                          "clone($self)\n--\n\nAn independent copy of this figure. Marks share "
                          "their data, which never changes, so the\ncopy is cheap."),
    keywords_method<add_axes>(
        "add_axes",
        "add_axes($self, row_kind, row, col_kind, col, row_span, col_span, x_kind, x_base, "
        "y_kind, y_base)\n--\n\nAdds axes at the row `(row_kind, row)` and the column "
        "`(col_kind, col)`, spanning\n`row_span × col_span` cells, with the x scale `(x_kind, "
        "x_base)` and the y scale\n`(y_kind, y_base)`, and returns the `(row, col)` of their "
        "top-left cell. The core checks\nthe position and the scales, and a refused call adds "
        "nothing."),
    keywords_method<axes_at>(
        "axes_at",
        "axes_at($self, row_kind, row, col_kind, col, x_kind, x_base, y_kind, y_base)\n--\n\n"
        "The `(row, col)` of the top-left cell of the axes found at the row `(row_kind, row)`\n"
        "and the column `(col_kind, col)`, after the core has checked that they were created\n"
        "with the x scale `(x_kind, x_base)` and the y scale `(y_kind, y_base)`."),
    keywords_method<set_figure_text<kFigureTitle>>(
        "figure_title", "figure_title($self, text)\n--\n\nSets the figure title above every panel."),
    keywords_method<set_figure_text<kFigureSubtitle>>(
        "figure_subtitle",
        "figure_subtitle($self, text)\n--\n\nSets the figure subtitle below its title."),
    keywords_method<set_text<kTitle>>("title", "title($self, row, col, text)\n--\n\nSets the title."),
    keywords_method<set_text<kSubtitle>>(
        "subtitle", "subtitle($self, row, col, text)\n--\n\nSets the subtitle."),
    keywords_method<set_text<kXLabel>>(
        "xlabel", "xlabel($self, row, col, text)\n--\n\nSets the x axis label."),
    keywords_method<set_text<kYLabel>>(
        "ylabel", "ylabel($self, row, col, text)\n--\n\nSets the y axis label."),
    keywords_method<set_limits<kXLim>>(
        "xlim", "xlim($self, row, col, low, high)\n--\n\nSets the x limits."),
    keywords_method<set_limits<kYLim>>(
        "ylim", "ylim($self, row, col, low, high)\n--\n\nSets the y limits."),
    keywords_method<set_ticks<kXTicks>>(
        "xticks",
        "xticks($self, row, col, positions)\n--\n\nReplaces the x ticks with ticks at `positions`."),
    keywords_method<set_ticks<kYTicks>>(
        "yticks",
        "yticks($self, row, col, positions)\n--\n\nReplaces the y ticks with ticks at `positions`."),
    keywords_method<set_labeled_ticks<kXTicksLabeled>>(
        "xticks_labeled",
        "xticks_labeled($self, row, col, positions, labels)\n--\n\nReplaces the x ticks with "
        "ticks at `positions`, each with the label at its index."),
    keywords_method<set_labeled_ticks<kYTicksLabeled>>(
        "yticks_labeled",
        "yticks_labeled($self, row, col, positions, labels)\n--\n\nReplaces the y ticks with "
        "ticks at `positions`, each with the label at its index."),
    keywords_method<set_tick_format<kXTickFormat>>(
        "xtick_format",
        "xtick_format($self, row, col, format)\n--\n\nSets the format of the x tick labels."),
    keywords_method<set_tick_format<kYTickFormat>>(
        "ytick_format",
        "ytick_format($self, row, col, format)\n--\n\nSets the format of the y tick labels."),
    keywords_method<legend>(
        "legend",
        "legend($self, row, col, style)\n--\n\nSets the legend style (a `LegendStyle` value)."),
    keywords_method<legend_at>(
        "legend_at",
        "legend_at($self, row, col, style, position)\n--\n\nSets the legend style and position "
        "(`LegendStyle` and `LegendPosition` values)."),
    keywords_method<add_line<kLine>>(
        "line", "line($self, row, col, x, y, label, color, dash, width)\n--\n\nAdds a line."),
    keywords_method<add_line<kArea>>(
        "area",
        "area($self, row, col, x, y, label, color, dash, width)\n--\n\nAdds an area: a line with "
        "the region down to the baseline filled."),
    keywords_method<add_points<kScatter>>(
        "scatter",
        "scatter($self, row, col, x, y, label, color, marker, size)\n--\n\nAdds a scatter "
        "series."),
    keywords_method<bubbles>(
        "bubbles",
        "bubbles($self, row, col, x, y, sizes, label, color, marker)\n--\n\nAdds bubbles sharing "
        "an area scale on these axes."),
    keywords_method<add_points<kStem>>(
        "stem",
        "stem($self, row, col, x, y, label, color, marker, size)\n--\n\nAdds stems from the "
        "baseline with a marker at each value."),
    keywords_method<bar>(
        "bar",
        "bar($self, row, col, categories, heights, label, color)\n--\n\nAdds bars, one per "
        "category."),
    keywords_method<add_bar_group<kGroupedBar>>(
        "grouped_bar",
        "grouped_bar($self, row, col, categories, series)\n--\n\nAdds grouped bars: in each "
        "category, one bar per series."),
    keywords_method<add_boxes<kBoxPlot>>(
        "box_plot",
        "box_plot($self, row, col, categories, groups, label, color)\n--\n\nAdds a box plot for "
        "each category."),
    keywords_method<add_box_group<kGroupedBoxPlot>>(
        "grouped_box_plot",
        "grouped_box_plot($self, row, col, categories, distributions)\n--\n\nAdds distributions "
        "side by side in each category."),
    keywords_method<add_boxes<kViolin>>(
        "violin",
        "violin($self, row, col, categories, groups, label, color)\n--\n\nAdds a violin for each "
        "category."),
    keywords_method<add_box_group<kGroupedViolin>>(
        "grouped_violin",
        "grouped_violin($self, row, col, categories, distributions)\n--\n\nAdds distributions "
        "side by side in each category."),
    keywords_method<add_bar_group<kStackedBar>>(
        "stacked_bar",
        "stacked_bar($self, row, col, categories, series)\n--\n\nAdds stacked bars: in each "
        "category, one stack of the series."),
    keywords_method<stacked_area>(
        "stacked_area",
        "stacked_area($self, row, col, x, series)\n--\n\nAdds non-negative area series stacked "
        "over shared x values."),
    keywords_method<hist>(
        "hist",
        "hist($self, row, col, values, bins, label, color)\n--\n\nAdds a histogram of `values` "
        "in `bins` bins."),
    keywords_method<step>(
        "step",
        "step($self, row, col, x, y, position, label, color, dash, width)\n--\n\nAdds a step "
        "line; `position` is a `Step` value."),
    keywords_method<hline>(
        "hline",
        "hline($self, row, col, y, label, color, dash, width)\n--\n\nAdds a horizontal "
        "reference line at `y`."),
    keywords_method<vline>(
        "vline",
        "vline($self, row, col, x, label, color, dash, width)\n--\n\nAdds a vertical reference "
        "line at `x`, a `float` or, on a category x axis, a `str`."),
    keywords_method<add_span<kHSpan>>(
        "hspan",
        "hspan($self, row, col, low, high, label, color)\n--\n\nAdds a horizontal reference span "
        "between the y values `low` and `high`."),
    keywords_method<add_span<kVSpan>>(
        "vspan",
        "vspan($self, row, col, low, high, label, color)\n--\n\nAdds a vertical reference span "
        "between the x values `low` and `high`."),
    keywords_method<band>(
        "band",
        "band($self, row, col, x, low, high, label, color)\n--\n\nAdds a band between the curves "
        "`low` and `high` over `x`."),
    keywords_method<y_error_bars>(
        "y_error_bars",
        "y_error_bars($self, row, col, x, low, high, label, color, width, caps)\n--\n\nAdds "
        "vertical error bars at `x` between the limits `low` and `high`."),
    keywords_method<x_error_bars>(
        "x_error_bars",
        "x_error_bars($self, row, col, y, low, high, label, color, width, caps)\n--\n\nAdds "
        "horizontal error bars at `y` between the limits `low` and `high`."),
    {nullptr, nullptr, 0, nullptr},
};

PyObject* create_entry(PyTypeObject* type, PyObject* args, PyObject* kwargs) noexcept {
  return guarded([&] { return create(type, args, kwargs); });
}

// The instance holds no Python references; only its class needs visiting.
int traverse(PyObject* self, visitproc visit, void* arg) {
  Py_VISIT(Py_TYPE(self));
  return 0;
}

void dealloc(PyObject* self) {
  PyObject_GC_UnTrack(self);
  delete reinterpret_cast<FigureObject*>(self)->figure;
  PyTypeObject* type = Py_TYPE(self);
  reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free))(self);
  Py_DECREF(type);
}

PyType_Slot slots[] = {
    {Py_tp_doc,
     const_cast<char*>("Figure(width, height, theme, rows, cols, share_x, share_y, legend)\n--\n\n"
                       "A figure: a size in inches, a theme, a grid and the axes placed on it "
                       "with their marks.")},
    {Py_tp_new, reinterpret_cast<void*>(create_entry)},
    {Py_tp_methods, methods},
    {Py_tp_traverse, reinterpret_cast<void*>(traverse)},
    {Py_tp_dealloc, reinterpret_cast<void*>(dealloc)},
    {0, nullptr},
};

PyType_Spec spec = {
    "lodra._lodra.Figure",
    sizeof(FigureObject),
    0,
    Py_TPFLAGS_DEFAULT | Py_TPFLAGS_HAVE_GC | Py_TPFLAGS_IMMUTABLETYPE,
    slots,
};

}  // namespace

PyObject* figure_type() {
  static PyObject* type = nullptr;
  if (!type) type = PyType_FromSpec(&spec);
  return type;
}

}  // namespace lodra::python
