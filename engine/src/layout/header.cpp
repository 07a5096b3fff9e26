#include "layout/header.h"

namespace lodra::layout {

namespace {

// Line heights as multiples of the text size.
constexpr double kTitleLeading = 1.25;
constexpr double kSubtitleLeading = 1.35;
constexpr double kSubtitleGap = 2;
constexpr double kLegendGap = 6;
constexpr double kBottomGap = 8;

std::optional<HeaderText> measured(const text::FontLibrary& fonts, std::string_view text,
                                   const scene::TextStyle& style, double leading) {
  if (text.empty()) return std::nullopt;
  return HeaderText{measure(fonts, text, style), leading * style.size};
}

double aligned_x(Align alignment, double left, double right, double width) {
  switch (alignment) {
    case Align::Left: return left;
    case Align::Center: return (left + right) / 2 - width / 2;
    case Align::Right: return right - width;
  }
  return left;
}

// The text centred on a line starting at `top`.
HeaderLine placed_line(const HeaderText& text, double top, double left, double right,
                       Align alignment) {
  Label label = text.label;
  label.y = top + label.ascent() + (text.line_height - label.ascent() - label.descent()) / 2;
  label.x = aligned_x(alignment, left, right, label.width());
  return {std::move(label)};
}

}  // namespace

Header Header::measure(const text::FontLibrary& fonts, std::string_view title,
                       std::string_view subtitle, const scene::TextStyle& title_style,
                       const scene::TextStyle& subtitle_style,
                       std::optional<double> legend_height) {
  return {measured(fonts, title, title_style, kTitleLeading),
          measured(fonts, subtitle, subtitle_style, kSubtitleLeading), legend_height.has_value(),
          legend_height.value_or(0)};
}

double Header::height(std::optional<double> legend_height) const {
  double height = 0;
  if (title) height += title->line_height;
  if (subtitle) height += (title ? kSubtitleGap : 0) + subtitle->line_height;
  bool has_text = title || subtitle;
  if (legend_height) height += (has_text ? kLegendGap : 0) + *legend_height;
  if (has_text || legend_height) height += kBottomGap;
  return height;
}

double Header::height() const {
  return height(has_legend_rows ? std::optional(legend_height) : std::nullopt);
}

PlacedHeader Header::place(double left, double right, double top, Align alignment,
                           bool legend_follows, double legend_height) const {
  PlacedHeader placed;
  double y = top;
  if (title) {
    placed.title = placed_line(*title, y, left, right, alignment);
    y += title->line_height;
  }
  if (subtitle) {
    if (title) y += kSubtitleGap;
    placed.subtitle = placed_line(*subtitle, y, left, right, alignment);
    y += subtitle->line_height;
  }
  bool has_text = title || subtitle;
  if (legend_follows) {
    if (has_text) y += kLegendGap;
    placed.legend_top = y;
    placed.bottom = y + legend_height + kBottomGap;
  } else {
    placed.bottom = has_text ? y + kBottomGap : y;
  }
  return placed;
}

}  // namespace lodra::layout
