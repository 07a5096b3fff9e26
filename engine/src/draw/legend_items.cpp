#include "draw/legend_items.h"

#include <utility>

#include "draw/bar_shape.h"
#include "draw/fill_paint.h"
#include "draw/legend_swatch.h"
#include "draw/rectangle.h"
#include "draw/text_items.h"

namespace lodra::draw {

namespace {

// The share of the series colour's opacity that a chip is tinted with.
constexpr float kChipOpacity = 0.14f;

scene::Item chip(const layout::Rect& rect, Rgba color) {
  const double radius = rect.height / 2;
  scene::Path pill =
      bar_shape::rounded_rect(rect.left, rect.right(), rect.bottom(), rect.top, radius, radius);
  return scene::Item{scene::Fill{std::move(pill), scaled_alpha(color, kChipOpacity)}};
}

scene::Item backdrop(const layout::Rect& rect, const Theme& theme) {
  scene::Path path = rectangle({rect.left, rect.top}, {rect.right(), rect.bottom()});
  return scene::Item{
      scene::Fill{std::move(path), scaled_alpha(theme.background, theme.legend_backdrop_alpha)}};
}

void push_direct(const layout::DirectLabel& direct, std::vector<scene::Item>& items) {
  if (const auto& end = direct.dot) {
    items.push_back(dot(direct.color, direct.anchor_x, end->y, end->size));
  }
  push_text(direct.label, direct.color, items);
}

}  // namespace

void row(const Theme& theme, std::span<const layout::RowEntry> entries,
         std::vector<scene::Item>& items) {
  for (const layout::RowEntry& entry : entries) {
    if (entry.chip) items.push_back(chip(*entry.chip, entry.swatch.color));
    push_swatch(entry, theme, items);
    items.push_back(text_item(entry.label, theme.text_color));
  }
}

std::optional<scene::Item> legend(const Theme& theme, const layout::Layout& layout) {
  if (layout.legend_rows.empty() && layout.direct_labels.empty()) return std::nullopt;
  std::vector<scene::Item> items;
  if (layout.legend_backdrop) items.push_back(backdrop(*layout.legend_backdrop, theme));
  row(theme, layout.legend_rows, items);
  for (const layout::DirectLabel& direct : layout.direct_labels) push_direct(direct, items);
  return scene::Item{scene::ItemGroup{std::move(items)}};
}

}  // namespace lodra::draw
