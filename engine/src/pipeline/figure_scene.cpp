// The single entry of rendering: a figure turned into the ordered items of a scene.
#include <utility>
#include <vector>

#include "draw/marks.h"
#include "draw/panel_context.h"
#include "model/figure.h"
#include "pipeline/panels.h"
#include "pipeline/plan.h"
#include "resolve/category_references.h"
#include "resolve/mark_resolution.h"
#include "scene/scene.h"

namespace lodra {

namespace {

// The placed panel as mark drawing sees it.
draw::PanelFrame frame_of(const layout::Layout& layout) {
  draw::PanelFrame frame{.plot_left = layout.plot.left,
                         .plot_top = layout.plot.top,
                         .plot_width = layout.plot.width,
                         .plot_height = layout.plot.height,
                         .cell_left = layout.cell.left,
                         .cell_right = layout.cell.right(),
                         .y_labels_right = std::nullopt};
  for (const layout::Label& label : layout.y_tick_labels) {
    double right = label.x + label.width();
    frame.y_labels_right = std::max(frame.y_labels_right.value_or(right), right);
  }
  return frame;
}

// Each panel in order paints over the ones before it.
void append_panels(scene::Scene& scene, const Theme& theme,
                   std::span<const pipeline::Panel> panels, const pipeline::FigurePlan& plan) {
  std::size_t count = std::min(panels.size(), plan.panels.size());
  for (std::size_t i = 0; i < count; ++i) {
    const pipeline::PlannedPanel& planned = plan.panels[i];
    if (auto marks = draw::marks(theme, planned.resolved, frame_of(planned.layout),
                                 panels[i].marks)) {
      scene.items.push_back(std::move(*marks));
    }
  }
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
    return page;
  }
  LODRA_TRY_ASSIGN(pipeline::FigurePlan plan, pipeline::plan(*this, panels, fonts, context));
  append_panels(page, theme_, panels, plan);
  return page;
}

}  // namespace lodra
