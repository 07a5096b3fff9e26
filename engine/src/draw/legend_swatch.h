// The small drawings beside legend labels, one per swatch kind, and the dot that also marks the
// ends of directly labelled lines.
#pragma once

#include <vector>

#include "color.h"
#include "layout/legend_rows.h"
#include "scene/item.h"
#include "theme.h"

namespace lodra::draw {

// A filled circle of diameter `size` centred on (x, y), non-zero rule.
scene::Item dot(Rgba color, double x, double y, double size);

// Appends the swatch of a placed legend entry, drawn in its swatch box with its stroke width or
// size w, centred on the box's middle:
// - marker: a circle of diameter 2w ringed in the background colour;
// - line: a stroke of width w across the box by the series dash (dashes of 4w and 3w, dots
//   2.5w apart), solid and dotted lines kept inside the box by their round caps;
// - dot: a circle as wide as the box; patch: the box filled;
// - box and violin: the box inset by w/4, filled at 0.32 of the colour's opacity and outlined
//   at w/2, the box crossed by its median at w, the violin a lens of two cubics;
// - error bar: a capped bar along the box's long side at w.
void push_swatch(const layout::RowEntry& entry, const Theme& theme,
                 std::vector<scene::Item>& items);

}  // namespace lodra::draw
