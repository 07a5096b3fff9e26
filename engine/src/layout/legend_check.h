// Whether a placed panel legend fits its panel, for every legend position.
#pragma once

#include "error.h"
#include "layout/layout_input.h"
#include "layout/panel_layout.h"

namespace lodra::layout::placement {

// Each legend entry must fit the width its position leaves (in a single-cell figure a top-left
// legend spans the figure header and is checked there); a legend at RIGHT or BEST must also fit
// the plot's height. The first entry too wide, or else a legend too tall, is the error.
Status check(const LayoutInput& input, const Layout& layout, bool single_cell);

}  // namespace lodra::layout::placement
