// The complete visual style of a figure. Themes are immutable values: every setter validates
// one value and returns a new theme.
#pragma once

#include <string_view>
#include <vector>

#include "color.h"
#include "enums.h"
#include "error.h"

namespace lodra {

inline constexpr std::size_t kMaxPaletteColors = 16;

struct Theme {
  std::vector<Rgba> palette;
  Rgba background;
  Rgba text_color;
  Rgba muted_color;
  Rgba grid_color;
  float grid_width = 0.75f;
  Rgba baseline_color;
  float baseline_width = 1.0f;
  float title_size = 15.0f;
  float text_size = 8.5f;
  float font_scale = 1.0f;
  float legend_backdrop_alpha = 0.85f;
  float line_width = 2.0f;
  float marker_size = 6.0f;
  float marker_alpha = 0.85f;
  float bar_corner_radius = 0.0f;
  float hist_gap = 0.0f;
  float panel_gap = 24.0f;
  float cap_width = 8.0f;
  float stem_width = 1.5f;
  float box_fraction = 0.5f;
  float violin_fraction = 0.6f;
  FillStyle fill_style = FillStyle::Solid;
  Dash grid_dash = Dash::Dotted;
  Align title_align = Align::Left;
  GridLines grid_lines = GridLines::Horizontal;
  LegendStyle legend_style = LegendStyle::Header;
  Font title_font = Font::SourceSerif4;
  Font body_font = Font::IbmPlexSans;
  LegendPosition legend_position = LegendPosition::TopLeft;

  static Theme pigment();
  static Theme graphite();
  static Theme midnight();

  Result<Theme> with_palette(std::vector<Rgba> colors) const;

  Theme with_background(Rgba value) const;
  Theme with_text_color(Rgba value) const;
  Theme with_muted_color(Rgba value) const;
  Theme with_grid_color(Rgba value) const;
  Theme with_baseline_color(Rgba value) const;

  Theme with_grid_lines(GridLines value) const;
  Theme with_grid_dash(Dash value) const;
  Theme with_title_font(Font value) const;
  Theme with_title_align(Align value) const;
  Theme with_body_font(Font value) const;
  Theme with_legend_style(LegendStyle value) const;
  Theme with_legend_position(LegendPosition value) const;
  Theme with_fill_style(FillStyle value) const;

  Result<Theme> with_font_scale(double value) const;
  Result<Theme> with_line_width(double value) const;
  Result<Theme> with_marker_size(double value) const;
  Result<Theme> with_marker_alpha(double value) const;
  Result<Theme> with_baseline_width(double value) const;
  Result<Theme> with_bar_corner_radius(double value) const;
  Result<Theme> with_hist_gap(double value) const;

  friend bool operator==(const Theme&, const Theme&) = default;
};

}  // namespace lodra
