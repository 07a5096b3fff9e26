// Legends as scene items: keyed rows (with chips when the style asks for them), the backdrop of
// a legend moved into the plot, and the labels and end dots of directly labelled lines.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "layout/legend_rows.h"
#include "layout/panel_layout.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw {

// For each placed entry: its chip when it has one (a pill of the row's height filled with the
// series colour at 0.14 of its opacity), its swatch, then its label in the text colour.
void row(const Theme& theme, std::span<const layout::RowEntry> entries,
         std::vector<scene::Item>& items);

// Nothing without legend rows and direct labels. Otherwise one group: the backdrop when the
// layout has one (the background colour at its opacity times the theme's backdrop opacity),
// the rows, then each direct label's end dot and text in its series colour.
std::optional<scene::Item> legend(const Theme& theme, const layout::Layout& layout);

}  // namespace lodra::draw
