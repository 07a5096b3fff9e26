#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "entry_points.h"
#include "enum_codes.h"
#include "mark_values.h"
#include "panel_edit.h"
#include "panel_methods.h"

namespace lodra::python {

namespace {

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

const PyMethodDef methods[] = {
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
};

}  // namespace

std::span<const PyMethodDef> panel_mark_methods() { return methods; }

}  // namespace lodra::python
