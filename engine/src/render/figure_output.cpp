// The two rendering entry points of a figure: its scene written as SVG or painted as PNG.
#include "model/figure.h"
#include "render/png_raster.h"
#include "render/svg_writer.h"
#include "scene/scene.h"
#include "text/font_library.h"

namespace lodra {

Result<std::vector<std::uint8_t>> Figure::to_png(std::int64_t dpi) const {
  LODRA_TRY(render::check_dpi(dpi));
  LODRA_TRY_ASSIGN(scene::Scene page, scene(text::FontLibrary::global(), "Figure.to_png()"));
  return render::render_png(page, dpi);
}

Result<std::string> Figure::to_svg(SvgText text) const {
  LODRA_TRY_ASSIGN(scene::Scene page, scene(text::FontLibrary::global(), "Figure.to_svg()"));
  return render::render_svg(page, text);
}

}  // namespace lodra
