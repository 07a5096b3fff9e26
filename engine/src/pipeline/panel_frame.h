// A placed panel as mark drawing sees it.
#pragma once

#include "draw/panel_context.h"
#include "layout/panel_layout.h"

namespace lodra::pipeline {

draw::PanelFrame frame_of(const layout::Layout& layout);

}  // namespace lodra::pipeline
