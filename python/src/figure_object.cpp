#include "figure_object.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "entry_points.h"
#include "enum_codes.h"
#include "errors.h"
#include "figure_borrow.h"
#include "mark_values.h"
#include "panel_edit.h"
#include "panel_methods.h"
#include "render_methods.h"
#include "theme_object.h"
#include "typed_arguments.h"
#include "values.h"

namespace lodra::python {

namespace {

using Mode = FigureBorrow::Mode;

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

const PyMethodDef figure_methods[] = {
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
};

// The whole-figure methods, the rendering ones, the per-panel ones, then the closing entry.
PyMethodDef* method_table() {
  static std::vector<PyMethodDef> table = [] {
    std::vector<PyMethodDef> all(std::begin(figure_methods), std::end(figure_methods));
    for (auto part : {render_methods(), panel_setting_methods(), panel_mark_methods()}) {
      all.insert(all.end(), part.begin(), part.end());
    }
    all.push_back({nullptr, nullptr, 0, nullptr});
    return all;
  }();
  return table.data();
}

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

PyObject* create_type() {
  PyType_Slot slots[] = {
      {Py_tp_doc,
       const_cast<char*>("Figure(width, height, theme, rows, cols, share_x, share_y, legend)\n--\n\n"
                         "A figure: a size in inches, a theme, a grid and the axes placed on it "
                         "with their marks.")},
      {Py_tp_new, reinterpret_cast<void*>(create_entry)},
      {Py_tp_methods, method_table()},
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
  return PyType_FromSpec(&spec);
}

}  // namespace

PyObject* figure_type() {
  static PyObject* type = nullptr;
  if (!type) type = create_type();
  return type;
}

}  // namespace lodra::python
