// Stacked areas: each layer filled from the top of the layer below (the first from the
// baseline) to its own top, and its top edge stroked.
#pragma once

#include <vector>

#include "draw/panel_context.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"

namespace lodra::draw::stacked_area {

// Appends, bottom layer first, each layer's fill and then the stroke of its top.
void stacked_area_items(const PanelContext& panel, const resolve::StackedArea& mark,
                        std::vector<scene::Item>& items);

}  // namespace lodra::draw::stacked_area
