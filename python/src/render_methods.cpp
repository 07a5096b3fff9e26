#include "render_methods.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "entry_points.h"
#include "enum_codes.h"
#include "errors.h"
#include "figure_borrow.h"
#include "py_ref.h"
#include "typed_arguments.h"

namespace lodra::python {

namespace {

// A copy of the figure, taken under a shared borrow that ends before rendering starts, so that
// the figure can be changed again while its copy renders.
std::optional<Figure> snapshot(PyObject* self) {
  FigureBorrow borrow(self, FigureBorrow::Mode::Read);
  if (!borrow) return std::nullopt;
  return borrow.figure();
}

// Renders the copy without the interpreter lock; an error is raised under the method's context
// (an I/O error keeps its own).
template <class T, class Render>
std::optional<T> render_released(const Figure& figure, std::string_view context,
                                 Render render) {
  Result<T> result = [&] {
    GilRelease released;
    return render(figure);
  }();
  if (result) return std::move(*result);
  Error error = std::move(result).error();
  if (error.kind != ErrorKind::Io) error.context = context;
  raise_error(error);
  return std::nullopt;
}

struct RenderMethod {
  const char* name;
  std::string_view context;
};

template <const RenderMethod& method>
PyObject* png(PyObject* self, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, method.name, std::array{"dpi"});
  if (!parsed) return nullptr;
  auto dpi = read<std::int64_t>((*parsed)[0]);
  if (!dpi) return nullptr;
  std::optional<Figure> figure = snapshot(self);
  if (!figure) return nullptr;
  auto bytes = render_released<std::vector<std::uint8_t>>(
      *figure, method.context, [&](const Figure& copy) { return copy.to_png(*dpi); });
  if (!bytes) return nullptr;
  return PyBytes_FromStringAndSize(reinterpret_cast<const char*>(bytes->data()),
                                   static_cast<Py_ssize_t>(bytes->size()));
}

template <const RenderMethod& method>
PyObject* svg(PyObject* self, PyObject* args, PyObject* kwargs) {
  auto parsed = parse_arguments(args, kwargs, method.name, std::array{"text"});
  if (!parsed) return nullptr;
  auto code = read<std::int64_t>((*parsed)[0]);
  if (!code) return nullptr;
  auto mode = enum_code<SvgText>(*code);
  if (!mode) return nullptr;
  std::optional<Figure> figure = snapshot(self);
  if (!figure) return nullptr;
  auto text = render_released<std::string>(
      *figure, method.context, [&](const Figure& copy) { return copy.to_svg(*mode); });
  if (!text) return nullptr;
  return PyUnicode_FromStringAndSize(text->data(), static_cast<Py_ssize_t>(text->size()));
}

constexpr RenderMethod kToPng{"to_png", "Figure.to_png()"};
constexpr RenderMethod kPngForFile{"png_for_file", "Figure.save_png()"};
constexpr RenderMethod kToSvg{"to_svg", "Figure.to_svg()"};
constexpr RenderMethod kSvgForFile{"svg_for_file", "Figure.save_svg()"};

const PyMethodDef methods[] = {
    keywords_method<png<kToPng>>(
        "to_png", "to_png($self, dpi)\n--\n\nRenders the figure as a PNG at `dpi`."),
    keywords_method<png<kPngForFile>>(
        "png_for_file",
        "png_for_file($self, dpi)\n--\n\nRenders the figure as a PNG at `dpi` for "
        "`Figure.save_png()`, which reports its errors."),
    keywords_method<svg<kToSvg>>(
        "to_svg",
        "to_svg($self, text)\n--\n\nRenders the figure as an SVG document, with text as `text` "
        "(an `SvgText` value)."),
    keywords_method<svg<kSvgForFile>>(
        "svg_for_file",
        "svg_for_file($self, text)\n--\n\nRenders the figure as an SVG document for "
        "`Figure.save_svg()`, which reports its errors."),
};

}  // namespace

std::span<const PyMethodDef> render_methods() { return methods; }

}  // namespace lodra::python
