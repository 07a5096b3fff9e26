#include "theme.h"

#include <cmath>
#include <initializer_list>

namespace lodra {

namespace {

Rgba rgb(std::uint32_t hex) { return Rgba::unpacked((hex << 8) | 0xFF); }

std::vector<Rgba> palette_of(std::initializer_list<std::uint32_t> hexes) {
  std::vector<Rgba> colors;
  for (auto hex : hexes) colors.push_back(rgb(hex));
  return colors;
}

// Which values a numeric setter accepts, as a test and as the message says it.
struct Requirement {
  bool (*accepts)(double value, float stored);
  std::string_view text;
};

const Requirement kPositiveFinite{
    [](double, float f) { return f > 0.0f && std::isfinite(f); }, "a finite number greater than 0"};
const Requirement kFontScale{
    [](double v, float f) { return f > 0.0f && v <= 10.0 && !std::isinf(f); },
    "a finite number greater than 0 and at most 10"};
const Requirement kUnitInterval{[](double v, float) { return v >= 0.0 && v <= 1.0; },
                                "a finite number from 0.0 to 1.0"};
const Requirement kNonNegativeFinite{
    [](double v, float f) { return v >= 0.0 && std::isfinite(f); }, "a finite number of at least 0"};

Result<Theme> with_number(Theme theme, float Theme::*field, double value, std::string_view field_name,
                          std::string_view context, const Requirement& requirement) {
  float stored = static_cast<float>(value);
  if (!requirement.accepts(value, stored)) {
    return fail(ErrorKind::Style, context, "value", "",
                cat(field_name, " is ", display_number(value), "; ", field_name, " must be ",
                    requirement.text, "."));
  }
  theme.*field = stored;
  return theme;
}

template <class T>
Theme with_field(Theme theme, T Theme::*field, T value) {
  theme.*field = std::move(value);
  return theme;
}

}  // namespace

Theme Theme::pigment() {
  Theme t;
  t.palette = palette_of({0xC4553A, 0x2E6B70, 0xE2A33B, 0x4F6FA3, 0x86A37A, 0x8B5279, 0x6E4C38,
                          0xA69F94});
  t.background = rgb(0xFAF6F0);
  t.text_color = rgb(0x2B211B);
  t.muted_color = rgb(0x8C8076);
  t.grid_color = rgb(0xDDD3C7);
  t.baseline_color = rgb(0x2B211B);
  t.baseline_width = 1.3f;
  t.title_size = 15.0f;
  t.line_width = 2.0f;
  t.marker_size = 6.0f;
  t.marker_alpha = 0.85f;
  t.bar_corner_radius = 0.0f;
  t.hist_gap = 0.0f;
  t.fill_style = FillStyle::Solid;
  t.grid_dash = Dash::Dotted;
  t.legend_style = LegendStyle::Header;
  t.title_font = Font::SourceSerif4;
  t.body_font = Font::IbmPlexSans;
  return t;
}

Theme Theme::graphite() {
  Theme t;
  t.palette = palette_of({0x233F86, 0xE4572E, 0xF2A900, 0x17A398, 0x9B5DE5, 0x5BA4E6, 0xD9658F,
                          0xA3A3A3});
  t.background = rgb(0xFFFFFF);
  t.text_color = rgb(0x111111);
  t.muted_color = rgb(0x737373);
  t.grid_color = rgb(0xEBEBEB);
  t.baseline_color = rgb(0x111111);
  t.baseline_width = 1.0f;
  t.title_size = 15.0f;
  t.line_width = 1.8f;
  t.marker_size = 5.6f;
  t.marker_alpha = 0.9f;
  t.bar_corner_radius = 0.0f;
  t.hist_gap = 1.2f;
  t.fill_style = FillStyle::Solid;
  t.grid_dash = Dash::Solid;
  t.legend_style = LegendStyle::Direct;
  t.title_font = Font::Geist;
  t.body_font = Font::Geist;
  return t;
}

Theme Theme::midnight() {
  Theme t;
  t.palette = palette_of({0x75AEF5, 0xDF7F78, 0x96E7A7, 0xE0AE57, 0xC9A3F5, 0x3ACED6, 0xF5A06F,
                          0x9DA5B1});
  t.background = rgb(0x121419);
  t.text_color = rgb(0xE7E9EF);
  t.muted_color = rgb(0x868D9C);
  t.grid_color = rgb(0x272B34);
  t.baseline_color = rgb(0x3C4250);
  t.baseline_width = 1.0f;
  t.title_size = 14.5f;
  t.line_width = 1.9f;
  t.marker_size = 6.2f;
  t.marker_alpha = 0.9f;
  t.bar_corner_radius = 3.5f;
  t.hist_gap = 1.5f;
  t.fill_style = FillStyle::Gradient;
  t.grid_dash = Dash::Dashed;
  t.legend_style = LegendStyle::Chips;
  t.title_font = Font::Inter;
  t.body_font = Font::JetBrainsMono;
  return t;
}

Result<Theme> Theme::with_palette(std::vector<Rgba> colors) const {
  if (colors.empty() || colors.size() > kMaxPaletteColors) {
    return fail(ErrorKind::Style, "Theme.with_palette()", "colors", "",
                cat("palette has ", colors.size(), " colors; a palette needs 1 to ",
                    kMaxPaletteColors, " colors."));
  }
  return with_field(*this, &Theme::palette, std::move(colors));
}

Theme Theme::with_background(Rgba v) const { return with_field(*this, &Theme::background, v); }
Theme Theme::with_text_color(Rgba v) const { return with_field(*this, &Theme::text_color, v); }
Theme Theme::with_muted_color(Rgba v) const { return with_field(*this, &Theme::muted_color, v); }
Theme Theme::with_grid_color(Rgba v) const { return with_field(*this, &Theme::grid_color, v); }
Theme Theme::with_baseline_color(Rgba v) const {
  return with_field(*this, &Theme::baseline_color, v);
}

Theme Theme::with_grid_lines(GridLines v) const { return with_field(*this, &Theme::grid_lines, v); }
Theme Theme::with_grid_dash(Dash v) const { return with_field(*this, &Theme::grid_dash, v); }
Theme Theme::with_title_font(Font v) const { return with_field(*this, &Theme::title_font, v); }
Theme Theme::with_title_align(Align v) const { return with_field(*this, &Theme::title_align, v); }
Theme Theme::with_body_font(Font v) const { return with_field(*this, &Theme::body_font, v); }
Theme Theme::with_legend_style(LegendStyle v) const {
  return with_field(*this, &Theme::legend_style, v);
}
Theme Theme::with_legend_position(LegendPosition v) const {
  return with_field(*this, &Theme::legend_position, v);
}
Theme Theme::with_fill_style(FillStyle v) const { return with_field(*this, &Theme::fill_style, v); }

Result<Theme> Theme::with_font_scale(double v) const {
  return with_number(*this, &Theme::font_scale, v, "font_scale", "Theme.with_font_scale()",
                     kFontScale);
}
Result<Theme> Theme::with_line_width(double v) const {
  return with_number(*this, &Theme::line_width, v, "line_width", "Theme.with_line_width()",
                     kPositiveFinite);
}
Result<Theme> Theme::with_marker_size(double v) const {
  return with_number(*this, &Theme::marker_size, v, "marker_size", "Theme.with_marker_size()",
                     kPositiveFinite);
}
Result<Theme> Theme::with_marker_alpha(double v) const {
  return with_number(*this, &Theme::marker_alpha, v, "marker_alpha", "Theme.with_marker_alpha()",
                     kUnitInterval);
}
Result<Theme> Theme::with_baseline_width(double v) const {
  return with_number(*this, &Theme::baseline_width, v, "baseline_width",
                     "Theme.with_baseline_width()", kNonNegativeFinite);
}
Result<Theme> Theme::with_bar_corner_radius(double v) const {
  return with_number(*this, &Theme::bar_corner_radius, v, "bar_corner_radius",
                     "Theme.with_bar_corner_radius()", kNonNegativeFinite);
}
Result<Theme> Theme::with_hist_gap(double v) const {
  return with_number(*this, &Theme::hist_gap, v, "hist_gap", "Theme.with_hist_gap()",
                     kNonNegativeFinite);
}

}  // namespace lodra
