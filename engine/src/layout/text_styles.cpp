#include "layout/text_styles.h"

#include "layout/label.h"

namespace lodra::layout {

namespace {

double scaled(const Theme& theme, float size) { return double{theme.font_scale} * size; }

}  // namespace

scene::TextStyle title_style(const Theme& theme) {
  return text_style(scaled(theme, theme.title_size), theme.title_font, text::Weight::Semibold,
                    false);
}

scene::TextStyle figure_title_style(const Theme& theme) {
  return text_style(scaled(theme, theme.title_size) * 1.5, theme.title_font,
                    text::Weight::Semibold, false);
}

scene::TextStyle body_style(const Theme& theme) {
  return text_style(scaled(theme, theme.text_size), theme.body_font, text::Weight::Regular,
                    false);
}

scene::TextStyle tick_style(const Theme& theme) {
  return text_style(scaled(theme, theme.text_size), theme.body_font, text::Weight::Regular,
                    true);
}

}  // namespace lodra::layout
