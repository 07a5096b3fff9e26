// Planning a render: the axes of every panel resolved with tick sets that fit the room the
// layout finally gives them, and every panel placed on the page.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "error.h"
#include "layout/figure_header.h"
#include "layout/panel_layout.h"
#include "model/figure.h"
#include "pipeline/panels.h"
#include "resolve/axis_resolution.h"
#include "text/font_library.h"

namespace lodra::pipeline {

struct PlannedPanel {
  resolve::Resolved resolved;
  layout::Layout layout;
};

struct FigurePlan {
  layout::FigureHeader header;
  std::vector<PlannedPanel> panels;  // one per panel, in order
};

// Every error carries `context`.
Result<FigurePlan> plan(const Figure& figure, std::span<const Panel> panels,
                        const text::FontLibrary& fonts, std::string_view context);

}  // namespace lodra::pipeline
