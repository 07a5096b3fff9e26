// The content of a legend, built from resolved marks: keyed entries drawn in rows and direct
// entries labelled at the ends of their lines.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "color.h"
#include "enums.h"
#include "layout/anchor.h"
#include "layout/swatch.h"
#include "model/axes.h"
#include "model/figure.h"
#include "resolve/resolved_mark.h"

namespace lodra::layout {

struct LegendEntry {
  std::string label;  // never empty
  Swatch swatch;
  friend bool operator==(const LegendEntry&, const LegendEntry&) = default;
};

// A dot is drawn at the end unless the anchor is interpolated.
struct DirectEntry {
  std::string label;
  Rgba color;
  Anchor anchor;
  friend bool operator==(const DirectEntry&, const DirectEntry&) = default;
};

struct Legend {
  std::vector<LegendEntry> keyed;
  std::vector<DirectEntry> direct;
  bool chips = false;

  bool empty() const { return keyed.empty() && direct.empty(); }

  // The legend of one panel. In merged mode the panel keeps only its line-like series, and
  // only with the direct style; everything else goes to the figure's merged legend.
  static Legend panel(LegendStyle style, const Axes& axes,
                      std::span<const resolve::ResolvedMark> marks, bool merged);
  // The one legend of the figure header: the keyed entries of every panel, the first of each
  // label and swatch kind. `panels` holds the marks of each axes of `figure`, in order.
  static Legend merged(const Figure& figure,
                       std::span<const std::span<const resolve::ResolvedMark>> panels);

  friend bool operator==(const Legend&, const Legend&) = default;
};

// The axes' legend style, or the theme's when the axes leaves it unset.
LegendStyle legend_style(const Axes& axes, const Theme& theme);

}  // namespace lodra::layout
