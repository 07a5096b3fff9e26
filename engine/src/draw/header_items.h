// The figure's own header as scene items: its title, subtitle and merged legend rows.
#pragma once

#include <optional>

#include "layout/figure_header.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw {

// One group of the title in the text colour, the subtitle in the muted colour and the legend
// rows; nothing when the header has none of them.
std::optional<scene::Item> figure_header(const Theme& theme, const layout::FigureHeader& header);

}  // namespace lodra::draw
