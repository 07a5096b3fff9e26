#include "draw/chrome.h"

#include <utility>
#include <vector>

#include "draw/segment.h"
#include "draw/text_items.h"
#include "draw/theme_width.h"

namespace lodra::draw {

namespace {

bool draws_horizontal(GridLines lines) {
  return lines == GridLines::Horizontal || lines == GridLines::Both;
}
bool draws_vertical(GridLines lines) {
  return lines == GridLines::Vertical || lines == GridLines::Both;
}

void push_grid_lines(const Theme& theme, const layout::Layout& layout,
                     std::vector<scene::Item>& items) {
  const scene::StrokeStyle stroke = grid_stroke(theme);
  const layout::Rect& plot = layout.plot;
  if (draws_horizontal(theme.grid_lines)) {
    for (double y : layout.y_ticks) items.push_back(segment(plot.left, y, plot.right(), y, stroke));
  }
  if (draws_vertical(theme.grid_lines)) {
    for (double x : layout.x_ticks) items.push_back(segment(x, plot.top, x, plot.bottom(), stroke));
  }
}

}  // namespace

scene::StrokeStyle grid_stroke(const Theme& theme) {
  scene::StrokeStyle stroke{{}, theme.grid_color, theme_width(theme.grid_width),
                            scene::LineCap::Butt, scene::LineJoin::Miter};
  switch (theme.grid_dash) {
    case Dash::Solid:
      break;
    case Dash::Dashed:
      stroke.dash = {2.0f, 4.0f};
      break;
    case Dash::Dotted:
      stroke.dash = {0.0f, 3.2f};
      stroke.cap = scene::LineCap::Round;
      break;
  }
  return stroke;
}

scene::Item chrome(const Theme& theme, const layout::Layout& layout) {
  std::vector<scene::Item> items;
  push_grid_lines(theme, layout, items);
  push_texts(layout.y_tick_labels, theme.muted_color, items);
  push_texts(layout.x_tick_labels, theme.muted_color, items);
  push_text(layout.title, theme.text_color, items);
  push_text(layout.subtitle, theme.muted_color, items);
  push_text(layout.y_label, theme.text_color, items);
  push_text(layout.x_label, theme.text_color, items);
  return scene::Item{scene::ItemGroup{std::move(items)}};
}

scene::Item baseline(const Theme& theme, const layout::Layout& layout) {
  const scene::StrokeStyle stroke{{}, theme.baseline_color, theme_width(theme.baseline_width),
                                  scene::LineCap::Butt, scene::LineJoin::Miter};
  const layout::Rect& plot = layout.plot;
  std::vector<scene::Item> items;
  items.push_back(segment(plot.left, layout.baseline, plot.right(), layout.baseline, stroke));
  return scene::Item{scene::ItemGroup{std::move(items)}};
}

}  // namespace lodra::draw
