#include "theme_object.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "entry_points.h"
#include "enum_codes.h"
#include "errors.h"
#include "values.h"

namespace lodra::python {

namespace {

struct ThemeObject {
  PyObject_HEAD
  Theme* theme;  // owned
};

const Theme& theme_in(PyObject* object) { return *reinterpret_cast<ThemeObject*>(object)->theme; }

PyObject* theme_or_raise(Result<Theme>&& result) {
  auto theme = value_or_raise(std::move(result));
  return theme ? new_theme(std::move(*theme)) : nullptr;
}

constexpr std::array<const char*, 1> kValue = {"value"};

// with_background and the other colour setters: the value must be a concrete colour.
struct ColorSetter {
  const char* name;
  std::string_view context;
  Theme (Theme::*apply)(Rgba) const;
};

template <const ColorSetter& setter>
PyObject* set_color(PyObject* self, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, setter.name, kValue);
  if (!parsed) return nullptr;
  auto color = color_tuple((*parsed)[0]);
  if (!color) return nullptr;
  auto requested = color_spec(*color);
  if (!requested) return nullptr;
  auto rgba = value_or_raise(concrete(*requested, setter.context, "value", "value"));
  if (!rgba) return nullptr;
  return new_theme((theme_in(self).*setter.apply)(*rgba));
}

template <class E>
struct EnumSetter {
  const char* name;
  Theme (Theme::*apply)(E) const;
};

template <class E, const EnumSetter<E>& setter>
PyObject* set_enum(PyObject* self, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, setter.name, kValue);
  if (!parsed) return nullptr;
  auto code = to_int64((*parsed)[0]);
  if (!code) return nullptr;
  auto member = enum_code<E>(*code);
  if (!member) return nullptr;
  return new_theme((theme_in(self).*setter.apply)(*member));
}

struct NumberSetter {
  const char* name;
  Result<Theme> (Theme::*apply)(double) const;
};

template <const NumberSetter& setter>
PyObject* set_number(PyObject* self, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, setter.name, kValue);
  if (!parsed) return nullptr;
  auto value = to_double((*parsed)[0]);
  if (!value) return nullptr;
  return theme_or_raise((theme_in(self).*setter.apply)(*value));
}

// Colours are converted in list order and the first failure wins, before the length check.
PyObject* set_palette(PyObject* self, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, "with_palette", std::array{"colors"});
  if (!parsed) return nullptr;
  const Arg& colors = (*parsed)[0];
  auto items = sequence_items(colors, "color tuples");
  if (!items) return nullptr;
  std::vector<ColorTuple> tuples;
  tuples.reserve(items->size());
  for (std::size_t i = 0; i < items->size(); ++i) {
    auto tuple = color_tuple(colors.item(static_cast<Py_ssize_t>(i), (*items)[i].get()));
    if (!tuple) return nullptr;
    tuples.push_back(*tuple);
  }
  std::vector<Rgba> palette;
  palette.reserve(tuples.size());
  for (std::size_t i = 0; i < tuples.size(); ++i) {
    auto requested = color_spec(tuples[i]);
    if (!requested) return nullptr;
    auto rgba = value_or_raise(
        concrete(*requested, "Theme.with_palette()", "colors", cat("colors[", i, "]")));
    if (!rgba) return nullptr;
    palette.push_back(*rgba);
  }
  return theme_or_raise(theme_in(self).with_palette(std::move(palette)));
}

template <Theme (*preset)()>
PyObject* make_preset(PyObject*) {
  return new_theme(preset());
}

constexpr ColorSetter kBackground{"with_background", "Theme.with_background()",
                                  &Theme::with_background};
constexpr ColorSetter kTextColor{"with_text_color", "Theme.with_text_color()",
                                 &Theme::with_text_color};
constexpr ColorSetter kMutedColor{"with_muted_color", "Theme.with_muted_color()",
                                  &Theme::with_muted_color};
constexpr ColorSetter kGridColor{"with_grid_color", "Theme.with_grid_color()",
                                 &Theme::with_grid_color};
constexpr ColorSetter kBaselineColor{"with_baseline_color", "Theme.with_baseline_color()",
                                     &Theme::with_baseline_color};

constexpr EnumSetter<GridLines> kGridLines{"with_grid_lines", &Theme::with_grid_lines};
constexpr EnumSetter<Dash> kGridDash{"with_grid_dash", &Theme::with_grid_dash};
constexpr EnumSetter<Font> kTitleFont{"with_title_font", &Theme::with_title_font};
constexpr EnumSetter<Align> kTitleAlign{"with_title_align", &Theme::with_title_align};
constexpr EnumSetter<Font> kBodyFont{"with_body_font", &Theme::with_body_font};
constexpr EnumSetter<LegendStyle> kLegendStyle{"with_legend_style", &Theme::with_legend_style};
constexpr EnumSetter<LegendPosition> kLegendPosition{"with_legend_position",
                                                     &Theme::with_legend_position};
constexpr EnumSetter<FillStyle> kFillStyle{"with_fill_style", &Theme::with_fill_style};

constexpr NumberSetter kFontScale{"with_font_scale", &Theme::with_font_scale};
constexpr NumberSetter kLineWidth{"with_line_width", &Theme::with_line_width};
constexpr NumberSetter kMarkerSize{"with_marker_size", &Theme::with_marker_size};
constexpr NumberSetter kMarkerAlpha{"with_marker_alpha", &Theme::with_marker_alpha};
constexpr NumberSetter kBaselineWidth{"with_baseline_width", &Theme::with_baseline_width};
constexpr NumberSetter kBarCornerRadius{"with_bar_corner_radius", &Theme::with_bar_corner_radius};
constexpr NumberSetter kHistGap{"with_hist_gap", &Theme::with_hist_gap};

PyMethodDef methods[] = {
    no_args_method<make_preset<&Theme::pigment>>(
        "pigment",
        "pigment()\n--\n\nThe default theme: warm paper, serif titles, dotted horizontal grid.",
        METH_STATIC),
    no_args_method<make_preset<&Theme::graphite>>(
        "graphite", "graphite()\n--\n\nA clean white theme with a navy-led palette.", METH_STATIC),
    no_args_method<make_preset<&Theme::midnight>>(
        "midnight", "midnight()\n--\n\nA dark theme with a monospaced body font.", METH_STATIC),
    keywords_method<set_palette>(
        "with_palette",
        "with_palette($self, colors)\n--\n\nThis theme with the palette `colors`, each of which "
        "must be concrete. The message of a\ncolor that is not concrete names its index, e.g. "
        "`colors[2]`."),
    keywords_method<set_color<kBackground>>(
        "with_background",
        "with_background($self, value)\n--\n\nThis theme with the background color `value`."),
    keywords_method<set_color<kTextColor>>(
        "with_text_color",
        "with_text_color($self, value)\n--\n\nThis theme with the text color `value`."),
    keywords_method<set_color<kMutedColor>>(
        "with_muted_color",
        "with_muted_color($self, value)\n--\n\nThis theme with the muted text color `value`."),
    keywords_method<set_color<kGridColor>>(
        "with_grid_color",
        "with_grid_color($self, value)\n--\n\nThis theme with the gridline color `value`."),
    keywords_method<set_color<kBaselineColor>>(
        "with_baseline_color",
        "with_baseline_color($self, value)\n--\n\nThis theme with the baseline color `value`."),
    keywords_method<set_enum<GridLines, kGridLines>>(
        "with_grid_lines",
        "with_grid_lines($self, value)\n--\n\nThis theme with the gridlines `value` (a `GridLines` "
        "value)."),
    keywords_method<set_enum<Dash, kGridDash>>(
        "with_grid_dash",
        "with_grid_dash($self, value)\n--\n\nThis theme with the gridline dash `value` (a `Dash` "
        "value)."),
    keywords_method<set_enum<Font, kTitleFont>>(
        "with_title_font",
        "with_title_font($self, value)\n--\n\nThis theme with the title font `value` (a `Font` "
        "value)."),
    keywords_method<set_enum<Align, kTitleAlign>>(
        "with_title_align",
        "with_title_align($self, value)\n--\n\nThis theme with the title alignment `value` (an "
        "`Align` value)."),
    keywords_method<set_enum<Font, kBodyFont>>(
        "with_body_font",
        "with_body_font($self, value)\n--\n\nThis theme with the body font `value` (a `Font` "
        "value)."),
    keywords_method<set_enum<LegendStyle, kLegendStyle>>(
        "with_legend_style",
        "with_legend_style($self, value)\n--\n\nThis theme with the legend style `value` (a "
        "`LegendStyle` value)."),
    keywords_method<set_enum<LegendPosition, kLegendPosition>>(
        "with_legend_position",
        "with_legend_position($self, value)\n--\n\nThis theme with the panel legend position "
        "`value` (a `LegendPosition` value)."),
    keywords_method<set_enum<FillStyle, kFillStyle>>(
        "with_fill_style",
        "with_fill_style($self, value)\n--\n\nThis theme with the fill style `value` (a "
        "`FillStyle` value)."),
    keywords_method<set_number<kFontScale>>(
        "with_font_scale",
        "with_font_scale($self, value)\n--\n\nThis theme with the font scale `value`."),
    keywords_method<set_number<kLineWidth>>(
        "with_line_width",
        "with_line_width($self, value)\n--\n\nThis theme with the line width `value`, in points."),
    keywords_method<set_number<kMarkerSize>>(
        "with_marker_size",
        "with_marker_size($self, value)\n--\n\nThis theme with the marker size `value`, in "
        "points."),
    keywords_method<set_number<kMarkerAlpha>>(
        "with_marker_alpha",
        "with_marker_alpha($self, value)\n--\n\nThis theme with the marker opacity `value`."),
    keywords_method<set_number<kBaselineWidth>>(
        "with_baseline_width",
        "with_baseline_width($self, value)\n--\n\nThis theme with the baseline width `value`, in "
        "points."),
    keywords_method<set_number<kBarCornerRadius>>(
        "with_bar_corner_radius",
        "with_bar_corner_radius($self, value)\n--\n\nThis theme with the bar corner radius "
        "`value`, in points."),
    keywords_method<set_number<kHistGap>>(
        "with_hist_gap",
        "with_hist_gap($self, value)\n--\n\nThis theme with the gap between histogram bars "
        "`value`, in points."),
    {nullptr, nullptr, 0, nullptr},
};

PyObject* compare(PyObject* self, PyObject* other, int op) {
  if ((op != Py_EQ && op != Py_NE) || !PyObject_TypeCheck(other, Py_TYPE(self))) {
    Py_RETURN_NOTIMPLEMENTED;
  }
  const bool equal = theme_in(self) == theme_in(other);
  return PyBool_FromLong(equal == (op == Py_EQ));
}

PyObject* compare_entry(PyObject* self, PyObject* other, int op) noexcept {
  return guarded([&] { return compare(self, other, op); });
}

// The instance holds no Python references; only its class needs visiting.
int traverse(PyObject* self, visitproc visit, void* arg) {
  Py_VISIT(Py_TYPE(self));
  return 0;
}

void dealloc(PyObject* self) {
  PyObject_GC_UnTrack(self);
  delete reinterpret_cast<ThemeObject*>(self)->theme;
  PyTypeObject* type = Py_TYPE(self);
  reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free))(self);
  Py_DECREF(type);
}

PyType_Slot slots[] = {
    {Py_tp_doc,
     const_cast<char*>("An immutable theme. Equal themes compare equal; themes are not hashable.")},
    {Py_tp_methods, methods},
    {Py_tp_richcompare, reinterpret_cast<void*>(compare_entry)},
    {Py_tp_hash, reinterpret_cast<void*>(PyObject_HashNotImplemented)},
    {Py_tp_traverse, reinterpret_cast<void*>(traverse)},
    {Py_tp_dealloc, reinterpret_cast<void*>(dealloc)},
    {0, nullptr},
};

PyType_Spec type_spec = {
    "lodra._lodra.Theme",
    sizeof(ThemeObject),
    0,
    Py_TPFLAGS_DEFAULT | Py_TPFLAGS_HAVE_GC | Py_TPFLAGS_DISALLOW_INSTANTIATION |
        Py_TPFLAGS_IMMUTABLETYPE,
    slots,
};

}  // namespace

PyObject* theme_type() {
  static PyObject* type = nullptr;
  if (!type) type = PyType_FromSpec(&type_spec);
  return type;
}

PyObject* new_theme(Theme theme) {
  auto* type = reinterpret_cast<PyTypeObject*>(theme_type());
  if (!type) return nullptr;
  auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
  PyRef object(alloc(type, 0));
  if (!object) return nullptr;
  reinterpret_cast<ThemeObject*>(object.get())->theme = new Theme(std::move(theme));
  return object.release();
}

const Theme* theme_of(const Arg& arg) {
  auto* type = reinterpret_cast<PyTypeObject*>(theme_type());
  if (!type) return nullptr;
  if (PyObject_TypeCheck(arg.object, type)) return &theme_in(arg.object);
  PyErr_SetString(PyExc_TypeError,
                  cat(arg.path(), " must be Theme, not ", type_name(arg.object)).c_str());
  return nullptr;
}

}  // namespace lodra::python
