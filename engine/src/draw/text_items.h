// The texts around a panel and in its legend as scene items: each keeps its string and carries
// its glyph outline, ready for a writer that draws text as shapes.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "color.h"
#include "layout/header.h"
#include "layout/label.h"
#include "scene/item.h"

namespace lodra::draw {

// A `Text` item of the placed label in `color`. Its origin is the label's baseline start as
// 32-bit floats, and the outline is set at exactly that origin.
scene::Item text_item(const layout::Label& label, Rgba color);

// Appends the text item of each label, or of the label when present, in `color`.
void push_texts(std::span<const layout::Label> labels, Rgba color,
                std::vector<scene::Item>& items);
void push_text(const std::optional<layout::Label>& label, Rgba color,
               std::vector<scene::Item>& items);
void push_text(const std::optional<layout::HeaderLine>& line, Rgba color,
               std::vector<scene::Item>& items);

}  // namespace lodra::draw
