#include "draw/header_items.h"

#include <utility>
#include <vector>

#include "draw/legend_items.h"
#include "draw/text_items.h"

namespace lodra::draw {

std::optional<scene::Item> figure_header(const Theme& theme, const layout::FigureHeader& header) {
  if (!header.title && !header.subtitle && header.legend.empty()) return std::nullopt;
  std::vector<scene::Item> items;
  push_text(header.title, theme.text_color, items);
  push_text(header.subtitle, theme.muted_color, items);
  row(theme, header.legend, items);
  return scene::Item{scene::ItemGroup{std::move(items)}};
}

}  // namespace lodra::draw
