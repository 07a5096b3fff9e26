// Stems: a vertical rule from the baseline to every value, with a marker at the value.
#pragma once

#include <vector>

#include "draw/panel_context.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"

namespace lodra::draw::stem {

// Appends the stroke of all stems of the mark, then its markers.
void stem_items(const PanelContext& panel, const resolve::Stem& mark,
                std::vector<scene::Item>& items);

}  // namespace lodra::draw::stem
