// Error bars: a segment per position between its low and high limits, cut to the plot, with
// optional caps across its ends.
#pragma once

#include <vector>

#include "draw/line_clip.h"
#include "draw/points.h"
#include "resolve/axis_resolution.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"
#include "scene/path.h"
#include "theme.h"

namespace lodra::draw {

// Which ends of a bar get a cap.
struct BarCaps {
  bool at_from = false;
  bool at_to = false;
};

// Appends the bar from `from` to `to` (plot coordinates), then a cap `cap_width` points long
// centred on each end asked for, across the bar: horizontal caps on a vertical bar.
void push_bar(scene::Path& path, PlotPoint from, PlotPoint to, bool vertical, BarCaps caps,
              double cap_width);

// One stroke in the series colour and width holding every bar of the mark: vertical bars at x
// positions or horizontal ones at y positions, each cut to the visible window, with caps of the
// theme's cap width (when the mark has caps) at the ends that lie inside it. A bar whose
// position, low or high is missing, whose position lies outside the window widened by half the
// stroke or cap, or that lies entirely outside the window is left out.
void error_bar_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                     const resolve::ErrorBars& mark, std::vector<scene::Item>& items);

}  // namespace lodra::draw
