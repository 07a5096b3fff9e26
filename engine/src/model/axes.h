// One panel of a figure: its scales, texts, legend choice, shared axis settings and marks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "enums.h"
#include "error.h"
#include "model/axis_settings.h"
#include "model/cell_range.h"
#include "model/marks.h"
#include "model/scale.h"

namespace lodra {

struct Axes {
  Scale x_scale;
  Scale y_scale;  // never a category scale
  std::string title, subtitle, xlabel, ylabel;
  std::vector<Mark> marks;  // in the order added: the drawing and legend order
  // The settings of the axes' share groups; only Figure::set_group replaces them.
  SharedSettings x_settings, y_settings;
  CellRange range;
  // Absent: the theme's legend style and position.
  std::optional<LegendStyle> legend_style;
  std::optional<LegendPosition> legend_position;

  const Scale& scale(Side side) const { return side == Side::X ? x_scale : y_scale; }
  const AxisSettings& settings(Side side) const {
    return side == Side::X ? *x_settings : *y_settings;
  }

  // That the axes was created with these scales, x first (context "Figure.axes_at()").
  Status check_scales(const Scale& x, const Scale& y) const;

  friend bool operator==(const Axes&, const Axes&) = default;
};

}  // namespace lodra
