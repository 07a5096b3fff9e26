#include <string>
#include <utility>
#include <vector>

#include "entry_points.h"
#include "enum_codes.h"
#include "panel_edit.h"
#include "panel_methods.h"

namespace lodra::python {

namespace {

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

const PyMethodDef methods[] = {
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
};

}  // namespace

std::span<const PyMethodDef> panel_setting_methods() { return methods; }

}  // namespace lodra::python
