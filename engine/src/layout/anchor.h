// Where a line-like series ends, for a label written at its end: found from the series' points
// within the x limits of its axes.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <variant>

#include "model/axes.h"
#include "model/shared_data.h"
#include "resolve/resolved_mark.h"

namespace lodra::layout {

// The end of a step whose last hold stops midway between two adjacent categories.
struct CategoryPair {
  std::string first;
  std::string second;
  friend bool operator==(const CategoryPair&, const CategoryPair&) = default;
};

// A number on a continuous x axis, or a category, or two adjacent ones.
using AnchorPosition = std::variant<double, std::string, CategoryPair>;

struct Anchor {
  AnchorPosition x;
  double y = 0;
  // The series runs on past the upper x limit and is cut there: no end dot.
  bool interpolated = false;

  friend bool operator==(const Anchor&, const Anchor&) = default;
};

// What the end of a series depends on besides its data.
struct AnchorAxes {
  std::optional<ContinuousScale> x_limits;
  bool log_x = false;
  bool log_y = false;

  static AnchorAxes of(const Axes& axes);
};

// The end of a line or area over x positions and y values (the shorter list counts).
std::optional<Anchor> line_end(const AxisData& x, std::span<const double> y,
                               const AnchorAxes& axes);
// The end of a line over numeric x.
std::optional<Anchor> line_end(std::span<const double> x, std::span<const double> y,
                               const AnchorAxes& axes);
// The end of the last hold of a step that reaches into the x window.
std::optional<Anchor> step_end(const AxisData& x, std::span<const double> y, Step position,
                               const AnchorAxes& axes);

}  // namespace lodra::layout
