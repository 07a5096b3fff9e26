// Reference spans: translucent bands across the whole plot between two y values (hspan) or two
// x values (vspan), drawn under every other mark of the panel.
#pragma once

#include <span>
#include <vector>

#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"

namespace lodra::draw {

// The fills of the panel's hspan and vspan marks, in mark order; other marks are passed over.
// Each span's ends are clamped to the visible window; a span that is then empty or reversed,
// or that has an end without a position, draws nothing.
void span_layer(const LineClip& clip, const resolve::Resolved& axes,
                std::span<const resolve::ResolvedMark> marks, std::vector<scene::Item>& items);

}  // namespace lodra::draw
