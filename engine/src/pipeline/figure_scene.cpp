// The single entry of rendering: a figure turned into the ordered items of a scene.
#include <utility>
#include <vector>

#include "draw/chrome.h"
#include "draw/header_items.h"
#include "draw/legend_items.h"
#include "draw/marks.h"
#include "model/figure.h"
#include "pipeline/panel_frame.h"
#include "pipeline/panels.h"
#include "pipeline/plan.h"
#include "resolve/category_references.h"
#include "resolve/mark_resolution.h"
#include "scene/scene.h"

namespace lodra {

namespace {

// Each panel in order paints over the ones before it: its chrome, its marks, its legend, then
// its baseline.
void append_panels(scene::Scene& scene, const Theme& theme,
                   std::span<const pipeline::Panel> panels, const pipeline::FigurePlan& plan) {
  std::size_t count = std::min(panels.size(), plan.panels.size());
  for (std::size_t i = 0; i < count; ++i) {
    const pipeline::PlannedPanel& planned = plan.panels[i];
    scene.items.push_back(draw::chrome(theme, planned.layout));
    if (auto marks = draw::marks(theme, planned.resolved, pipeline::frame_of(planned.layout),
                                 panels[i].marks)) {
      scene.items.push_back(std::move(*marks));
    }
    if (auto legend = draw::legend(theme, planned.layout)) {
      scene.items.push_back(std::move(*legend));
    }
    scene.items.push_back(draw::baseline(theme, planned.layout));
  }
}

void append_header(scene::Scene& scene, const Theme& theme, const layout::FigureHeader& header) {
  if (auto drawn = draw::figure_header(theme, header)) scene.items.push_back(std::move(*drawn));
}

}  // namespace

Result<scene::Scene> Figure::scene(const text::FontLibrary& fonts,
                                   std::string_view context) const {
  LODRA_TRY(resolve::check_references(*this, context));
  scene::Scene page(width_ * 72, height_ * 72, theme_.background);
  std::vector<pipeline::Panel> panels =
      pipeline::panels(*this, resolve::resolve_figure_marks(*this), fonts);
  if (panels.empty()) {
    layout::FigureHeader header = pipeline::figure_header(*this, panels, fonts);
    LODRA_TRY(layout::FigureHeader::check(header, *this, context));
    append_header(page, theme_, header);
    return page;
  }
  LODRA_TRY_ASSIGN(pipeline::FigurePlan plan, pipeline::plan(*this, panels, fonts, context));
  append_panels(page, theme_, panels, plan);
  append_header(page, theme_, plan.header);
  return page;
}

}  // namespace lodra
