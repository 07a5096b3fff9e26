#include "draw/text_items.h"

namespace lodra::draw {

scene::Item text_item(const layout::Label& label, Rgba color) {
  const scene::Point origin{scene::narrow(label.x), scene::narrow(label.y)};
  return scene::Item{scene::Text{label.text, label.layout.outline(origin.x, origin.y),
                                 label.style, origin, color, label.layout.width}};
}

void push_texts(std::span<const layout::Label> labels, Rgba color,
                std::vector<scene::Item>& items) {
  for (const layout::Label& label : labels) items.push_back(text_item(label, color));
}

void push_text(const std::optional<layout::Label>& label, Rgba color,
               std::vector<scene::Item>& items) {
  if (label) items.push_back(text_item(*label, color));
}

void push_text(const std::optional<layout::HeaderLine>& line, Rgba color,
               std::vector<scene::Item>& items) {
  if (line) items.push_back(text_item(line->label, color));
}

}  // namespace lodra::draw
