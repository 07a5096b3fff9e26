// A mark ready to be measured and drawn: colours and sizes settled, and the data it shows
// derived where it does not show its raw data (statistics, histogram bins, stacks). Resolved
// marks hold the model's shared data lists, never copies of them.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "color.h"
#include "enums.h"
#include "model/marks.h"
#include "model/shared_data.h"
#include "resolve/bubble_scale.h"
#include "resolve/domain_values.h"
#include "resolve/histogram.h"
#include "resolve/stacking.h"
#include "resolve/statistics.h"
#include "scale/tick.h"
#include "tick_format.h"

namespace lodra::layout {
struct Geometry;
}

namespace lodra::resolve {

struct Bubbles {
  SharedFloats x, y, sizes;
  Rgba color;
  Marker marker = Marker::Circle;
  double largest_radius = bubble_scale::kLargestRadius;
  float marker_size = 0.0f;     // the theme's, for the legend dot
  double size_reference = 0.0;  // the largest size of the panel
};

struct Line {
  XySeries data;
  Rgba color;
  float width = 0.0f;
  Dash dash = Dash::Solid;
};

struct Scatter {
  XySeries data;
  Rgba color;
  Marker marker = Marker::Circle;
  float size = 0.0f;
};

struct Area {
  XySeries data;
  Rgba color;
  float width = 0.0f;
  Dash dash = Dash::Solid;
};

struct Bar {
  SharedNames categories;
  SharedFloats heights;
  Rgba color;
};

// One series of grouped bars, stacked bars or stacked areas.
struct ResolvedSeries {
  std::string label;
  SharedFloats values;
  Rgba color;
};

struct GroupedBar {
  SharedNames categories;
  std::vector<ResolvedSeries> series;
};

struct StackedBar {
  SharedNames categories;
  std::vector<ResolvedSeries> series;
  Stacks stacks;
};

struct StackedArea {
  SharedFloats x;
  std::vector<ResolvedSeries> series;
  AreaStacks stacks;
  float width = 0.0f;
};

struct Hist {
  Rgba color;
  std::optional<Histogram> histogram;  // absent: the mark draws nothing
};

struct StepLine {
  XySeries data;
  Step position = Step::Post;
  Rgba color;
  float width = 0.0f;
  Dash dash = Dash::Solid;
};

struct HLine {
  double y = 0.0;
  Rgba color;
  float width = 0.0f;
  Dash dash = Dash::Solid;
};

struct VLine {
  AxisValue x;
  Rgba color;
  float width = 0.0f;
  Dash dash = Dash::Solid;
};

struct HSpan {
  double low = 0.0, high = 0.0;
  Rgba color;
};

struct VSpan {
  double low = 0.0, high = 0.0;
  Rgba color;
};

struct Band {
  SharedFloats x, low, high;
  Rgba color;
};

struct Stem {
  XySeries data;
  Rgba color;
  Marker marker = Marker::Circle;
  float size = 0.0f;
};

// One distribution of box plots or violins: statistics per category, absent for a category
// without finite values.
template <class Stats>
struct ResolvedDistribution {
  std::string label;
  Rgba color;
  std::vector<std::optional<Stats>> stats;
};

struct BoxPlot {
  SharedNames categories;
  std::vector<ResolvedDistribution<stats::BoxStats>> distributions;
  float outline_width = 0.0f;
};

struct Violin {
  SharedNames categories;
  std::vector<ResolvedDistribution<ViolinStats>> distributions;
  float outline_width = 0.0f;
};

struct ErrorBars {
  ErrorBarDirection orientation = ErrorBarDirection::AlongY;
  AxisData positions;
  SharedFloats low, high;
  Rgba color;
  float width = 0.0f;
  bool caps = true;
};

// The drawn data of one mark, as legend placement measures it.
using Coverage = std::shared_ptr<const layout::Geometry>;

struct ResolvedMark {
  // The order of the alternatives is the order of the resolved kinds.
  using Kind = std::variant<Bubbles, Line, Scatter, Area, Bar, GroupedBar, StackedBar,
                            StackedArea, Hist, StepLine, HLine, VLine, HSpan, VSpan, Band, Stem,
                            BoxPlot, Violin, ErrorBars>;

  Kind kind;
  std::string label;  // empty for marks of several series
  Coverage coverage;  // absent after resolution

  // A copy that carries `geometry` in place of the mark's own.
  static ResolvedMark for_coverage(const ResolvedMark& mark, Coverage geometry);

  // What the mark contributes to the extents and categories of its axes.
  DomainValues x_numbers() const;
  DomainValues y_values() const;
  std::span<const std::string> x_categories() const;

  // The size legend of a bubbles mark with data and a positive size reference, largest size
  // first, labelled with `format` (the y axis's); empty for every other mark.
  std::vector<Tick> size_legend(const TickFormat& format) const;
};

}  // namespace lodra::resolve
