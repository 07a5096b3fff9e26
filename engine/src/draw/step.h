// Step lines: each value held over a horizontal stretch placed by the step position, the holds
// joined by vertical risers, thinned and cut like lines.
#pragma once

#include <vector>

#include "draw/panel_context.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"

namespace lodra::draw::step {

// Appends the stroke of the step line.
void step_items(const PanelContext& panel, const resolve::StepLine& mark,
                std::vector<scene::Item>& items);

}  // namespace lodra::draw::step
