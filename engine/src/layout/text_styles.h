// The text styles of panel and figure layout, from the theme's sizes, fonts and font scale.
#pragma once

#include "scene/style.h"
#include "theme.h"

namespace lodra::layout {

// Panel titles.
scene::TextStyle title_style(const Theme& theme);
// The figure title, one and a half times a panel title.
scene::TextStyle figure_title_style(const Theme& theme);
// Subtitles and axis labels.
scene::TextStyle body_style(const Theme& theme);
// Tick labels: the body style with tabular figures.
scene::TextStyle tick_style(const Theme& theme);

}  // namespace lodra::layout
